// The custom-data blob: the source's current settings as an opaque 80-byte
// block an application can store and hand back later.
//   0  8  signature (first 8 bytes of the identity signature)
//   8  4  format version, 1
//  12 68  the settings record byte for byte
#pragma once

#include <cstddef>
#include <cstdint>

#include "settings/ScanSettings.h"

constexpr uint32_t kCustomDataSize = 80;
constexpr uint32_t kCustomDataVersion = 1;
constexpr size_t kCustomDataSettingsOffset = 12;

// Writes the blob for `settings` into `out` (80 bytes).
void WriteCustomData(const ScanSettings& settings, uint8_t* out);

// Reads a blob of `size` bytes: when size, signature and version are right,
// validates the settings in place in the block and copies them to `settings`,
// returning true; otherwise changes nothing and returns false.
bool ReadCustomData(uint8_t* block, uint32_t size, ScanSettings* settings);
