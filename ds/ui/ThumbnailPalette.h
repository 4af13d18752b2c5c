// The palette the thumbnail is drawn with on palette displays: for colour
// scans 36 greys (3 + 7 i) followed by the 6 x 6 x 6 colour cube (levels 0 to
// 255 in steps of 51, red slowest, blue fastest) and white for the rest; for
// grey and black-and-white scans the 256-level grey ramp.
#pragma once

#include <windows.h>

constexpr int kThumbnailPaletteSize = 256;

void FillThumbnailPalette(int bitsPerPixel, PALETTEENTRY (&entries)[kThumbnailPaletteSize]);

// The palette as a GDI object (the caller owns it); null on failure.
HPALETTE CreateThumbnailPalette(int bitsPerPixel);
