// BMP files: reading and writing uncompressed Windows bitmaps.
//
// Read: 1, 8 and 24 bits per pixel, bottom-up or top-down, with the 40-byte
// information header or a longer one. An 8-bit file with a grey palette
// becomes grey, with any other palette colour; a 1-bit file stays 1 bit with
// its bits flipped when its palette has white first. Every size in the
// headers is checked against the file's length before any pixel is read.
// Write: bottom-up, 1 bit with the palette black then white, 8 bits with a
// grey ramp, 24 bits without a palette; resolution in pixels per metre.
#pragma once

#include "Image.h"

#include <string>

namespace vz {

Status ReadBmp(const std::string& path, Image& out);
Status WriteBmp(const std::string& path, const Image& image);

// The same from and to memory (the whole file's bytes).
Status DecodeBmp(const uint8_t* data, size_t size, Image& out);
Status EncodeBmp(const Image& image, std::vector<uint8_t>& out);

}  // namespace vz
