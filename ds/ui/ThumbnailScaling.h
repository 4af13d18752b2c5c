// Box-filter reduction of scanned rows into the thumbnail.
//
// The source rows are split into as many bands as there are thumbnail rows to
// fill, of n / k rows each, the first n mod k bands one row larger; the source
// width is split into the thumbnail's columns the same way. Each thumbnail
// pixel is the truncated mean of its block:
//   24 bits: red, green, blue source pixels; each channel averaged and written
//            in the bitmap's blue, green, red order;
//   8 bits:  the grey mean in all three bytes;
//   1 bit:   (most significant bit first) ones x 255 / pixels in the block, in
//            all three bytes.
// Source rows lie at SourceRowBytes for their depth, thumbnail rows at
// ThumbnailRowBytes.
#pragma once

#include <cstdint>
#include <vector>

// Boundaries of `bands` bands over `count` items: bands + 1 offsets, the
// first count mod bands bands one item larger. Empty when bands is not
// between 1 and count.
std::vector<int> BandBoundaries(int count, int bands);

// Reduces `sourceRows` rows of `sourceWidth` pixels into `thumbRows` rows of
// `thumbWidth` pixels. Refuses (false, nothing written) an unknown depth, an
// empty size, or a thumbnail larger than the source in either direction.
bool BoxFilterRows(const uint8_t* source, int sourceWidth, int sourceRows, int bitsPerPixel,
                   uint8_t* thumb, int thumbWidth, int thumbRows);
