#include "TestPages.h"

namespace pages {

namespace {

void Put(vz::Image& page, int x, int y, uint8_t r, uint8_t g, uint8_t b)
{
    uint8_t* p = page.row(y) + 3 * x;
    p[0] = r;
    p[1] = g;
    p[2] = b;
}

} // namespace

bool IsPrint(int x, int y)
{
    for (const Block& b : kPrint)
        if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h)
            return true;
    return false;
}

bool IsRule(int x, int y)
{
    if (IsPrint(x, y))
        return false;
    for (int top : kRuleRows)
        if (y >= top && y < top + kRuleThickness && x >= 10 && x < kFormWidth - 10)
            return true;
    return false;
}

vz::Image ColourForm()
{
    vz::Image page;
    vz::MakeImage(page, kFormWidth, kFormHeight, 24);
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            if (IsPrint(x, y))
                Put(page, x, y, 20, 22, 25);
            else if (IsRule(x, y))
                Put(page, x, y, 215, 35, 40);
            else
                Put(page, x, y, 246, 244, 238);
        }
    return page;
}

vz::Image Pattern(int width, int height, int bitsPerPixel)
{
    vz::Image page;
    vz::MakeImage(page, width, height, bitsPerPixel);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = page.row(y);
        for (int x = 0; x < width; ++x) {
            const uint8_t v = static_cast<uint8_t>(x * 5 + y * 11 + (x * y) % 7);
            if (bitsPerPixel == 1) {
                if ((x * 3 + y * 7) % 5 < 2)
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            } else if (bitsPerPixel == 8) {
                row[x] = v;
            } else {
                row[3 * x] = v;
                row[3 * x + 1] = static_cast<uint8_t>(255 - v);
                row[3 * x + 2] = static_cast<uint8_t>(x ^ y);
            }
        }
    }
    return page;
}

int Pixel(const vz::Image& page, int x, int y)
{
    const uint8_t* row = page.row(y);
    if (page.bpp == 1)
        return (row[x / 8] >> (7 - x % 8)) & 1;
    if (page.bpp == 8)
        return row[x];
    return row[3 * x];
}

vz::Image TurnClockwise(const vz::Image& page, int turns)
{
    vz::Image out = page;
    for (int t = 0; t < turns % 4; ++t) {
        const vz::Image in = out;
        vz::MakeImage(out, in.height, in.width, in.bpp);
        const int bytes = in.bpp == 24 ? 3 : 1;
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) {
                // Clockwise: the left column of the source becomes the top row.
                const int sx = y, sy = in.height - 1 - x;
                if (in.bpp == 1) {
                    if ((in.row(sy)[sx / 8] >> (7 - sx % 8)) & 1)
                        out.row(y)[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                } else {
                    for (int k = 0; k < bytes; ++k)
                        out.row(y)[bytes * x + k] = in.row(sy)[bytes * sx + k];
                }
            }
    }
    return out;
}

}  // namespace pages
