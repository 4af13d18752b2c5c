#include "ui/PreviewMath.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void BuildToneTable(uint8_t table[256], int brightness, int contrast, int gammaArg, int highlight, int shadow)
{
    brightness = std::clamp(brightness, -100, 100);
    contrast = std::clamp(contrast, -100, 100);
    highlight = std::clamp(highlight, 1, 255);
    shadow = std::clamp(shadow, 0, 254);
    if (highlight <= shadow) highlight = shadow + 1;
    const float gamma = static_cast<float>(gammaArg + 8) / 10.0f;

    const float w = static_cast<float>(highlight - shadow);
    float xs[5];
    float ys[5];
    for (int k = 0; k < 5; ++k) xs[k] = static_cast<float>(shadow) + static_cast<float>(k) * w / 4.0f;
    ys[0] = 0.0f;
    ys[4] = 255.0f;
    for (int k = 1; k <= 3; ++k) {
        const double g = gamma > 0.0f ? 1.0 / gamma : 1.0;
        ys[k] = static_cast<float>(255.0 * std::pow(k / 4.0, g));
    }
    const double degrees = contrast >= 0 ? contrast * 89.9 / 100.0 : contrast * 44.0 / 100.0;
    const float slope = static_cast<float>(std::tan(degrees * 3.14159265358979323846 / 180.0) * 255.0 / 256.0);
    const float offset = static_cast<float>(brightness) * 128.0f / 100.0f;

    for (int i = 0; i < shadow; ++i) table[i] = 0;
    int running = 0;
    for (int i = shadow; i <= highlight; ++i) {
        const float x = static_cast<float>(i);
        float l = 0.0f;
        for (int k = 0; k < 5; ++k) {
            float term = ys[k];
            for (int j = 0; j < 5; ++j) {
                if (j != k) term *= (x - xs[j]) / (xs[k] - xs[j]);
            }
            l += term;
        }
        float v = l + (x - w / 2.0f) * slope + offset;
        v = std::clamp(v, 0.0f, 255.0f);
        running = std::max(running, static_cast<int>(v));
        table[i] = static_cast<uint8_t>(running);
    }
    for (int i = highlight + 1; i < 256; ++i) table[i] = 255;
}

void DisplayToneTable(uint8_t table[256], const ScanSettings& s)
{
    BuildToneTable(table, s.Brightness, s.Contrast, static_cast<int>(s.Gamma) - 8, s.Highlight, s.Shadow);
    for (int i = 0; i < 256; ++i) {
        if (s.ScanMode == kModeBlackWhite) table[i] = table[i] > 127 ? 255 : 0;
        if (s.Invert) table[i] = static_cast<uint8_t>(255 - table[i]);
    }
}

void FrameFromPoints(int ax, int ay, int bx, int by, int cw, int ch, ScanSettings& s)
{
    if (cw <= 0 || ch <= 0) return;
    const int x0 = static_cast<int16_t>(ax), x1 = static_cast<int16_t>(bx);
    const int y0 = static_cast<int16_t>(ay), y1 = static_cast<int16_t>(by);
    s.Left = static_cast<int16_t>(std::clamp((cw / 2 + std::min(x0, x1) * kAreaWidth) / cw, 0, kAreaWidth));
    s.Right = static_cast<int16_t>(std::clamp((cw / 2 + std::max(x0, x1) * kAreaWidth) / cw, 0, kAreaWidth));
    s.Top = static_cast<int16_t>(std::clamp((ch / 2 + std::min(y0, y1) * kAreaLength) / ch, 0, kAreaLength));
    s.Bottom = static_cast<int16_t>(std::clamp((ch / 2 + std::max(y0, y1) * kAreaLength) / ch, 0, kAreaLength));
}

PixelRect TrackerFromFrame(const ScanSettings& s, int cw, int ch)
{
    return {cw * s.Left / kAreaWidth, ch * s.Top / kAreaLength, cw * s.Right / kAreaWidth, ch * s.Bottom / kAreaLength};
}

