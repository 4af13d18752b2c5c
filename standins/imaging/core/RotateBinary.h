// Rotation of packed 1-bit images by a small angle, by three shears.
//
// A rotation is the product of a horizontal, a vertical and a horizontal
// shear (Paeth's decomposition): with a = tan(angle / 2) and b = -sin(angle)
// each source row is shifted sideways by round(a * dy), then each column
// up or down by round(b * dx), then each row again by round(a * dy), where
// dx, dy are the distances from the image centre. On 1-bit rows every shift
// moves whole runs of bits: a sideways shift copies a row a byte at a time
// from two neighbouring source bytes, and a column shift moves bands of
// columns that share one shift with a masked copy of each row's bytes. No
// pixel is resampled, so strokes keep their weight, and a 300-dpi page costs
// a few passes over its 1.2 MB of bits. The two intermediate images are
// wider by the largest sideways shift on each side, so that no pixel that
// belongs in the result is lost on the way.
#pragma once

#include "Image.h"

namespace vz {

// As RotateByAngle for a 1-bit image: content turned clockwise by `degrees`
// about the centre; uncovered pixels white when `fill` >= 128, else black.
Image RotateBinaryByShear(const Image& src, double degrees, uint8_t fill);

}  // namespace vz
