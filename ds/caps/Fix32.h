// TW_FIX32 values as they travel inside containers: a 32-bit item whose low
// half is Whole (signed) and whose high half is Frac (the value is
// Whole + Frac / 65536).
#pragma once

#include <cstdint>

#include "twain/Twain.h"

// The item for a value, value x 65536 rounded half away from zero.
TW_UINT32 Fix32Item(double value);
// The value an item stands for.
double Fix32Value(TW_UINT32 item);
// Whole numbers taken from an item: truncated toward zero, or rounded by
// adding 0.5 and truncating.
int32_t Fix32Truncated(TW_UINT32 item);
int32_t Fix32Rounded(TW_UINT32 item);
// Gamma as the settings hold it: value x 10, plus 0.5, truncated.
int32_t Fix32GammaTimes10(TW_UINT32 item);
