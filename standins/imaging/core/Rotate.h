// Rotation: exact quarter turns of any depth, and rotation by a small angle
// about the image centre (the deskew step).
//
// Quarter turns move pixels without resampling. Rotation by an angle maps each
// output pixel back into the source and interpolates bilinearly in 16.16
// fixed point, stepping the source position incrementally along each row, so
// a 300-dpi page costs a few multiply-adds per channel and pixel. Output keeps
// the input's size; source positions outside the image take the fill value.
// A 1-bit image is rotated by three shears on its packed rows
// (RotateBinary.h).
#pragma once

#include "Image.h"

namespace vz {

// `turns` quarter turns clockwise (any integer; taken modulo 4).
Image RotateQuarter(const Image& src, int turns);

// Rotates the content clockwise by `degrees` about the centre; uncovered
// pixels become `fill` (grey level; for colour the same grey in each channel).
Image RotateByAngle(const Image& src, double degrees, uint8_t fill);

// Paints `fill` over the pixels of an image made by RotateByAngle(src,
// degrees, ...) whose source position lay outside the source (same size).
void PaintUncovered(Image& rotated, double degrees, uint8_t fill);

}  // namespace vz
