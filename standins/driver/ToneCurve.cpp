#include "ToneCurve.h"

#include <algorithm>
#include <cmath>

namespace sim {

std::array<uint8_t, 256> BuildToneCurve(const ToneParams& p)
{
    const int shadow = std::max(0, std::min(254, p.shadow));
    const int highlight = std::max(shadow + 1, std::min(255, p.highlight));
    const double gamma = (p.gamma > 0.01f && std::isfinite(p.gamma)) ? p.gamma : kNativeGamma;
    const double exponent = kNativeGamma / gamma;
    const double brightness = std::max(-100, std::min(100, p.brightness)) * 128.0 / 100.0;
    const int c = std::max(-100, std::min(100, p.contrast));
    const double contrast = c <= 0 ? (100.0 + c) / 100.0 : 100.0 / std::max(1, 100 - c);

    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        double v = (i - shadow) * 255.0 / (highlight - shadow);
        v = std::max(0.0, std::min(255.0, v));
        v = 255.0 * std::pow(v / 255.0, exponent);
        v += brightness;
        v = (v - 128.0) * contrast + 128.0;
        long r = std::lround(v);
        table[i] = static_cast<uint8_t>(std::max(0L, std::min(255L, r)));
    }
    return table;
}

}  // namespace sim
