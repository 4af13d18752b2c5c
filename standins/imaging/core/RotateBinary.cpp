// Three-shear rotation of 1-bit images (see RotateBinary.h).
#include "RotateBinary.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace vz {
namespace {

// A padded bit plane: `bytes` per row, rows top first.
struct Plane {
    int bytes = 0, rows = 0;
    std::vector<uint8_t> bits;
    uint8_t* row(int y) { return bits.data() + static_cast<size_t>(y) * bytes; }
    const uint8_t* row(int y) const { return bits.data() + static_cast<size_t>(y) * bytes; }
};

int FloorDiv8(int v) { return v >= 0 ? v / 8 : -((-v + 7) / 8); }

// dst bit i = src bit (i + offset) for dstBytes bytes of dst; bits outside
// the srcBytes of src are `fill`.
void CopyShifted(const uint8_t* src, int srcBytes, int offset, uint8_t* dst, int dstBytes, uint8_t fill) {
    const int q = FloorDiv8(offset), sh = offset - 8 * q;
    for (int j = 0; j < dstBytes; ++j) {
        const int k = q + j;
        const unsigned hi = k >= 0 && k < srcBytes ? src[k] : fill;
        if (sh == 0) { dst[j] = static_cast<uint8_t>(hi); continue; }
        const unsigned lo = k + 1 >= 0 && k + 1 < srcBytes ? src[k + 1] : fill;
        dst[j] = static_cast<uint8_t>(((hi << 8 | lo) << sh) >> 8);
    }
}

// Shift of row or column `i` of `n` for a shear of slope `slope`.
int ShiftOf(double slope, int i, int n) { return static_cast<int>(std::lround(slope * (i - (n - 1) * 0.5))); }

}  // namespace

Image RotateBinaryByShear(const Image& src, double degrees, uint8_t fill) {
    const int w = src.width, h = src.height;
    const double r = degrees * 3.14159265358979323846 / 180.0;
    const double a = std::tan(r * 0.5), b = -std::sin(r);
    const uint8_t fillByte = fill >= 128 ? 0xFF : 0x00;
    // Sideways shifts reach a * h / 2; pad by whole bytes beyond that.
    const int padBytes = static_cast<int>(std::ceil(std::fabs(a) * h * 0.5 / 8.0)) + 1;
    const int pad = padBytes * 8;
    Plane p0, p1;
    p0.bytes = p1.bytes = static_cast<int>(src.stride) + 2 * padBytes;
    p0.rows = p1.rows = h;
    p0.bits.assign(static_cast<size_t>(p0.bytes) * h, fillByte);
    p1.bits.assign(p0.bits.size(), fillByte);
    const int tail = w % 8;
    for (int y = 0; y < h; ++y) {
        uint8_t* d = p0.row(y) + padBytes;
        std::memcpy(d, src.row(y), src.stride);
        if (tail) {  // the bits after the last pixel are outside the image
            const uint8_t keep = static_cast<uint8_t>(0xFF00u >> tail);
            d[src.stride - 1] = static_cast<uint8_t>((d[src.stride - 1] & keep) | (fillByte & ~keep));
        }
    }
    // 1: rows sideways. Plane x = image x + pad in all planes.
    for (int y = 0; y < h; ++y) CopyShifted(p0.row(y), p0.bytes, ShiftOf(a, y, h), p1.row(y), p1.bytes, fillByte);
    // 2: columns up or down, in bands of columns that share one shift; row
    // by row, so that the result is written in order.
    Plane& p2 = p0;
    struct Band { int j0, j1, t; unsigned m0, m1; };
    std::vector<Band> bands;
    const int width = p1.bytes * 8;
    for (int x0 = 0; x0 < width;) {
        const int t = ShiftOf(b, x0 - pad, w);
        int x1 = x0 + 1;
        while (x1 < width && ShiftOf(b, x1 - pad, w) == t) ++x1;
        bands.push_back(Band{x0 >> 3, (x1 - 1) >> 3, t, 0xFFu >> (x0 & 7), 0xFFu << (7 - ((x1 - 1) & 7))});
        x0 = x1;
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* d = p2.row(y);
        for (const Band& band : bands) {
            const int sy = y + band.t;
            const uint8_t* s = sy >= 0 && sy < h ? p1.row(sy) : nullptr;
            for (int j = band.j0; j <= band.j1; ++j) {
                unsigned m = 0xFF;
                if (j == band.j0) m &= band.m0;
                if (j == band.j1) m &= band.m1;
                const unsigned v = s ? s[j] : fillByte;
                d[j] = static_cast<uint8_t>((d[j] & ~m) | (v & m));
            }
        }
    }
    // 3: rows sideways again, into the result.
    Image out;
    MakeImage(out, w, h, 1, src.xres, src.yres);
    for (int y = 0; y < h; ++y) {
        uint8_t* d = out.row(y);
        CopyShifted(p2.row(y), p2.bytes, pad + ShiftOf(a, y, h), d, static_cast<int>(out.stride), fillByte);
        if (tail) d[out.stride - 1] &= static_cast<uint8_t>(0xFF00u >> tail);
    }
    return out;
}

}  // namespace vz
