// InkMap: a reduced binary map of where a page carries print, the common
// input of skew and orientation measurement.
//
// A cell of the map covers `reduction` x `reduction` source pixels and is set
// when any of them is ink (an OR reduction, which keeps thin strokes and
// merges the letters of a word), where ink is a document pixel darker than
// kInkFraction of the paper level. Scanner background never counts as ink.
#pragma once

#include "Image.h"
#include "PageBox.h"

#include <vector>

namespace vz {

// Ink is darker than this fraction of the paper level: black or coloured
// print is below a half, shading and paper texture stay above two thirds.
constexpr double kInkFraction = 0.6;

struct InkMap {
    int w = 0, h = 0;
    int reduction = 1;
    std::vector<uint8_t> cells;  // w * h, 1 where ink
    size_t count = 0;            // set cells

    uint8_t at(int x, int y) const { return cells[static_cast<size_t>(y) * w + x]; }
};

// What becomes of document cells that touch background cells.
enum class Outline {
    Keep,   // as their pixels say
    Add,    // set: the edges of the sheet take part like a line of print
    Clear,  // cleared: the sheet's edge shading is no print
};

// From an image of any depth, read once at its own depth (a 1-bit row a
// byte at a time, skipping bytes of paper). `background` may be unknown.
InkMap BuildInkMap(const Image& image, const Background& background, int reduction,
                   uint8_t paper, Outline outline);

// A further OR reduction by 2.
InkMap ReduceInkMap(const InkMap& map);

// The map turned `turns` quarter turns clockwise.
InkMap TurnInkMap(const InkMap& map, int turns);

// The reduction that brings `dpi` to about `targetDpi` (at least 1).
int ReductionFor(int dpi, int targetDpi);

}  // namespace vz
