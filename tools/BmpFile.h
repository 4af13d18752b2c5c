// A page as a BMP file (bottom-up, 1-bit black/white palette, 8-bit grey
// ramp, 24-bit blue-green-red), the format a TWAIN file transfer writes too.
#pragma once

#include <cstdint>
#include <vector>

#include "Page.h"

std::vector<uint8_t> BuildBmp(const Page& page);
