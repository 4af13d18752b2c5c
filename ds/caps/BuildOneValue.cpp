// The one-value container, numeric and text.
#include "caps/ContainerBlock.h"
#include "caps/ContainerBuilders.h"

namespace {
constexpr TW_UINT32 kOneValueBytes = 6;
constexpr TW_UINT32 kStringField = 256;
constexpr TW_UINT32 kOneStringBytes = 2 + kStringField;
constexpr TW_UINT32 kStringSpare = 4; // the block is 262 bytes: two words beyond the field
} // namespace

unsigned ItemSize(TW_UINT16 itemType)
{
    switch (itemType) {
    case TWTY_INT32:
    case TWTY_UINT32:
    case TWTY_FIX32: return 4;
    default: return 2;
    }
}

TW_UINT16 BuildOneValue(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 value)
{
    ContainerBlock block(kOneValueBytes);
    block.Put16(0, itemType);
    block.Put32(2, ItemSize(itemType) == 2 ? (value & 0xFFFF) : value);
    return block.HandTo(cap, TWON_ONEVALUE);
}

TW_UINT16 BuildOneString(TW_CAPABILITY& cap, TW_UINT16 itemType, const char* text)
{
    ContainerBlock block(kOneStringBytes + kStringSpare);
    block.Put16(0, itemType);
    TW_UINT32 length = 0;
    while (text && length < kStringField - 1 && text[length] != '\0') ++length;
    if (length) block.PutBytes(2, text, length); // the zero after it is the cleared block
    return block.HandTo(cap, TWON_ONEVALUE);
}
