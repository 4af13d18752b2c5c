// Generated test pages with known answers: text-like print on paper, with
// coloured form lines, turned by a known number of quarter turns and skewed by
// a known angle on the scanner's dark background.
#pragma once

#include "core/Image.h"
#include "core/PageBox.h"

#include <cstdint>

namespace bench {

struct PageSpec {
    int dpi = 300;
    double skewDegrees = 0.0;  // clockwise
    int quarterTurns = 0;      // the page lies turned clockwise by this many quarter turns
    bool blank = false;        // no print at all (the form lines stay off too)
    bool formLines = true;
    uint32_t seed = 1;
};

struct GeneratedPage {
    vz::Image image;      // 24-bit scan: page on the dark background
    vz::Box truthBox;     // where the page lies once its skew is undone
    int uprightTurn = 0;  // clockwise quarter turns that make the print upright
};

GeneratedPage GeneratePage(const PageSpec& params);

// An upright 24-bit sheet turned by params.quarterTurns and skewed by
// params.skewDegrees on the dark backing, as GeneratePage does with its own.
GeneratedPage PlaceOnBacking(const vz::Image& upright, const PageSpec& params);

// The sheet alone, upright, without skew or background (for the tests of
// dropout and binarisation too).
vz::Image GenerateSheet(const PageSpec& params, int widthInches100, int heightInches100);

}  // namespace bench