int PreviewResolution(int32_t pelsPerMeter)
{
    const int dpi = static_cast<int>(pelsPerMeter * 2.54 / 100.0);
    return std::max(dpi, 30);
}

int ZoomScrollMax(int pixels, int resolution, int zoom, int area)
{
    if (resolution <= 0) return 0;
    const int v = static_cast<int>((static_cast<double>(pixels * 100 / resolution) * zoom - area) / 50.0);
    return std::max(v, 0);
}

std::vector<RulerMark> RulerMarks(bool horizontal, int units, int zoom, int scroll, int length)
{
    std::vector<RulerMark> marks;
    const int a = horizontal ? kAreaWidth : kAreaLength;
    const int z = std::max(zoom, 1);
    const int l = length;
    if (l <= 0) return marks;
    if (units == 1) {
        const int first = (scroll + 99) / 100;
        const int f = scroll % 100;
        const int off = f != 0 ? 100 - f : 0;
        const int p0 = off * z * l / a;
        const int half = z * l * 100 / (2 * a);
        const int count = horizontal ? (z + 3) / z + 1 : (z + 9) / z;
        if (off > 50 && p0 - half >= 0) marks.push_back({p0 - half, false, -1});
        for (int i = 0; i < count; ++i) {
            const int p = p0 + i * z * l * 100 / a;
            if (p >= l) continue;
            marks.push_back({p, true, p + 14 < l ? first + i : -1});
            if (p + half < l) marks.push_back({p + half, false, -1});
        }
    } else {
        const int m = scroll * 254 / 100;
        const int first = (m + 99) / 100;
        const int f = m % 100;
        const int off = f != 0 ? 100 - f : 0;
        const int p0 = off * z * l * 100 / (254 * a);
        const int count = horizontal ? (z + 9) / z + 1 : (z + 24) / z;
        for (int i = 0; i < count; ++i) {
            const int p = p0 + i * z * l * 10000 / (254 * a);
            if (p >= l) continue;
            const int number = first + i;
            const bool isLong = number % 5 == 0;
            marks.push_back({p, isLong, isLong && p + 14 < l ? number : -1});
        }
    }
    return marks;
}

std::string LengthText(const std::string& label, int hundredths, int units)
{
    double v = hundredths / 100.0;
    if (units == 0) v *= 2.54;
    char text[96];
    std::snprintf(text, sizeof text, "%s: %.1f %s", label.c_str(), v, units == 1 ? "in" : "cm");
    return text;
}

std::string ImageSizeText(const std::string& label, const ScanSettings& s)
{
    const int bits = s.ScanMode == kModeGray ? 8 : s.ScanMode == kModeColor ? 24 : 1;
    const int64_t px = std::max(0, (s.Right - s.Left) * s.DPI / 100);
    const int64_t rows = std::max(0, (s.Bottom - s.Top) * s.DPI / 100);
    const int64_t rowBytes = (px * bits + 31) / 32 * 4;
    const double k = rowBytes / 1024.0 * static_cast<double>(rows);
    char text[96];
    if (k < 1024) std::snprintf(text, sizeof text, "%s: %.1f KB", label.c_str(), k);
    else if (k / 1024 < 1024) std::snprintf(text, sizeof text, "%s: %.2f MB", label.c_str(), k / 1024);
    else std::snprintf(text, sizeof text, "%s: %.2f GB", label.c_str(), k / 1048576);
    return text;
}

std::string FreeSpaceText(const std::string& label, bool known, uint64_t bytes)
{
    char text[96];
    if (!known) {
        std::snprintf(text, sizeof text, "%s: xxx", label.c_str());
        return text;
    }
    const double x = static_cast<double>(bytes >> 12) / 256.0;
    if (x < 1024) std::snprintf(text, sizeof text, "%s: %.2f MB", label.c_str(), x);
    else std::snprintf(text, sizeof text, "%s: %.2f GB", label.c_str(), x / 1024);
    return text;
}
