// The image: pixel type with the allowed types, resolution over the device's
// list with the enabled entries, the supported sizes and the bit depth.
#include "caps/CapRules.h"
#include "caps/Fix32.h"
#include "device/ResolutionList.h"

namespace caprules {

namespace {

constexpr int kPixelTypes = 3;
// ScanMode of TWPT_BW, TWPT_GRAY, TWPT_RGB.
constexpr uint16_t kModeOfType[kPixelTypes] = {kModeBlackWhite, kModeGray, kModeColor};

struct SizeFrame {
    TW_UINT16 size;
    int16_t top, left, bottom, right;
};
const SizeFrame kSizeTable[] = {
    {TWSS_NONE, 0, 0, kScanAreaLength, kScanAreaWidth},
    {TWSS_A6, 0, 0, 583, 413},
    {TWSS_BUSINESSCARD, 0, 0, 217, 354},
};

bool Allowed(int type) { return Values().pixelTypeAllowed[type]; }

int32_t FirstResolution() { return ResolutionAt(0); }
int32_t LastResolution() { return ResolutionAt(ResolutionCount() - 1); }

// Steps 4 and 5 of every resolution request: inside the list's span, snapped
// to the nearest enabled entry.
TW_UINT16 TakeResolution(int32_t r)
{
    if (r < FirstResolution() || r > LastResolution()) return Refuse();
    const int16_t dpi = SnapResolution(r, Values().resolutionEnabled);
    Settings().DPI = dpi;
    return dpi == r ? TWRC_SUCCESS : TWRC_CHECKSTATUS;
}

bool EnableFromRange(const AppValue& v)
{
    const int32_t lo = Fix32Rounded(v.minValue);
    const int32_t hi = Fix32Rounded(v.maxValue);
    const int32_t step = Fix32Rounded(v.stepSize);
    if (hi < lo || step < 1) return false;
    for (int i = 0; i < ResolutionCount(); ++i) {
        const int32_t dpi = ResolutionAt(i);
        Values().resolutionEnabled[i] = dpi >= lo && dpi <= hi && (dpi - lo) % step == 0;
    }
    return true;
}

void EnableFromItems(const AppValue& v)
{
    for (int i = 0; i < ResolutionCount(); ++i) {
        bool listed = false;
        for (TW_UINT32 item : v.items) listed = listed || Fix32Rounded(item) == ResolutionAt(i);
        Values().resolutionEnabled[i] = listed;
    }
}

bool IsColour() { return Settings().ScanMode == kModeColor; }
bool IsGray() { return Settings().ScanMode == kModeGray; }

} // namespace

std::vector<TW_UINT32> AllowedPixelTypes()
{
    std::vector<TW_UINT32> types;
    for (int t = 0; t < kPixelTypes; ++t)
        if (Allowed(t)) types.push_back(static_cast<TW_UINT32>(t));
    return types;
}

TW_UINT32 PixelType()
{
    for (int t = 0; t < kPixelTypes; ++t)
        if (kModeOfType[t] == Settings().ScanMode) return static_cast<TW_UINT32>(t);
    return TWPT_BW;
}

TW_UINT32 PixelTypeEnumDefault()
{
    const std::vector<TW_UINT32> types = AllowedPixelTypes();
    return Allowed(TWPT_BW) || types.empty() ? TWPT_BW : types.front();
}

TW_UINT16 SetPixelType(const AppValue& v)
{
    if (v.conType == TWON_ENUMERATION) {
        for (int t = 0; t < kPixelTypes; ++t) {
            bool listed = false;
            for (TW_UINT32 item : v.items) listed = listed || (item & 0xFFFF) == static_cast<TW_UINT32>(t);
            Values().pixelTypeAllowed[t] = listed;
        }
    }
    const TW_UINT16 t = Low16(v);
    if (t > TWPT_RGB) return Refuse();
    if (Allowed(t)) {
        Settings().ScanMode = kModeOfType[t];
        return TWRC_SUCCESS;
    }
    const int taken = Allowed(TWPT_RGB) ? TWPT_RGB : Allowed(TWPT_GRAY) ? TWPT_GRAY : TWPT_BW;
    Settings().ScanMode = kModeOfType[taken];
    return TWRC_CHECKSTATUS;
}

void ResetPixelType()
{
    AllowAllPixelTypes();
    Settings().ScanMode = kModeBlackWhite;
}

std::vector<TW_UINT32> EnabledResolutions()
{
    std::vector<TW_UINT32> items;
    for (int i = 0; i < ResolutionCount(); ++i)
        if (Values().resolutionEnabled[i]) items.push_back(Fix32Item(ResolutionAt(i)));
    return items;
}

TW_UINT32 Resolution() { return Fix32Item(Settings().DPI); }

TW_UINT16 SetResolution(const AppValue& v)
{
    if (v.conType == TWON_RANGE && !EnableFromRange(v)) return Refuse();
    if (v.conType == TWON_ENUMERATION) EnableFromItems(v);
    return TakeResolution(Fix32Rounded(v.value));
}

void ResetResolution()
{
    EnableAllResolutions();
    TakeResolution(kBuiltInResolution);
}

std::vector<TW_UINT32> SupportedSizes() { return {TWSS_NONE, TWSS_A6, TWSS_BUSINESSCARD}; }

TW_UINT32 SupportedSize()
{
    const ScanSettings& s = Settings();
    for (const SizeFrame& f : kSizeTable) {
        if (f.size == TWSS_NONE) continue;
        if (s.Top == f.top && s.Left == f.left && s.Bottom == f.bottom && s.Right == f.right) return f.size;
    }
    return TWSS_NONE;
}

TW_UINT16 SetSupportedSize(const AppValue& v)
{
    for (const SizeFrame& f : kSizeTable) {
        if (f.size != Low16(v)) continue;
        SetScanFrame(&Settings(), f.top, f.left, f.bottom, f.right);
        return TWRC_SUCCESS;
    }
    return Refuse();
}

void ResetSupportedSize() { SetSupportedSize(AppValue{TWON_ONEVALUE, TWTY_UINT16, TWSS_A6}); }

std::vector<TW_UINT32> BitDepthItems() { return {IsColour() ? 24u : IsGray() ? 8u : 1u}; }

TW_UINT32 BitDepth() { return IsColour() || IsGray() ? 8 : 1; }

TW_UINT16 SetBitDepth(const AppValue& v)
{
    const TW_UINT16 depth = Low16(v);
    const bool accepted = IsColour() ? (depth == 8 || depth == 24) : IsGray() ? depth == 8 : depth == 1;
    if (accepted) return TWRC_SUCCESS;
    if (v.conType == TWON_ENUMERATION && (depth == 1 || depth == 8)) return CheckStatusWith(TWCC_BADVALUE);
    return Refuse();
}

} // namespace caprules
