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

// One output pixel from its four source neighbours, 8-bit weights.
template <int N>
inline void Mix(uint8_t* d, const uint8_t* p00, const uint8_t* p01, const uint8_t* p10, const uint8_t* p11,
                uint32_t ax, uint32_t ay) {
    // a * (256 - t) + b * t written as 256 a + t (b - a): the same value
    // with one multiplication.
    const int32_t tx = static_cast<int32_t>(ax), ty = static_cast<int32_t>(ay);
    for (int k = 0; k < N; ++k) {
        const int32_t top = (p00[k] << 8) + tx * (p01[k] - p00[k]);
        const int32_t bottom = (p10[k] << 8) + tx * (p11[k] - p10[k]);
        d[k] = static_cast<uint8_t>(((top << 8) + ty * (bottom - top) + 32768) >> 16);
    }
}

// Bilinear resampling of 1- or 3-channel rows. Along an output row the
// source position moves on a straight line, so the pixels whose four source
// neighbours all lie inside the source (nearly all of them) form one run;
// the run takes a loop without checks, the ends mix in the fill.
template <int N>
void Resample(const Image& src, Image& dst, double radians, uint8_t fill) {
    const int w = src.width, h = src.height;
    const double c = std::cos(radians), s = std::sin(radians);
    const double cx = (w - 1) * 0.5, cy = (h - 1) * 0.5;
    const int64_t kOne = 65536;
    const int64_t stepX = static_cast<int64_t>(std::llround(c * kOne));
    const int64_t stepY = static_cast<int64_t>(std::llround(-s * kOne));
    const size_t stride = src.stride;
    const uint8_t* base = src.pixels.data();
    uint8_t fillPx[N];
    std::memset(fillPx, fill, N);
    auto inside = [&](int64_t fx, int64_t fy) {
        return static_cast<uint64_t>(fx >> 16) < static_cast<uint64_t>(w - 1) &&
               static_cast<uint64_t>(fy >> 16) < static_cast<uint64_t>(h - 1);
    };
    // Any pixel, with the fill for neighbours outside the source.
    auto edgePixel = [&](uint8_t* d, int64_t fx, int64_t fy) {
        const int64_t ix = fx >> 16, iy = fy >> 16;
        if (ix < -1 || iy < -1 || ix >= w || iy >= h) {
            std::memcpy(d, fillPx, N);
            return;
        }
        auto at = [&](int64_t x, int64_t y) -> const uint8_t* {
            if (x < 0 || y < 0 || x >= w || y >= h) return fillPx;
            return src.row(static_cast<int>(y)) + x * N;
        };
        Mix<N>(d, at(ix, iy), at(ix + 1, iy), at(ix, iy + 1), at(ix + 1, iy + 1),
               static_cast<uint32_t>(fx & 0xFFFF) >> 8, static_cast<uint32_t>(fy & 0xFFFF) >> 8);
    };
    for (int yo = 0; yo < h; ++yo) {
        const double dy = yo - cy, dx = -cx;
        const int64_t fx0 = static_cast<int64_t>(std::llround((dx * c + dy * s + cx) * kOne));
        const int64_t fy0 = static_cast<int64_t>(std::llround((-dx * s + dy * c + cy) * kOne));
        // The inside run [lo, hi): estimated, then trimmed until both ends
        // are inside (inside positions along a line are one run).
        double lo = 0.0, hi = w;
        auto limit = [&](int64_t f0, int64_t step, int64_t top) {  // 0 <= f0 + x * step < top
            if (step == 0) {
                if (f0 < 0 || f0 >= top) { lo = 1.0; hi = 0.0; }
                return;
            }
            double a = -static_cast<double>(f0) / step, b = static_cast<double>(top - f0) / step;
            if (a > b) std::swap(a, b);
            lo = std::max(lo, std::floor(a));
            hi = std::min(hi, std::ceil(b) + 1.0);
        };
        limit(fx0, stepX, static_cast<int64_t>(w - 1) << 16);
        limit(fy0, stepY, static_cast<int64_t>(h - 1) << 16);
        int runLo = static_cast<int>(std::max(0.0, std::min(lo, static_cast<double>(w))));
        int runHi = static_cast<int>(std::max(static_cast<double>(runLo), std::min(hi, static_cast<double>(w))));
        while (runLo < runHi && !inside(fx0 + runLo * stepX, fy0 + runLo * stepY)) ++runLo;
        while (runHi > runLo && !inside(fx0 + (runHi - 1) * stepX, fy0 + (runHi - 1) * stepY)) --runHi;
        uint8_t* d = dst.row(yo);
        int64_t fx = fx0, fy = fy0;
        int xo = 0;
        for (; xo < runLo; ++xo, fx += stepX, fy += stepY) edgePixel(d + xo * N, fx, fy);
        for (; xo < runHi; ++xo, fx += stepX, fy += stepY) {
            const uint8_t* p00 = base + static_cast<size_t>(fy >> 16) * stride + static_cast<size_t>(fx >> 16) * N;
            Mix<N>(d + xo * N, p00, p00 + N, p00 + stride, p00 + stride + N,
                   static_cast<uint32_t>(fx & 0xFFFF) >> 8, static_cast<uint32_t>(fy & 0xFFFF) >> 8);
        }
        for (; xo < w; ++xo, fx += stepX, fy += stepY) edgePixel(d + xo * N, fx, fy);
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
