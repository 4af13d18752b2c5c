// Background flood fill and page box (see PageBox.h).
#include "PageBox.h"

#include <algorithm>
#include <cstring>

namespace vz {
namespace {

// Every PaperLevel sample row; a page has thousands of rows and its paper
// grey is the same all over.
constexpr int kPaperRowStep = 4;

// Whether pixels are dark (at or below the level), at the image's depth.
class DarkTest {
public:
    DarkTest(const Image& img, int level) : img_(img), level_(level) {}
    bool operator()(int x, int y) const {
        const uint8_t* r = img_.row(y);
        switch (img_.bpp) {
        case 8: return r[x] <= level_;
        case 24: return Luma(r[3 * x], r[3 * x + 1], r[3 * x + 2]) <= level_;
        default: return (((r[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0) <= level_;
        }
    }

private:
    const Image& img_;
    int level_;
};

struct RowRun {
    int32_t y, x0, x1;
};

// Scanline flood fill: each run is filled whole, then the rows above and
// below it are searched for dark pixels not yet filled.
class Filler {
public:
    Filler(const Image& img, int level)
        : dark_(img, level), w_(img.width), h_(img.height),
          filled_((static_cast<size_t>(img.width) * img.height + 63) / 64, 0) {}

    void Seed(int x, int y) {
        if (!Filled(x, y) && dark_(x, y)) Fill(x, y);
        while (!pending_.empty()) {
            RowRun r = pending_.back();
            pending_.pop_back();
            if (r.y > 0) Scan(r.x0, r.x1, r.y - 1);
            if (r.y + 1 < h_) Scan(r.x0, r.x1, r.y + 1);
        }
    }
    std::vector<RowRun>& Runs() { return runs_; }

private:
    bool Filled(int x, int y) const {
        size_t i = static_cast<size_t>(y) * w_ + x;
        return (filled_[i >> 6] >> (i & 63)) & 1;
    }
    void Mark(int x, int y) {
        size_t i = static_cast<size_t>(y) * w_ + x;
        filled_[i >> 6] |= uint64_t(1) << (i & 63);
    }
    void Fill(int x, int y) {
        int a = x, b = x + 1;
        while (a > 0 && !Filled(a - 1, y) && dark_(a - 1, y)) --a;
        while (b < w_ && !Filled(b, y) && dark_(b, y)) ++b;
        for (int i = a; i < b; ++i) Mark(i, y);
        runs_.push_back(RowRun{y, a, b});
        pending_.push_back(RowRun{y, a, b});
    }
    void Scan(int x0, int x1, int y) {
        for (int x = x0; x < x1; ++x)
            if (!Filled(x, y) && dark_(x, y)) {
                Fill(x, y);
                x = runs_.back().x1;
            }
    }

    DarkTest dark_;
    int w_, h_;
    std::vector<uint64_t> filled_;
    std::vector<RowRun> runs_, pending_;
};

}  // namespace

Background FindBackground(const Image& image, int level) {
    Background bg;
    if (image.empty()) return bg;
    const int w = image.width, h = image.height;
    Filler filler(image, level);
    for (int x = 0; x < w; ++x) { filler.Seed(x, 0); filler.Seed(x, h - 1); }
    for (int y = 0; y < h; ++y) { filler.Seed(0, y); filler.Seed(w - 1, y); }
    std::vector<RowRun>& runs = filler.Runs();
    std::sort(runs.begin(), runs.end(),
              [](const RowRun& a, const RowRun& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
    bg.w = w;
    bg.h = h;
    bg.rowStart.assign(static_cast<size_t>(h) + 1, 0);
    bg.runs.reserve(runs.size());
    size_t i = 0;
    for (int y = 0; y < h; ++y) {
        bg.rowStart[y] = static_cast<uint32_t>(bg.runs.size());
        for (; i < runs.size() && runs[i].y == y; ++i) {
            // Runs filled from different seeds may touch: join them.
            if (bg.runs.size() > bg.rowStart[y] && bg.runs.back().x1 == runs[i].x0) bg.runs.back().x1 = runs[i].x1;
            else bg.runs.push_back(Run{runs[i].x0, runs[i].x1});
            bg.pixels += static_cast<size_t>(runs[i].x1 - runs[i].x0);
        }
    }
    bg.rowStart[h] = static_cast<uint32_t>(bg.runs.size());
    return bg;
}

Box PageBoxOf(const Background& bg, int minPixels) {
    const int w = bg.w, h = bg.h;
    if (!bg.known()) return Box{};
    // Rows: their document pixels; columns: a difference array over the
    // document runs of every row.
    std::vector<int> rows(h, 0), diff(static_cast<size_t>(w) + 1, 0);
    for (int y = 0; y < h; ++y) {
        bg.ForDocument(y, w, [&](int a, int b) {
            rows[y] += b - a;
            ++diff[a];
            --diff[b];
        });
    }
    auto span = [minPixels](const std::vector<int>& v, int n, int& first, int& last) {
        first = -1;
        last = -1;
        for (int i = 0; i < n; ++i)
            if (v[i] >= minPixels) { if (first < 0) first = i; last = i; }
        return first >= 0;
    };
    std::vector<int> cols(w, 0);
    int running = 0;
    for (int x = 0; x < w; ++x) cols[x] = running += diff[x];
    Box box{0, 0, w, h};
    int y0, y1, x0, x1;
    if (span(rows, h, y0, y1) && span(cols, w, x0, x1)) box = Box{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    return box;
}

int MinPagePixels(int dpi) { return std::max(2, dpi / 75); }

uint8_t PaperLevel(const Image& image, const Background& bg) {
    uint32_t hist[256] = {};
    size_t count = 0;
    std::vector<uint8_t> scratch;
    for (int y = 0; y < image.height; y += kPaperRowStep) {
        const uint8_t* g = GreyRow(image, y, scratch);
        bg.ForDocument(y, image.width, [&](int a, int b) {
            for (int x = a; x < b; ++x) ++hist[g[x]];
            count += static_cast<size_t>(b - a);
        });
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

double BackgroundFraction(const Background& bg) {
    if (!bg.known()) return 0.0;
    return static_cast<double>(bg.pixels) / (static_cast<double>(bg.w) * bg.h);
}

Image Crop(const Image& src, const Box& box) {
    Image out;
    MakeImage(out, box.w, box.h, src.bpp, src.xres, src.yres);
    const int shift = box.x & 7;
    for (int y = 0; y < box.h; ++y) {
        const uint8_t* s = src.row(box.y + y);
        uint8_t* d = out.row(y);
        if (src.bpp == 1) {
            // Whole bytes, each put together from two source bytes.
            const uint8_t* from = s + (box.x >> 3);
            const size_t last = src.stride - static_cast<size_t>(box.x >> 3);  // bytes left in the row
            for (size_t i = 0; i < out.stride; ++i) {
                unsigned hi = from[i];
                unsigned lo = i + 1 < last ? from[i + 1] : 0u;
                d[i] = static_cast<uint8_t>(((hi << 8 | lo) << shift) >> 8);
            }
            if (box.w % 8) d[out.stride - 1] &= static_cast<uint8_t>(0xFF00u >> (box.w % 8));
        } else {
            size_t n = static_cast<size_t>(src.bpp / 8);
            std::memcpy(d, s + static_cast<size_t>(box.x) * n, static_cast<size_t>(box.w) * n);
        }
    }
    return out;
}

}  // namespace vz
