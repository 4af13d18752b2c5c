// Colour dropout: removes the ink of one colour (form lines, guide boxes)
// from a colour page and leaves it grey, keeping black and grey print.
//
// A pixel is of the dropped colour when its hue lies in the hue window, its
// saturation reaches the minimum saturation and its intensity (the largest of
// its three channels) reaches the minimum intensity. Black and grey print has
// almost no saturation and is therefore never dropped. Connected areas of
// such pixels smaller than the minimum blob size are kept (isolated coloured
// specks are more often part of print than of a form), the rest is grown by
// one pixel into the pale, weakly saturated fringe that scanning leaves along
// coloured lines, and every dropped pixel takes the paper's grey. All other
// pixels take their luminance.
//
// Hues are measured on a circle of 180 units (2 degrees each): red 0, green
// 60, blue 120. The window:
//  - automatic (threshold negative): centred on the dropped colour's hue as
//    found on the page (the peak of the saturated hues within kHueSearch of
//    the nominal hue), reaching `minimum` units below and `maximum` above it;
//  - manual (threshold 0..255): from `minimum` to `maximum` as absolute hues,
//    which may run below 0 or above 180 to wrap round red; pixels darker
//    than the threshold (grey level) are then kept as print whatever their
//    hue, and a threshold above 255 counts as 255.
#pragma once

#include "Image.h"

namespace vz {

struct DropoutOptions {
    int type = 1;             // 1 red, 2 green, 3 blue
    int threshold = -1;       // negative: automatic window
    int minimum = 25;         // hue units
    int maximum = 25;
    int saturationMin = 75;   // 0..255
    int luminanceMin = 25;    // 0..255
    int blobMin = 25;         // pixels
};

// How far from the nominal hue the automatic window looks for the page's
// actual ink, hue units: printed reds run from crimson to orange.
constexpr int kHueSearch = 20;
// A fringe pixel needs this fraction of the minimum saturation.
constexpr int kFringeSaturationDivisor = 3;

// Any depth in, 8-bit grey out. Bad parameter for an unknown type or values
// out of range (saturation and intensity 0..255, blob 0..1000000, window
// ends -360..360 with minimum <= maximum in manual mode).
Status DropColor(Image& image, const DropoutOptions& options);

}  // namespace vz
