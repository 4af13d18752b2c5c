// Tone: brightness and contrast (TWAIN -1000..1000, kept divided by 10),
// gamma (kept times 10), highlight and shadow, and the black-and-white
// threshold, which is the brightness seen from the other side.
#include "caps/CapRules.h"
#include "caps/Fix32.h"

namespace caprules {

namespace {

constexpr int32_t kToneLimit = 1000;      // TWAIN brightness and contrast
constexpr int32_t kToneScale = 10;        // TWAIN value per settings step
constexpr int32_t kGammaLowest = 10;      // 1.0, times 10
constexpr int32_t kGammaHighest = 40;     // 4.0, times 10
constexpr int32_t kGammaDefault = 18;
constexpr int32_t kLevels = 256;          // highlight, shadow and threshold are 0..255
constexpr int32_t kThresholdMiddle = 128; // threshold when brightness is 0

TW_UINT16 SetTone(const AppValue& v, int16_t& field)
{
    const int32_t t = Fix32Truncated(v.value);
    if (t < -kToneLimit || t > kToneLimit) return Refuse();
    field = static_cast<int16_t>(t / kToneScale);
    return t % kToneScale == 0 ? TWRC_SUCCESS : TWRC_CHECKSTATUS;
}

// Refused when the whole number, taken as an unsigned 16-bit number, is 256
// or more: negative values are refused too.
bool IsLevel(int32_t value) { return static_cast<uint16_t>(value) < kLevels; }

} // namespace

TW_UINT32 Brightness()
{
    const int32_t b = Settings().Brightness;
    const int32_t shown = b < -99 ? -kToneLimit : b >= 100 ? kToneLimit : b * kToneScale;
    return Fix32Item(shown);
}
TW_UINT16 SetBrightness(const AppValue& v) { return SetTone(v, Settings().Brightness); }
void ResetBrightness() { Settings().Brightness = 0; }

TW_UINT32 Contrast() { return Fix32Item(Settings().Contrast * kToneScale); }
TW_UINT16 SetContrast(const AppValue& v) { return SetTone(v, Settings().Contrast); }
void ResetContrast() { Settings().Contrast = 0; }

TW_UINT32 Gamma() { return Fix32Item(Settings().Gamma / 10.0); }
TW_UINT16 SetGamma(const AppValue& v)
{
    int32_t g = Fix32GammaTimes10(v.value);
    g = g < kGammaLowest ? kGammaLowest : g > kGammaHighest ? kGammaHighest : g;
    Settings().Gamma = static_cast<uint16_t>(g);
    return TWRC_SUCCESS;
}
void ResetGamma() { Settings().Gamma = kGammaDefault; }

TW_UINT32 Highlight() { return Fix32Item(Settings().Highlight); }
TW_UINT16 SetHighlight(const AppValue& v)
{
    const int32_t level = Fix32Truncated(v.value);
    if (!IsLevel(level)) return Refuse();
    Settings().Highlight = static_cast<uint16_t>(level);
    return TWRC_SUCCESS;
}
void ResetHighlight() { Settings().Highlight = kLevels - 1; }

TW_UINT32 Shadow() { return Fix32Item(Settings().Shadow); }
TW_UINT16 SetShadow(const AppValue& v)
{
    const int32_t level = Fix32Truncated(v.value);
    if (!IsLevel(level)) return Refuse();
    Settings().Shadow = static_cast<int16_t>(level);
    return TWRC_SUCCESS;
}
void ResetShadow() { Settings().Shadow = 0; }

TW_UINT32 Threshold() { return Fix32Item(kThresholdMiddle - Settings().Brightness); }
TW_UINT16 SetThreshold(const AppValue& v)
{
    int32_t t = Fix32Rounded(v.value);
    // A negative threshold would push the brightness past its 16-bit field.
    if (t < 0 || t >= kLevels) return Refuse();
    if (t == 0) t = 1;
    Settings().Brightness = static_cast<int16_t>(kThresholdMiddle - t);
    return TWRC_SUCCESS;
}

} // namespace caprules
