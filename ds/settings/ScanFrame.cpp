// Clamping of the scan frame to the device's scan area.
#include "settings/ScanSettings.h"

namespace {

int32_t Clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The far edge keeps at least `minSize` from the near edge and stays inside
// the area.
int32_t ClampFarEdge(int32_t farEdge, int32_t nearEdge, int32_t minSize, int32_t limit)
{
    if (farEdge < nearEdge + minSize) return nearEdge + minSize;
    if (farEdge > limit) return limit;
    return farEdge;
}

} // namespace

bool SetScanFrame(ScanSettings* record, int32_t top, int32_t left, int32_t bottom, int32_t right)
{
    const int32_t t = Clamp(top, 0, kScanAreaLength - kMinFrameLength);
    const int32_t b = ClampFarEdge(bottom, t, kMinFrameLength, kScanAreaLength);
    const int32_t l = Clamp(left, 0, kScanAreaWidth - kMinFrameWidth);
    const int32_t r = ClampFarEdge(right, l, kMinFrameWidth, kScanAreaWidth);
    record->Top = static_cast<int16_t>(t);
    record->Left = static_cast<int16_t>(l);
    record->Bottom = static_cast<int16_t>(b);
    record->Right = static_cast<int16_t>(r);
    return t != top || l != left || b != bottom || r != right;
}
