// Real-typography sheets for the benchmark: pages of real text rendered by
// render_pages.sh (Ghostscript and ImageMagick), read back here, and what a
// scanner adds to a page: blur and noise, and the depth it delivers.
#pragma once

#include "core/Image.h"

#include <string>
#include <vector>

namespace bench {

struct TypesetSheet {
    std::string name;  // layout-variant-dpi
    vz::Image image;   // 24-bit, upright, clean
};

// The sheets listed in <dir>/list.txt; empty when the folder holds none.
std::vector<TypesetSheet> LoadTypesetSheets(const std::string& dir);

// A scanner's optics and sensor: a 3 x 3 binomial blur, then noise of up to
// +/- `noise` grey levels per pixel.
void AddBlurAndNoise(vz::Image& image, int noise, uint32_t seed);

// The scan as the scanner delivers it at 1 bit (threshold at mid-grey),
// 8 bits (luminance) or 24 bits.
vz::Image AtDepth(const vz::Image& colour, int bpp);

}  // namespace bench
