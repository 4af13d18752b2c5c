// Page generation (see PageGenerator.h).
//
// Print is made of glyphs drawn from a few stroke shapes on an x-height body:
// letters are drawn with the letter frequencies of English, so that ascender
// letters (b d f h k l t) and descender letters (g j p q y) occur as often as
// in real text, words start with a capital now and then, and lines are set
// flush left with a ragged right edge.
#include "PageGenerator.h"

#include "core/Rotate.h"

#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace bench {
namespace {

using Rng = std::mt19937;

void FillRect(vz::Image& img, int x0, int y0, int x1, int y1, const uint8_t rgb[3]) {
    if (x0 < 0) x0 = 0;
    if (y0 < 0) y0 = 0;
    if (x1 > img.width) x1 = img.width;
    if (y1 > img.height) y1 = img.height;
    for (int y = y0; y < y1; ++y) {
        uint8_t* p = img.row(y) + 3 * x0;
        for (int x = x0; x < x1; ++x, p += 3) std::memcpy(p, rgb, 3);
    }
}

// Letter frequencies of English, per mille, a..z.
const int kFreq[26] = {82, 15, 28, 43, 127, 22, 20, 61, 70, 2, 8, 40, 24,
                       67, 75, 19, 1, 60, 63, 91, 28, 10, 24, 2, 20, 1};
const char kAscenders[] = "bdfhklt";
const char kDescenders[] = "gjpqy";

char RandomLetter(Rng& rng) {
    int r = std::uniform_int_distribution<int>(0, 999)(rng);
    for (int i = 0; i < 26; ++i) {
        r -= kFreq[i];
        if (r < 0) return static_cast<char>('a' + i);
    }
    return 'e';
}

// Draws one glyph with its left edge at x and baseline at y; returns its width.
int DrawGlyph(vz::Image& img, char c, bool capital, int x, int base, int xh, Rng& rng) {
    static const uint8_t ink[3] = {20, 20, 24};
    const int stroke = std::max(2, xh / 6);
    const int w = capital ? xh * 8 / 10 : xh * 6 / 10;
    const bool asc = capital || std::strchr(kAscenders, c) != nullptr;
    const bool desc = !capital && std::strchr(kDescenders, c) != nullptr;
    const int top = base - (asc ? xh * 3 / 2 : xh);
    const int bottom = desc ? base + xh / 2 : base;
    const int shape = (c * 7 + (capital ? 3 : 0)) % 5;
    // The stem carries the ascender or descender.
    int stemX = (shape % 2 == 0) ? x : x + w - stroke;
    FillRect(img, stemX, top, stemX + stroke, bottom, ink);
    int bodyTop = base - xh;
    switch (shape) {
    case 0:  // bowl on the right: b, d-like
    case 1:
        FillRect(img, x, bodyTop, x + w, bodyTop + stroke, ink);
        FillRect(img, x, base - stroke, x + w, base, ink);
        FillRect(img, shape == 0 ? x + w - stroke : x, bodyTop, shape == 0 ? x + w : x + stroke, base, ink);
        break;
    case 2:  // arch: n, h-like
        FillRect(img, x, bodyTop, x + w, bodyTop + stroke, ink);
        FillRect(img, x + w - stroke, bodyTop, x + w, base, ink);
        break;
    case 3:  // open bowl: c, e-like
        FillRect(img, x, bodyTop, x + w, bodyTop + stroke, ink);
        FillRect(img, x, base - stroke, x + w, base, ink);
        FillRect(img, x, bodyTop + xh / 2 - stroke / 2, x + w, bodyTop + xh / 2 + stroke / 2 + 1, ink);
        break;
    default:  // diagonal-ish steps: v, x-like
        for (int i = 0; i < xh; i += stroke) {
            int dx = (w - stroke) * i / xh;
            FillRect(img, x + dx, bodyTop + i, x + dx + stroke, bodyTop + i + stroke, ink);
        }
        break;
    }
    (void)rng;
    return w;
}

}  // namespace

