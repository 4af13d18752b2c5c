// Background flood fill and page box (see PageBox.h).
#include "PageBox.h"

#include <algorithm>
#include <cstring>

namespace vz {

std::vector<uint8_t> FindBackground(const Image& grey, int level) {
    const int w = grey.width, h = grey.height;
    std::vector<uint8_t> bg(static_cast<size_t>(w) * h, 0);
    std::vector<int32_t> stack;
    auto dark = [&](int x, int y) { return grey.row(y)[x] <= level; };
    auto seed = [&](int x, int y) {
        size_t i = static_cast<size_t>(y) * w + x;
        if (!bg[i] && dark(x, y)) {
            bg[i] = 1;
            stack.push_back(static_cast<int32_t>(i));
        }
    };
    for (int x = 0; x < w; ++x) { seed(x, 0); seed(x, h - 1); }
    for (int y = 0; y < h; ++y) { seed(0, y); seed(w - 1, y); }
    while (!stack.empty()) {
        int32_t i = stack.back();
        stack.pop_back();
        int x = i % w, y = i / w;
        if (x > 0) seed(x - 1, y);
        if (x + 1 < w) seed(x + 1, y);
        if (y > 0) seed(x, y - 1);
        if (y + 1 < h) seed(x, y + 1);
    }
    return bg;
}

Box PageBoxFromMask(const std::vector<uint8_t>& background, int w, int h, int minPixels) {
    std::vector<int> rows(h, 0), cols(w, 0);
    for (int y = 0; y < h; ++y) {
        const uint8_t* m = background.data() + static_cast<size_t>(y) * w;
        int count = 0;
        for (int x = 0; x < w; ++x) {
            int page = m[x] ^ 1;
            count += page;
            cols[x] += page;
        }
        rows[y] = count;
    }
    auto span = [minPixels](const std::vector<int>& v, int& first, int& last) {
        first = -1;
        last = -1;
        for (int i = 0; i < static_cast<int>(v.size()); ++i)
            if (v[i] >= minPixels) { if (first < 0) first = i; last = i; }
        return first >= 0;
    };
    Box box{0, 0, w, h};
    int y0, y1, x0, x1;
    if (span(rows, y0, y1) && span(cols, x0, x1)) box = Box{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    return box;
}

int MinPagePixels(int dpi) { return std::max(2, dpi / 75); }

uint8_t PaperLevel(const Image& grey, const std::vector<uint8_t>& background) {
    uint32_t hist[256] = {};
    size_t count = 0;
    for (int y = 0; y < grey.height; y += 2) {  // every other row is plenty
        const uint8_t* g = grey.row(y);
        const uint8_t* m = background.empty() ? nullptr : background.data() + static_cast<size_t>(y) * grey.width;
        for (int x = 0; x < grey.width; ++x)
            if (!m || !m[x]) { ++hist[g[x]]; ++count; }
    }
    if (count == 0) return 255;
    size_t half = 0;
    int median = 0;
    for (; median < 256; ++median) {
        half += hist[median];
        if (half * 2 >= count) break;
    }
    int best = 255;
    for (int v = std::min(median, 255); v < 256; ++v)
        if (hist[v] > hist[best]) best = v;
    return static_cast<uint8_t>(best);
}

double BackgroundFraction(const std::vector<uint8_t>& background) {
    if (background.empty()) return 0.0;
    size_t n = 0;
    for (uint8_t b : background) n += b;
    return static_cast<double>(n) / background.size();
}

Image Crop(const Image& src, const Box& box) {
    Image out;
    MakeImage(out, box.w, box.h, src.bpp, src.xres, src.yres);
    for (int y = 0; y < box.h; ++y) {
        const uint8_t* s = src.row(box.y + y);
        uint8_t* d = out.row(y);
        if (src.bpp == 1) {
            for (int x = 0; x < box.w; ++x) {
                int sx = box.x + x;
                if ((s[sx >> 3] >> (7 - (sx & 7))) & 1) d[x >> 3] |= static_cast<uint8_t>(0x80u >> (x & 7));
            }
        } else {
            size_t n = static_cast<size_t>(src.bpp / 8);
            std::memcpy(d, s + static_cast<size_t>(box.x) * n, static_cast<size_t>(box.w) * n);
        }
    }
    return out;
}

}  // namespace vz
