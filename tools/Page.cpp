#include "Page.h"

#include <cstring>

namespace {

uint32_t U32(const uint8_t* p) { uint32_t v; std::memcpy(&v, p, 4); return v; }
int32_t I32(const uint8_t* p) { int32_t v; std::memcpy(&v, p, 4); return v; }
uint16_t U16(const uint8_t* p) { uint16_t v; std::memcpy(&v, p, 2); return v; }

constexpr uint64_t kMaxPageBytes = 1ull << 31; // 2 GiB: far beyond any page of the scan area

} // namespace

bool ShapePage(Page& page, uint32_t width, uint32_t height, int bits, double dpi, std::string& error)
{
    if (bits != 1 && bits != 8 && bits != 24) {
        error = "unsupported pixel depth " + std::to_string(bits);
        return false;
    }
    if (width == 0 || height == 0 || width > 100000 || height > 100000) {
        error = "unusable page size " + std::to_string(width) + " x " + std::to_string(height);
        return false;
    }
    const size_t stride = Page::StrideFor(width, bits);
    if (static_cast<uint64_t>(stride) * height > kMaxPageBytes) {
        error = "page too large";
        return false;
    }
    page.width = width;
    page.height = height;
    page.bitsPerPixel = bits;
    page.dpi = dpi;
    page.stride = stride;
    page.pixels.assign(stride * height, 0);
    return true;
}

bool PageFromDib(const uint8_t* data, size_t size, bool withFileHeader, Page& page, std::string& error)
{
    size_t base = 0;
    if (withFileHeader) {
        if (size < 14 || data[0] != 'B' || data[1] != 'M') {
            error = "not a BMP file";
            return false;
        }
        base = 14;
    }
    if (size < base + 40 || U32(data + base) < 40) {
        error = "the bitmap header is missing or short";
        return false;
    }
    const uint8_t* h = data + base;
    const int32_t width = I32(h + 4);
    const int32_t rawHeight = I32(h + 8);
    const int bits = U16(h + 14);
    const uint32_t compression = U32(h + 16);
    const int32_t ppm = I32(h + 24);
    uint32_t colours = U32(h + 32);
    if (compression != 0) {
        error = "compressed bitmaps are not read";
        return false;
    }
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) {
        error = "the bitmap has no pixels";
        return false;
    }
    const bool bottomUp = rawHeight > 0;
    const uint32_t height = static_cast<uint32_t>(bottomUp ? rawHeight : -rawHeight);
    if (bits <= 8 && colours == 0) colours = 1u << bits;
    if (bits > 8) colours = 0;
    if (colours > 256) {
        error = "the palette is too long";
        return false;
    }
    const double dpi = ppm > 0 ? ppm * 0.0254 : 0;
    if (!ShapePage(page, static_cast<uint32_t>(width), height, bits, dpi, error)) return false;
    // Resolutions are stored in whole pixels per metre; give back the dpi they came from.
    if (dpi > 0) page.dpi = static_cast<double>(static_cast<long>(dpi + 0.5));

    const size_t paletteAt = base + U32(h);
    const size_t paletteBytes = static_cast<size_t>(colours) * 4;
    size_t pixelsAt = paletteAt + paletteBytes;
    if (withFileHeader) pixelsAt = U32(data + 10);
    const size_t dibStride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (paletteAt + paletteBytes > size || pixelsAt > size || (size - pixelsAt) / dibStride < height) {
        error = "the bitmap is shorter than its header says";
        return false;
    }
    const uint8_t* palette = data + paletteAt;
    uint8_t map[256];
    for (uint32_t i = 0; i < 256; ++i) map[i] = static_cast<uint8_t>(i);
    bool invert = false;
    if (bits == 8) {
        for (uint32_t i = 0; i < colours; ++i) {
            const uint8_t* q = palette + i * 4; // blue, green, red
            map[i] = static_cast<uint8_t>((q[0] * 114 + q[1] * 587 + q[2] * 299 + 500) / 1000);
        }
    } else if (bits == 1 && colours >= 2) {
        invert = palette[0] + palette[1] + palette[2] > palette[4] + palette[5] + palette[6];
    }
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* src = data + pixelsAt + dibStride * (bottomUp ? height - 1 - y : y);
        uint8_t* dst = page.Row(y);
        if (bits == 24) {
            for (int32_t x = 0; x < width; ++x) {
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
        } else if (bits == 8) {
            for (int32_t x = 0; x < width; ++x) dst[x] = map[src[x]];
        } else {
            for (size_t x = 0; x < page.stride; ++x) dst[x] = invert ? static_cast<uint8_t>(~src[x]) : src[x];
            const int spare = static_cast<int>(page.stride * 8 - static_cast<size_t>(width));
            if (spare) dst[page.stride - 1] |= static_cast<uint8_t>((1u << spare) - 1); // padding white
        }
    }
    return true;
}