vz::Image GenerateSheet(const PageSpec& params, int widthInches100, int heightInches100) {
    Rng rng(params.seed);
    vz::Image page;
    vz::MakeImage(page, widthInches100 * params.dpi / 100, heightInches100 * params.dpi / 100, 24, params.dpi, params.dpi);
    // Paper: slightly warm white with a little noise.
    std::uniform_int_distribution<int> noise(-4, 4);
    for (int y = 0; y < page.height; ++y) {
        uint8_t* p = page.row(y);
        for (int x = 0; x < page.width; ++x, p += 3) {
            int n = noise(rng);
            p[0] = static_cast<uint8_t>(240 + n);
            p[1] = static_cast<uint8_t>(238 + n);
            p[2] = static_cast<uint8_t>(230 + n);
        }
    }
    if (params.blank) return page;
    const int dpi = params.dpi;
    const int xh = static_cast<int>(dpi * std::uniform_real_distribution<double>(0.06, 0.085)(rng));
    const int leading = xh * 27 / 10;
    const int left = dpi, right = page.width - dpi * 3 / 4;
    const int space = xh * 2 / 3, gap = std::max(2, xh / 6);
    static const uint8_t red[3] = {215, 40, 45}, blue[3] = {40, 70, 200};
    int lineNo = 0;
    for (int base = dpi + xh * 3 / 2; base + xh < page.height - dpi; base += leading, ++lineNo) {
        if (params.formLines && lineNo % 4 == 3) {  // a red form rule between lines
            const int ruleY = base - leading / 2 - xh / 2;
            FillRect(page, left - dpi / 8, ruleY, right + dpi / 8, ruleY + 3, red);
        }
        if (lineNo % 9 == 8) continue;  // paragraph break
        int x = left;
        int end = right - std::uniform_int_distribution<int>(0, (right - left) / 3)(rng);
        while (x < end) {
            int letters = std::uniform_int_distribution<int>(1, 9)(rng);
            bool cap = std::uniform_int_distribution<int>(0, 6)(rng) == 0;
            int wordWidth = letters * (xh * 6 / 10 + gap);
            if (x + wordWidth > end) break;
            for (int i = 0; i < letters; ++i) x += DrawGlyph(page, RandomLetter(rng), cap && i == 0, x, base, xh, rng) + gap;
            x += space;
        }
    }
    if (params.formLines) {  // a blue box round the text block
        int t = 3;
        FillRect(page, left - dpi / 4, dpi * 3 / 4, right + dpi / 4, dpi * 3 / 4 + t, blue);
        FillRect(page, left - dpi / 4, page.height - dpi * 3 / 4, right + dpi / 4, page.height - dpi * 3 / 4 + t, blue);
        FillRect(page, left - dpi / 4, dpi * 3 / 4, left - dpi / 4 + t, page.height - dpi * 3 / 4, blue);
        FillRect(page, right + dpi / 4, dpi * 3 / 4, right + dpi / 4 + t, page.height - dpi * 3 / 4 + t, blue);
    }
    return page;
}

GeneratedPage GeneratePage(const PageSpec& params) {
    return PlaceOnBacking(GenerateSheet(params, 850, 1100), params);
}

GeneratedPage PlaceOnBacking(const vz::Image& upright, const PageSpec& params) {
    GeneratedPage out;
    vz::Image sheet = vz::RotateQuarter(upright, params.quarterTurns);
    out.uprightTurn = (4 - params.quarterTurns % 4) % 4;
    // The sheet lies centred on a background with 0.4 inch all round, turned
    // about the centre by the skew; the backing is near black with noise.
    const int border = params.dpi * 2 / 5;
    const int cw = sheet.width + 2 * border, ch = sheet.height + 2 * border;
    vz::MakeImage(out.image, cw, ch, 24, params.dpi, params.dpi);
    Rng rng(params.seed * 7919u + 13u);
    std::uniform_int_distribution<int> noise(0, 14);
    const double a = params.skewDegrees * 3.14159265358979323846 / 180.0, c = std::cos(a), s = std::sin(a);
    const double cx = (cw - 1) * 0.5, cy = (ch - 1) * 0.5;
    for (int y = 0; y < ch; ++y) {
        uint8_t* d = out.image.row(y);
        for (int x = 0; x < cw; ++x, d += 3) {
            double dx = x - cx, dy = y - cy;
            double sx = dx * c + dy * s + cx - border, sy = -dx * s + dy * c + cy - border;
            int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
            if (ix < 0 || iy < 0 || ix + 1 >= sheet.width || iy + 1 >= sheet.height) {
                uint8_t v = static_cast<uint8_t>(12 + noise(rng));
                d[0] = d[1] = d[2] = v;
                continue;
            }
            double fx = sx - ix, fy = sy - iy;
            const uint8_t* p00 = sheet.row(iy) + 3 * ix;
            const uint8_t* p10 = sheet.row(iy + 1) + 3 * ix;
            for (int k = 0; k < 3; ++k) {
                double top = p00[k] * (1 - fx) + p00[k + 3] * fx;
                double bottom = p10[k] * (1 - fx) + p10[k + 3] * fx;
                d[k] = static_cast<uint8_t>(top * (1 - fy) + bottom * fy + 0.5);
            }
        }
    }
    out.truthBox = vz::Box{border, border, sheet.width, sheet.height};
    return out;
}

}  // namespace bench
