// Finding the document on the scanner's dark background.
//
// The feeder's background is darker than any paper. Every pixel at or below
// the background level that is connected (4-neighbours) to the image edge is
// background; the document is the rest, so dark print inside the page, which
// is enclosed by paper, never counts as background. The page box is the span
// of rows and columns that hold enough document pixels, which ignores dust
// specks on the background while still reaching the tips of a skewed page.
//
// The background is found by a scanline flood fill straight from the image
// at its own depth (no grey copy), and kept as runs of background pixels per
// row: the fill touches only the backing and the pixels beside it, and every
// later question (the page box, which pixels are document) costs a few
// operations per run instead of one per pixel.
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

// Pixels [x0, x1) of a row.
struct Run {
    int32_t x0 = 0, x1 = 0;
};

// The background of a w x h image as runs per row, left to right. An empty
// one (w == 0) means that no background is known: every pixel is document.
struct Background {
    int w = 0, h = 0;
    std::vector<uint32_t> rowStart;  // h + 1 entries into runs
    std::vector<Run> runs;
    size_t pixels = 0;               // background pixels in all

    bool known() const { return w > 0; }
    const Run* begin(int y) const { return runs.data() + rowStart[y]; }
    const Run* end(int y) const { return runs.data() + rowStart[y + 1]; }
    // Calls f(x0, x1) for each run of document pixels of row y.
    template <typename F>
    void ForDocument(int y, int width, F f) const {
        int x = 0;
        if (known())
            for (const Run* r = begin(y); r != end(y); ++r) {
                if (r->x0 > x) f(x, r->x0);
                x = r->x1;
            }
        if (x < width) f(x, width);
    }
};

// The background of an image of any depth (1 bit: black is 0, white 255).
Background FindBackground(const Image& image, int level);

// The page box; the whole image when no row holds enough document pixels.
// `minPixels` document pixels make a row or column count as page.
Box PageBoxOf(const Background& background, int minPixels);

// Document pixels a row or column needs to count as page, at `dpi`: 1/75 inch.
int MinPagePixels(int dpi);

// The grey level of the paper: the most frequent level among the brighter
// half of the document pixels (255 when there are none), from a sample of
// the rows. Any depth.
uint8_t PaperLevel(const Image& image, const Background& background);

// The fraction of pixels that are background.
double BackgroundFraction(const Background& background);

// A copy of `box` of any depth; the box must lie inside the image.
Image Crop(const Image& src, const Box& box);

}  // namespace vz
