// TW_FIX32 conversions: x is stored as trunc(x * 65536 + 0.5) (- 0.5 for a
// negative x), the whole part in the high 16 bits.
#pragma once

#include "twain/Twain.h"

TW_FIX32 ToFix32(double value);
float FromFix32(const TW_FIX32& value);
