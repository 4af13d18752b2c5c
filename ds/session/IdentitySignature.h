// The source's fixed 16-byte signature. It is written into the source's own
// identity (Version.Info bytes 18 to 33) and its first 8 bytes open the
// custom-data blob, so a blob can be told apart from any other program's.
#pragma once

#include <cstdint>

constexpr uint8_t kIdentitySignature[16] = {
    0x54, 0x58, 0x33, 0x38, 0x30, 0xA7, 0x5C, 0x1E,
    0x9B, 0x42, 0xD3, 0x6E, 0x08, 0xF1, 0x7A, 0xC5,
};
