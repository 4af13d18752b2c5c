// The enumeration container: item type, count, current and default index,
// then the items.
#include "caps/ContainerBlock.h"
#include "caps/ContainerBuilders.h"

namespace {

constexpr TW_UINT32 kHeaderBytes = 14;
constexpr TW_UINT32 kSpareBytes = 2;

TW_UINT16 BuildEnumeration(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items,
                           TW_UINT32 current, TW_UINT32 defaultValue, unsigned width)
{
    const TW_UINT32 count = static_cast<TW_UINT32>(items.size());
    ContainerBlock block(kHeaderBytes + kSpareBytes + count * width);
    block.Put16(0, itemType);
    block.Put32(2, count);
    block.Put32(6, EnumerationIndex(items, current, width == 4));
    block.Put32(10, EnumerationIndex(items, defaultValue, width == 4));
    for (TW_UINT32 i = 0; i < count; ++i) {
        if (width == 4)
            block.Put32(kHeaderBytes + 4 * i, items[i]);
        else
            block.Put16(kHeaderBytes + 2 * i, items[i]);
    }
    return block.HandTo(cap, TWON_ENUMERATION);
}

} // namespace

TW_UINT32 EnumerationIndex(const std::vector<TW_UINT32>& items, TW_UINT32 value, bool wide)
{
    const TW_UINT32 mask = wide ? 0xFFFFFFFFu : 0xFFFFu;
    TW_UINT32 index = 0;
    for (size_t i = items.size(); i-- > 1;)
        if ((items[i] & mask) == (value & mask)) index = static_cast<TW_UINT32>(i);
    return index;
}

TW_UINT16 BuildEnumeration16(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items,
                             TW_UINT32 current, TW_UINT32 defaultValue)
{
    return BuildEnumeration(cap, itemType, items, current, defaultValue, 2);
}

TW_UINT16 BuildEnumeration32(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items,
                             TW_UINT32 current, TW_UINT32 defaultValue)
{
    return BuildEnumeration(cap, itemType, items, current, defaultValue, 4);
}
