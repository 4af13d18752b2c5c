// Quarter turns and bilinear rotation (see Rotate.h).
#include "Rotate.h"

#include "RotateBinary.h"

#include <cmath>
#include <algorithm>
#include <cstring>

namespace vz {
namespace {

// Pixel-copying quarter turn for 1- or 3-byte pixels, in tiles so that both
// the rows read and the rows written stay in cache.
template <int N>
void TurnPixels(const Image& src, Image& dst, int turns) {
    const int w = src.width, h = src.height;
    const int kTile = 64;
    for (int ty = 0; ty < h; ty += kTile) {
        for (int tx = 0; tx < w; tx += kTile) {
            int yEnd = ty + kTile < h ? ty + kTile : h;
            int xEnd = tx + kTile < w ? tx + kTile : w;
            for (int y = ty; y < yEnd; ++y) {
                const uint8_t* s = src.row(y) + static_cast<size_t>(tx) * N;
                for (int x = tx; x < xEnd; ++x, s += N) {
                    int dx, dy;
                    if (turns == 1) { dx = h - 1 - y; dy = x; }
                    else if (turns == 2) { dx = w - 1 - x; dy = h - 1 - y; }
                    else { dx = y; dy = w - 1 - x; }
                    std::memcpy(dst.row(dy) + static_cast<size_t>(dx) * N, s, N);
                }
            }
        }
    }
}

// Bilinear resampling of 1- or 3-channel rows. Each output pixel whose
// four source neighbours all lie inside the source (nearly all of them)
// takes the short path with one range check; the rest mix in the fill.
template <int N>
void Resample(const Image& src, Image& dst, double radians, uint8_t fill) {
    const int w = src.width, h = src.height;
    const double c = std::cos(radians), s = std::sin(radians);
    const double cx = (w - 1) * 0.5, cy = (h - 1) * 0.5;
    const int64_t kOne = 65536;
    const int64_t stepX = static_cast<int64_t>(std::llround(c * kOne));
    const int64_t stepY = static_cast<int64_t>(std::llround(-s * kOne));
    const size_t stride = src.stride;
    uint8_t fillPx[N];
    std::memset(fillPx, fill, N);
    for (int yo = 0; yo < h; ++yo) {
        double dy = yo - cy, dx = -cx;
        int64_t fx = static_cast<int64_t>(std::llround((dx * c + dy * s + cx) * kOne));
        int64_t fy = static_cast<int64_t>(std::llround((-dx * s + dy * c + cy) * kOne));
        uint8_t* d = dst.row(yo);
        for (int xo = 0; xo < w; ++xo, fx += stepX, fy += stepY, d += N) {
            const int64_t ix = fx >> 16, iy = fy >> 16;
            const uint32_t ax = static_cast<uint32_t>(fx & 0xFFFF) >> 8;  // 8-bit weights
            const uint32_t ay = static_cast<uint32_t>(fy & 0xFFFF) >> 8;
            const uint8_t *p00, *p01, *p10, *p11;
            if (static_cast<uint64_t>(ix) < static_cast<uint64_t>(w - 1) &&
                static_cast<uint64_t>(iy) < static_cast<uint64_t>(h - 1)) {
                p00 = src.pixels.data() + static_cast<size_t>(iy) * stride + static_cast<size_t>(ix) * N;
                p01 = p00 + N;
                p10 = p00 + stride;
                p11 = p10 + N;
            } else {
                if (ix < -1 || iy < -1 || ix >= w || iy >= h) {
                    std::memcpy(d, fillPx, N);
                    continue;
                }
                auto at = [&](int64_t x, int64_t y) -> const uint8_t* {
                    if (x < 0 || y < 0 || x >= w || y >= h) return fillPx;
                    return src.row(static_cast<int>(y)) + x * N;
                };
                p00 = at(ix, iy);
                p01 = at(ix + 1, iy);
                p10 = at(ix, iy + 1);
                p11 = at(ix + 1, iy + 1);
            }
            for (int k = 0; k < N; ++k) {
                const uint32_t top = p00[k] * (256 - ax) + p01[k] * ax;
                const uint32_t bottom = p10[k] * (256 - ax) + p11[k] * ax;
                d[k] = static_cast<uint8_t>((top * (256 - ay) + bottom * ay + 32768) >> 16);
            }
        }
    }
}

}  // namespace

void PaintUncovered(Image& img, double degrees, uint8_t fill) {
    if (img.empty()) return;
    const int w = img.width, h = img.height, n = img.bpp / 8;
    // Paints pixels [x0, x1) of a row.
    auto paint = [&](uint8_t* row, int x0, int x1) {
        if (x0 >= x1) return;
        if (img.bpp != 1) {
            std::memset(row + static_cast<size_t>(x0) * n, fill, static_cast<size_t>(x1 - x0) * n);
            return;
        }
        for (int x = x0; x < x1; ++x) {
            uint8_t bit = static_cast<uint8_t>(0x80u >> (x & 7));
            if (fill >= 128) row[x >> 3] |= bit;
            else row[x >> 3] &= static_cast<uint8_t>(~bit);
        }
    };
    const double r = degrees * 3.14159265358979323846 / 180.0, c = std::cos(r), s = std::sin(r);
    const double cx = (w - 1) * 0.5, cy = (h - 1) * 0.5;
    for (int yo = 0; yo < h; ++yo) {
        // Source x = c*xo + ax and y = -s*xo + ay, both linear along the row:
        // the covered part of the row is one interval [lo, hi].
        const double dy = yo - cy;
        const double ax = -cx * c + dy * s + cx, ay = cx * s + dy * c + cy;
        double lo = -1e18, hi = 1e18;
        auto clip = [&](double slope, double offset, double limit) {
            // 0 <= slope * x + offset <= limit
            if (std::fabs(slope) < 1e-12) {
                if (offset < 0 || offset > limit) { lo = 1; hi = 0; }
                return;
            }
            double a = (0 - offset) / slope, b = (limit - offset) / slope;
            if (a > b) std::swap(a, b);
            lo = std::max(lo, a);
            hi = std::min(hi, b);
        };
        clip(c, ax, w - 1.0);
        clip(-s, ay, h - 1.0);
        int first = static_cast<int>(std::ceil(std::max(lo, -1.0)));
        int last = static_cast<int>(std::floor(std::min(hi, static_cast<double>(w))));
        uint8_t* row = img.row(yo);
        if (first > last) { paint(row, 0, w); continue; }
        paint(row, 0, std::min(first, w));
        paint(row, std::max(last + 1, 0), w);
    }
}

Image RotateQuarter(const Image& src, int turns) {
    turns = ((turns % 4) + 4) % 4;
    if (turns == 0 || src.empty()) return src;
    if (src.bpp == 1) return GreyToBinary(RotateQuarter(ToGrey(src), turns), 128);
    Image dst;
    bool swap = turns != 2;
    MakeImage(dst, swap ? src.height : src.width, swap ? src.width : src.height, src.bpp,
              swap ? src.yres : src.xres, swap ? src.xres : src.yres);
    if (src.bpp == 8) TurnPixels<1>(src, dst, turns);
    else TurnPixels<3>(src, dst, turns);
    return dst;
}

Image RotateByAngle(const Image& src, double degrees, uint8_t fill) {
    if (src.empty() || degrees == 0.0) return src;
    if (src.bpp == 1) return RotateBinaryByShear(src, degrees, fill);
    Image dst;
    MakeImage(dst, src.width, src.height, src.bpp, src.xres, src.yres);
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    if (src.bpp == 8) Resample<1>(src, dst, radians, fill);
    else Resample<3>(src, dst, radians, fill);
    return dst;
}

}  // namespace vz
