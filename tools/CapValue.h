// A capability's container as the client reads it: copied out of the block
// the source handed over (checked against the block's size, since the block
// comes from another module), printed, and the one-value blocks the client
// sends with MSG_SET.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "twain/Twain.h"

struct CapValue {
    TW_UINT16 cap = 0;
    TW_UINT16 conType = 0;
    TW_UINT16 itemType = 0;
    std::vector<TW_UINT32> items;   // raw 32-bit items (a FIX32 as its 32 bits)
    std::string text;               // the one value of a string capability
    TW_UINT32 currentIndex = 0;     // enumeration
    TW_UINT32 defaultIndex = 0;
    TW_UINT32 minValue = 0, maxValue = 0, stepSize = 0, defaultValue = 0, currentValue = 0; // range
};

// Size in bytes of one item of a numeric item type; 0 for strings, frames and
// unknown types.
size_t ItemSize(TW_UINT16 itemType);

// Copies the container out of a block of `size` bytes; false with a reason
// when the block is shorter than its header and items claim, an index lies
// outside the items or the item type is not one the client reads.
bool ReadContainer(TW_UINT16 cap, TW_UINT16 conType, const void* block, size_t size, CapValue& out,
                   std::string& error);

// The current value of a container (the one value, the item at CurrentIndex,
// the range's current value); false for arrays and strings.
bool CurrentRaw(const CapValue& v, TW_UINT32& raw);

// One value as text: "TWPT_RGB (2)", "2.2", "TRUE", "-1".
std::string FormatItem(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 raw);
// The whole container, one line: "enumeration of TWTY_UINT16: TWPT_BW (0),
// [TWPT_GRAY (1)], TWPT_RGB (2); default TWPT_BW (0)" (brackets mark the current item).
std::string FormatContainer(const CapValue& v);

// Parses a value the user typed for an item type: a number (decimal point
// allowed for FIX32), TRUE/FALSE/on/off for BOOL, or a value name of the
// capability ("RGB", "TWSX_MEMORY").
bool ParseItem(TW_UINT16 cap, TW_UINT16 itemType, const std::string& text, TW_UINT32& raw);

// TW_FIX32 conversions; raw is the record read as a little-endian 32-bit
// number (Whole in the low half, Frac in the high half); x is encoded by
// rounding half away from zero.
TW_UINT32 Fix32FromDouble(double x);
double Fix32ToDouble(TW_UINT32 raw);

// A 6-byte TW_ONEVALUE block (16-bit items in the low half of Item).
std::vector<uint8_t> OneValueBlock(TW_UINT16 itemType, TW_UINT32 raw);
