// Image: the one pixel container of the imaging core, and the conversions
// between its three depths.
//
// Pixels are held in tightly packed rows, top row first:
//   1 bit  : MSB first, 0 black, 1 white (as a scanner's black-and-white page),
//   8 bits : grey, 0 black,
//   24 bits: red, green, blue.
// Every operation of the core takes and returns these, so the export layer
// only copies rows in and out. Allocation failure surfaces as std::bad_alloc.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vz {

enum class Status { Ok = 0, OutOfMemory = 1, BadParameter = 2, Unsupported = 6, FileError = 5 };

// Largest accepted side, in pixels: 100 inches at 600 dpi, far beyond any
// sheet the feeder takes, and small enough that no size product overflows.
constexpr int kMaxSide = 60000;

struct Image {
    int width = 0;
    int height = 0;
    int bpp = 8;
    int xres = 300;
    int yres = 300;
    size_t stride = 0;          // packed bytes per row
    std::vector<uint8_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    uint8_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * stride; }
    const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * stride; }
};

inline size_t PackedRowBytes(int bpp, int width) {
    return (static_cast<size_t>(bpp) * static_cast<size_t>(width) + 7) / 8;
}
inline bool ValidDepth(int bpp) { return bpp == 1 || bpp == 8 || bpp == 24; }

// A zero-filled image; false (with the image untouched) for a bad size or depth.
bool MakeImage(Image& out, int width, int height, int bpp, int xres = 300, int yres = 300);

// Luminance of red, green, blue, rounded: (77 R + 150 G + 29 B) / 256.
inline uint8_t Luma(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint8_t>((77u * r + 150u * g + 29u * b + 128u) >> 8);
}

// Any depth to 8-bit grey (1 bit: 0 or 255).
Image ToGrey(const Image& src);
// Row y of any depth as grey: the row itself for 8 bits, else converted
// into `scratch` (resized to the width).
const uint8_t* GreyRow(const Image& src, int y, std::vector<uint8_t>& scratch);
// Grey to 1 bit: a pixel below `threshold` becomes black.
Image GreyToBinary(const Image& grey, int threshold);
// Any depth to 24-bit colour.
Image ToColour(const Image& src);

}  // namespace vz
