// ToneCurve: the scanner's tone adjustments as one 256-entry table.
//
// Applied in the order the scanner's pipeline does them:
//   1. levels: shadow maps to 0 and highlight to 255, linearly between;
//   2. gamma: the page images are taken as seen at the device's native gamma
//      1.8, so v = 255 * (v/255)^(1.8/gamma): 1.8 leaves them as they are,
//      larger values lighten the mid-tones, smaller ones darken them;
//   3. brightness -100..100 adds up to +-128 levels;
//   4. contrast -100..100 scales about mid-grey by (100+c)/100 below 0 and
//      100/(100-c) above (capped at 100 times).
// Results are rounded and clamped to 0..255.
#pragma once

#include <array>
#include <cstdint>

namespace sim {

struct ToneParams {
    int brightness = 0;
    int contrast = 0;
    float gamma = 1.8f;
    int shadow = 0;
    int highlight = 255;
};

constexpr double kNativeGamma = 1.8;

std::array<uint8_t, 256> BuildToneCurve(const ToneParams& params);

}  // namespace sim
