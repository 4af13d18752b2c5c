// The fixed head of a baseline TIFF for one page: the little-endian header,
// one image directory and the values it points to, laid out so that the
// uncompressed pixels follow as one run of rows, top row first, each row
// packed to a whole byte (no padding to 4 bytes as in a DIB).
//
// Method: every offset is known once the page's geometry is, so the head is
// computed before the first pixel and written once; the pixels are then
// appended in order and the file is never revisited. Strips of
// `rowsPerStrip` rows (the last one shorter) let readers decode piecewise.
//
//   1 bit : black is zero (the bitmap's palette is black, then white)
//   8 bits: grey, black is zero
//   24 bits: red, green, blue, chunky
#pragma once

#include <cstdint>
#include <vector>

struct TiffPage {
    uint32_t width = 0;
    uint32_t length = 0;
    uint32_t bitsPerPixel = 0;   // 1, 8 or 24
    uint32_t resolution = 0;     // dots per inch, both directions
};

// Bytes of one packed TIFF row; 0 for an unsupported depth.
uint32_t TiffRowBytes(uint32_t width, uint32_t bitsPerPixel);

// The head for `page`; false (and `head` empty) when the geometry is not a
// page (no rows, no columns, another depth, no strip rows) or the file would
// not fit the format's 32-bit offsets.
bool BuildTiffHead(const TiffPage& page, uint32_t rowsPerStrip, std::vector<uint8_t>* head);

// The whole file's length for `page`: head plus pixels (0 when unbuildable).
uint64_t TiffFileLength(const TiffPage& page, uint32_t rowsPerStrip);
