// The scan frame's tracker on the preview: hit-testing of its eight handles
// (drawn inside the rectangle) and its inside, and the rectangle a drag
// makes of it. Plain arithmetic on client pixels.
#pragma once

#include "ui/PreviewMath.h"

enum TrackerHit : int {
    kHitNothing = -1,
    kHitTopLeft = 0,
    kHitTopRight = 1,
    kHitBottomRight = 2,
    kHitBottomLeft = 3,
    kHitTop = 4,
    kHitRight = 5,
    kHitBottom = 6,
    kHitLeft = 7,
    kHitMiddle = 8,
};

constexpr int kTrackerHandle = 6;

// Which part of `rect` the point (x, y) is on.
int TrackerHitTest(const PixelRect& rect, int x, int y);

// The rectangle after dragging part `hit` of `start` from (px, py) to
// (x, y), kept inside a client of cw x ch; a move keeps its size.
PixelRect TrackerDrag(const PixelRect& start, int hit, int px, int py, int x, int y, int cw, int ch);

// The cursor a hit shows (IDC_ values; null for kHitNothing).
const char* TrackerCursor(int hit);
