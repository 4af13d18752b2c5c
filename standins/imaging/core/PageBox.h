// Finding the document on the scanner's dark background.
//
// The feeder's background is darker than any paper. Every pixel at or below
// the background level that is connected (4-neighbours) to the image edge is
// background; the document is the rest, so dark print inside the page, which
// is enclosed by paper, never counts as background. The page box is the span
// of rows and columns that hold enough document pixels, which ignores dust
// specks on the background while still reaching the tips of a skewed page.
#pragma once

#include "Image.h"

#include <vector>

namespace vz {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

// Grey level at or below which a pixel can be scanner background, when the
// caller gives none: the feeder's black backing scans at about 10 to 30, the
// darkest paper stays well above 60.
constexpr int kDefaultBackgroundLevel = 48;

// One byte per pixel of `grey` (8 bits): 1 where it is background.
std::vector<uint8_t> FindBackground(const Image& grey, int level);

// The page box in a background mask of w x h; the whole image when no row
// holds enough document pixels. `minPixels` document pixels make a row or
// column count as page.
Box PageBoxFromMask(const std::vector<uint8_t>& background, int w, int h, int minPixels);

// Document pixels a row or column needs to count as page, at `dpi`: 1/75 inch.
int MinPagePixels(int dpi);

// The grey level of the paper: the most frequent level among the brighter
// half of the document pixels (255 when there are none). An empty
// background mask means every pixel is document.
uint8_t PaperLevel(const Image& grey, const std::vector<uint8_t>& background);

// The fraction of pixels that are background.
double BackgroundFraction(const std::vector<uint8_t>& background);

// A copy of `box` of any depth; the box must lie inside the image.
Image Crop(const Image& src, const Box& box);

}  // namespace vz
