// Fixed and Sauvola binarisation (see Binarize.h).
#include "Binarize.h"

#include <algorithm>
#include <cmath>

namespace vz {

Image SauvolaBinarize(const Image& grey, int halfWindow) {
    const int w = grey.width, h = grey.height, r = halfWindow;
    Image out;
    MakeImage(out, w, h, 1, grey.xres, grey.yres);
    // Column sums of grey and grey squared over rows [y - r, y + r]: a column
    // of up to 66000 rows of 255^2 fits 32 bits; window sums are 64-bit.
    std::vector<uint32_t> colSum(w, 0), colSq(w, 0);
    auto addRow = [&](int y, int sign) {
        const uint8_t* g = grey.row(y);
        for (int x = 0; x < w; ++x) {
            uint32_t v = g[x];
            if (sign > 0) { colSum[x] += v; colSq[x] += v * v; }
            else { colSum[x] -= v; colSq[x] -= v * v; }
        }
    };
    for (int y = 0; y < std::min(r, h); ++y) addRow(y, +1);
    const float k = static_cast<float>(kSauvolaK), invR = static_cast<float>(1.0 / kSauvolaR);
    for (int y = 0; y < h; ++y) {
        if (y + r < h) addRow(y + r, +1);
        if (y - r - 1 >= 0) addRow(y - r - 1, -1);
        const int rows = std::min(h - 1, y + r) - std::max(0, y - r) + 1;
        const uint8_t* g = grey.row(y);
        uint8_t* d = out.row(y);
        uint64_t sum = 0, sq = 0;
        for (int x = 0; x < std::min(r, w); ++x) { sum += colSum[x]; sq += colSq[x]; }
        for (int x = 0; x < w; ++x) {
            if (x + r < w) { sum += colSum[x + r]; sq += colSq[x + r]; }
            if (x - r - 1 >= 0) { sum -= colSum[x - r - 1]; sq -= colSq[x - r - 1]; }
            const int cols = std::min(w - 1, x + r) - std::max(0, x - r) + 1;
            const float inv = 1.0f / static_cast<float>(rows * cols);
            const float mean = static_cast<float>(sum) * inv;
            const float var = std::max(0.0f, static_cast<float>(sq) * inv - mean * mean);
            const float t = mean * (1.0f + k * (std::sqrt(var) * invR - 1.0f));
            if (static_cast<float>(g[x]) >= t) d[x >> 3] |= static_cast<uint8_t>(0x80u >> (x & 7));
        }
    }
    return out;
}

Status Binarize(Image& image, int threshold) {
    if (image.empty() || !ValidDepth(image.bpp)) return Status::BadParameter;
    if (threshold < -1 || threshold > 255) return Status::BadParameter;
    if (image.bpp == 1) return Status::Ok;
    Image grey = ToGrey(image);
    if (threshold >= 0) {
        image = GreyToBinary(grey, threshold);
        return Status::Ok;
    }
    int half = std::max(kMinSauvolaHalfWindow, grey.yres / kSauvolaHalfWindowPerInch);
    half = std::min(half, kMaxSauvolaHalfWindow);
    image = SauvolaBinarize(grey, half);
    return Status::Ok;
}

}  // namespace vz
