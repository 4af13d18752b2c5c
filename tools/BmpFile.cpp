#include "BmpFile.h"

#include <cstring>

namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) { std::memcpy(b.data() + at, &v, 2); }
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { std::memcpy(b.data() + at, &v, 4); }

} // namespace

std::vector<uint8_t> BuildBmp(const Page& page)
{
    const uint32_t colours = page.bitsPerPixel == 1 ? 2 : page.bitsPerPixel == 8 ? 256 : 0;
    const size_t stride = ((static_cast<size_t>(page.width) * page.bitsPerPixel + 31) / 32) * 4;
    const size_t offBits = 14 + 40 + colours * 4;
    std::vector<uint8_t> b(offBits + stride * page.height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, static_cast<uint32_t>(offBits));
    Put32(b, 14, 40);
    Put32(b, 18, page.width);
    Put32(b, 22, page.height);
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<uint16_t>(page.bitsPerPixel));
    Put32(b, 34, static_cast<uint32_t>(stride * page.height));
    const uint32_t ppm = static_cast<uint32_t>(page.dpi * 10000 / 254);
    Put32(b, 38, ppm);
    Put32(b, 42, ppm);
    Put32(b, 46, colours);
    Put32(b, 50, colours);
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t v = colours == 2 ? static_cast<uint8_t>(i ? 255 : 0) : static_cast<uint8_t>(i);
        b[54 + 4 * i] = b[55 + 4 * i] = b[56 + 4 * i] = v;
    }
    for (uint32_t y = 0; y < page.height; ++y) {
        const uint8_t* src = page.Row(y);
        uint8_t* dst = b.data() + offBits + stride * (page.height - 1 - y);
        if (page.bitsPerPixel == 24) {
            for (uint32_t x = 0; x < page.width; ++x) {
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
        } else {
            std::memcpy(dst, src, page.stride);
        }
    }
    return b;
}
