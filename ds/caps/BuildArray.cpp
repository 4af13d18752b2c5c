// The array container: item type, count, then the items.
#include "caps/ContainerBlock.h"
#include "caps/ContainerBuilders.h"

namespace {

constexpr TW_UINT32 kHeaderBytes = 6;
constexpr TW_UINT32 kSpareBytes = 2;

TW_UINT16 BuildArray(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items, unsigned width)
{
    const TW_UINT32 count = static_cast<TW_UINT32>(items.size());
    ContainerBlock block(kHeaderBytes + kSpareBytes + count * width);
    block.Put16(0, itemType);
    block.Put32(2, count);
    for (TW_UINT32 i = 0; i < count; ++i) {
        if (width == 4)
            block.Put32(kHeaderBytes + 4 * i, items[i]);
        else
            block.Put16(kHeaderBytes + 2 * i, items[i]);
    }
    return block.HandTo(cap, TWON_ARRAY);
}

} // namespace

TW_UINT16 BuildArray16(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items)
{
    return BuildArray(cap, itemType, items, 2);
}

TW_UINT16 BuildArray32(TW_CAPABILITY& cap, TW_UINT16 itemType, const std::vector<TW_UINT32>& items)
{
    return BuildArray(cap, itemType, items, 4);
}
