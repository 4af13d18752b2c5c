// One scanned page as the client holds it: rows top to bottom, each `stride`
// bytes; 24-bit pixels in red, green, blue order; 8-bit grey; 1-bit with the
// first pixel in the high bit and 0 black.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Page {
    uint32_t width = 0;
    uint32_t height = 0;
    int bitsPerPixel = 0; // 1, 8 or 24
    double dpi = 0;
    size_t stride = 0;
    std::vector<uint8_t> pixels;

    static size_t StrideFor(uint32_t width, int bits) { return (static_cast<size_t>(width) * bits + 7) / 8; }
    uint8_t* Row(uint32_t y) { return pixels.data() + y * stride; }
    const uint8_t* Row(uint32_t y) const { return pixels.data() + y * stride; }
};

// Prepares an empty page of that shape (unpadded rows); false when the shape
// is not one the client handles or too large.
bool ShapePage(Page& page, uint32_t width, uint32_t height, int bitsPerPixel, double dpi, std::string& error);

// Reads a device-independent bitmap: a packed DIB (BITMAPINFOHEADER, palette,
// pixels) as a native transfer delivers it, or a BMP file when withFileHeader.
// Bottom-up and top-down rows, 1, 8 and 24 bits; a 1-bit palette whose first
// entry is white and an 8-bit palette that is not the grey ramp are mapped.
// Everything is checked against `size`.
bool PageFromDib(const uint8_t* data, size_t size, bool withFileHeader, Page& page, std::string& error);
