// Small pages with known content for the processing stage's tests.
#pragma once

#include "core/Image.h"

namespace pages {

// A colour form: pale paper crossed by red rules, with black print blocks
// on it, some of them across a rule.
constexpr int kFormWidth = 401;        // odd: every depth needs row padding
constexpr int kFormHeight = 240;
constexpr int kRuleRows[] = {40, 120, 200};   // first row of each 3-row rule
constexpr int kRuleThickness = 3;
struct Block {
    int x, y, w, h;
};
constexpr Block kPrint[] = {{30, 20, 40, 50}, {150, 110, 60, 30}, {300, 180, 80, 40}, {360, 60, 41, 20}};

vz::Image ColourForm();
// Whether (x, y) of the form lies in a print block.
bool IsPrint(int x, int y);
// Whether (x, y) of the form lies on a red rule (and not in print).
bool IsRule(int x, int y);

// A page whose every pixel tells where it came from, at any depth.
vz::Image Pattern(int width, int height, int bitsPerPixel);

// The page turned clockwise by `turns` quarter turns, computed here
// independently of the library.
vz::Image TurnClockwise(const vz::Image& page, int turns);

// Pixel value at (x, y): 0/1 at 1 bit, the grey at 8 bits, red at 24.
int Pixel(const vz::Image& page, int x, int y);

}  // namespace pages
