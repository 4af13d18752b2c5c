#include "session/Fix32.h"

TW_FIX32 ToFix32(double value)
{
    const int32_t n = static_cast<int32_t>(value * 65536.0 + (value < 0 ? -0.5 : 0.5));
    TW_FIX32 f;
    f.Whole = static_cast<TW_INT16>(n >> 16);
    f.Frac = static_cast<TW_UINT16>(n & 0xFFFF);
    return f;
}

float FromFix32(const TW_FIX32& value)
{
    return static_cast<float>(value.Whole) + static_cast<float>(value.Frac) / 65536.0f;
}
