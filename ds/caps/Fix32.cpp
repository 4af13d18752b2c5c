#include "caps/Fix32.h"

#include <cmath>

TW_UINT32 Fix32Item(double value)
{
    const double scaled = value * 65536.0;
    const int32_t n = static_cast<int32_t>(scaled < 0 ? -std::floor(-scaled + 0.5) : std::floor(scaled + 0.5));
    const uint32_t bits = static_cast<uint32_t>(n);
    // Whole is the high half of n, Frac the low half; in the item Whole comes first.
    return (bits >> 16) | (bits << 16);
}

double Fix32Value(TW_UINT32 item)
{
    const int16_t whole = static_cast<int16_t>(item & 0xFFFF);
    const uint16_t frac = static_cast<uint16_t>(item >> 16);
    return whole + frac / 65536.0;
}

int32_t Fix32Truncated(TW_UINT32 item) { return static_cast<int32_t>(std::trunc(Fix32Value(item))); }

int32_t Fix32Rounded(TW_UINT32 item) { return static_cast<int32_t>(std::trunc(Fix32Value(item) + 0.5)); }

int32_t Fix32GammaTimes10(TW_UINT32 item) { return static_cast<int32_t>(std::trunc(Fix32Value(item) * 10.0 + 0.5)); }
