// The builders of the containers handed to the application, one per container
// type. Each makes one block with the manager's allocator, stores it with its
// ConType in the application's TW_CAPABILITY and returns a TWRC_ value; when
// no block can be had, TWCC_LOWMEMORY and no handle is stored.
#pragma once

#include <vector>

#include "twain/Twain.h"

// Bytes of one item of a numeric item type: 2 for the 16-bit types, 4 for
// the 32-bit ones (TW_FIX32 included).
unsigned ItemSize(TW_UINT16 itemType);

// TW_ONEVALUE, 6 bytes; 16-bit types use the low half of value.
TW_UINT16 BuildOneValue(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 value);

// TW_ONEVALUE holding a TWTY_STR255 text: 262 bytes, the text cut to 255
// characters and always terminated.
TW_UINT16 BuildOneString(TW_CAPABILITY& cap, TW_UINT16 itemType, const char* text);

// TW_ENUMERATION of 16- or 32-bit items: 16 + count x item size bytes. The
// current and default indices come from the values (EnumerationIndex).
TW_UINT16 BuildEnumeration16(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items,
                             TW_UINT32 current, TW_UINT32 defaultValue);
TW_UINT16 BuildEnumeration32(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items,
                             TW_UINT32 current, TW_UINT32 defaultValue);

// The index an enumeration names for a value: of the items from the last
// down to the second, the lowest one equal to the value; 0 when none is.
// Items compare on their low 16 bits when not wide.
TW_UINT32 EnumerationIndex(const std::vector<TW_UINT32>& items, TW_UINT32 value, bool wide);

// TW_RANGE, 22 bytes.
TW_UINT16 BuildRange(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 minValue, TW_UINT32 maxValue,
                     TW_UINT32 stepSize, TW_UINT32 defaultValue, TW_UINT32 currentValue);

// TW_ARRAY of 16- or 32-bit items: 8 + count x item size bytes.
TW_UINT16 BuildArray16(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items);
TW_UINT16 BuildArray32(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items);
