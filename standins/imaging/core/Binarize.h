// Binarisation: grey or colour to 1 bit, with a fixed threshold or an
// automatic local one.
//
// The automatic threshold is Sauvola's: for each pixel the mean m and the
// standard deviation s of a square window around it give
//     T = m * (1 + k * (s / R - 1)),
// so that on plain paper (s near 0) T sits well below the paper's own grey,
// whatever the illumination, while across print (s large) T rises towards
// the local mean. Window sums come from running column sums updated row by
// row and a running sum along each row, so the cost per pixel is constant
// whatever the window size; only two rows of sums are kept in memory.
#pragma once

#include "Image.h"

namespace vz {

// Sauvola's sensitivity k: 0.34 keeps faint strokes and leaves no speckle on
// shaded paper (values from 0.2 to 0.5 are in common use).
constexpr double kSauvolaK = 0.34;
// Sauvola's R: the largest standard deviation of 8-bit grey, halved.
constexpr double kSauvolaR = 128.0;
// Half the window side, as a fraction of the resolution: 1/12 inch (25
// pixels at 300 dpi) spans a few letters, so a window over print always
// sees paper too, while a shadow barely changes across it.
constexpr int kSauvolaHalfWindowPerInch = 12;
// The smallest half window, pixels.
constexpr int kMinSauvolaHalfWindow = 7;
// The largest, pixels (1200 dpi); a nonsense resolution cannot make it huge.
constexpr int kMaxSauvolaHalfWindow = 100;

// Fixed threshold 0..255 (grey below it becomes black) or -1 for automatic.
// Other values are a bad parameter. A 1-bit image is returned unchanged.
Status Binarize(Image& image, int threshold);

// Sauvola's threshold on an 8-bit grey image with the given half window.
Image SauvolaBinarize(const Image& grey, int halfWindow);

}  // namespace vz
