// Colour dropout (see ColorDropout.h).
#include "ColorDropout.h"

#include "PageBox.h"

#include <algorithm>
#include <vector>

namespace vz {
namespace {

constexpr int kHueCircle = 180;

// Hue on the 180-unit circle, saturation and intensity of one pixel.
struct Hsv {
    int hue;  // -1 for a grey pixel
    int sat;
    int val;
};

inline Hsv ToHsv(int r, int g, int b) {
    int mx = std::max(r, std::max(g, b)), mn = std::min(r, std::min(g, b));
    int delta = mx - mn;
    if (delta == 0) return Hsv{-1, 0, mx};
    int sat = delta * 255 / mx;
    int hue;  // in units of 2 degrees: 30 units per sixth of the circle
    if (mx == r) hue = 30 * (g - b) / delta;
    else if (mx == g) hue = 60 + 30 * (b - r) / delta;
    else hue = 120 + 30 * (r - g) / delta;
    if (hue < 0) hue += kHueCircle;
    return Hsv{hue, sat, mx};
}

// [lo, hi] on the circle, lo <= hi, ends may lie outside 0..180.
inline bool InWindow(int hue, int lo, int hi) {
    if (hue < 0) return false;
    if (hi - lo >= kHueCircle) return true;
    int d = ((hue - lo) % kHueCircle + kHueCircle) % kHueCircle;
    return d <= hi - lo;
}

// The hue of the page's ink of the dropped colour: the peak, smoothed over
// three units either side, of saturated hues near the nominal hue.
int FindInkHue(const Image& rgb, int nominal, int satMin, int lumMin) {
    std::vector<long> hist(kHueCircle, 0);
    for (int y = 0; y < rgb.height; y += 2) {
        const uint8_t* p = rgb.row(y);
        for (int x = 0; x < rgb.width; x += 2) {
            const uint8_t* q = p + 3 * x;
            Hsv c = ToHsv(q[0], q[1], q[2]);
            if (c.hue >= 0 && c.sat >= satMin && c.val >= lumMin && InWindow(c.hue, nominal - kHueSearch, nominal + kHueSearch))
                ++hist[c.hue];
        }
    }
    int best = nominal;
    long bestCount = 0;
    for (int hcentre = nominal - kHueSearch; hcentre <= nominal + kHueSearch; ++hcentre) {
        long n = 0;
        for (int d = -3; d <= 3; ++d) n += hist[((hcentre + d) % kHueCircle + kHueCircle) % kHueCircle];
        if (n > bestCount) { bestCount = n; best = hcentre; }
    }
    return best;
}

// Clears the areas (8-connected) of `mask` smaller than `minSize` pixels.
void DropSmallBlobs(std::vector<uint8_t>& mask, int w, int h, int minSize) {
    if (minSize <= 1) return;
    std::vector<int32_t> stack, blob;
    // 2 marks a pixel already visited in a kept area.
    for (size_t start = 0; start < mask.size(); ++start) {
        if (mask[start] != 1) continue;
        blob.clear();
        stack.assign(1, static_cast<int32_t>(start));
        mask[start] = 2;
        while (!stack.empty()) {
            int32_t i = stack.back();
            stack.pop_back();
            blob.push_back(i);
            int x = i % w, y = i / w;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                    size_t j = static_cast<size_t>(ny) * w + nx;
                    if (mask[j] == 1) { mask[j] = 2; stack.push_back(static_cast<int32_t>(j)); }
                }
        }
        if (static_cast<int>(blob.size()) < minSize)
            for (int32_t i : blob) mask[i] = 0;
    }
    for (uint8_t& m : mask) m = m ? 1 : 0;
}

}  // namespace

Status DropColor(Image& image, const DropoutOptions& o) {
    if (image.empty() || !ValidDepth(image.bpp)) return Status::BadParameter;
    if (o.type < 1 || o.type > 3) return Status::BadParameter;
    if (o.saturationMin < 0 || o.saturationMin > 255 || o.luminanceMin < 0 || o.luminanceMin > 255)
        return Status::BadParameter;
    if (o.blobMin < 0 || o.blobMin > 1000000) return Status::BadParameter;
    if (o.minimum < -360 || o.minimum > 360 || o.maximum < -360 || o.maximum > 360) return Status::BadParameter;
    const bool automatic = o.threshold < 0;
    if (!automatic && o.minimum > o.maximum) return Status::BadParameter;
    if (automatic && (o.minimum < 0 || o.maximum < 0)) return Status::BadParameter;
    if (image.bpp != 24) {  // nothing coloured to drop
        image = ToGrey(image);
        return Status::Ok;
    }

    const int w = image.width, h = image.height;
    int lo = o.minimum, hi = o.maximum;
    if (automatic) {
        int centre = FindInkHue(image, (o.type - 1) * 60, o.saturationMin, o.luminanceMin);
        lo = centre - o.minimum;
        hi = centre + o.maximum;
    }
    const int keepDarker = automatic ? 0 : std::min(o.threshold, 255);

    Image grey = ToGrey(image);
    std::vector<uint8_t> mask(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = image.row(y);
        const uint8_t* g = grey.row(y);
        uint8_t* m = mask.data() + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x, p += 3) {
            int mx = std::max(p[0], std::max(p[1], p[2])), mn = std::min(p[0], std::min(p[1], p[2]));
            // Cheap rejections first: most pixels are paper or black print.
            if (mx < o.luminanceMin || (mx - mn) * 255 < o.saturationMin * mx || mx == mn) continue;
            if (g[x] < keepDarker) continue;
            if (InWindow(ToHsv(p[0], p[1], p[2]).hue, lo, hi)) m[x] = 1;
        }
    }
    DropSmallBlobs(mask, w, h, o.blobMin);

    // Grow into the fringe, then paint the dropped pixels with the paper.
    const int fringeSat = o.saturationMin / kFringeSaturationDivisor;
    std::vector<uint8_t> grown = mask;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            size_t i = static_cast<size_t>(y) * w + x;
            if (mask[i]) continue;
            bool near = (x > 0 && mask[i - 1]) || (x + 1 < w && mask[i + 1]) || (y > 0 && mask[i - w]) ||
                        (y + 1 < h && mask[i + w]);
            if (!near) continue;
            const uint8_t* p = image.row(y) + 3 * x;
            Hsv c = ToHsv(p[0], p[1], p[2]);
            if (c.sat >= fringeSat && InWindow(c.hue, lo, hi)) grown[i] = 1;
        }
    }
    const uint8_t paper = PaperLevel(grey, Background());
    for (int y = 0; y < h; ++y) {
        uint8_t* g = grey.row(y);
        const uint8_t* m = grown.data() + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x)
            if (m[x]) g[x] = paper;
    }
    image = std::move(grey);
    return Status::Ok;
}

}  // namespace vz
