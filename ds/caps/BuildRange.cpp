// The range container: item type, then minimum, maximum, step, default and
// current value.
#include "caps/ContainerBlock.h"
#include "caps/ContainerBuilders.h"

TW_UINT16 BuildRange(TW_CAPABILITY& cap, TW_UINT16 itemType, TW_UINT32 minValue, TW_UINT32 maxValue,
                     TW_UINT32 stepSize, TW_UINT32 defaultValue, TW_UINT32 currentValue)
{
    ContainerBlock block(sizeof(TW_RANGE));
    block.Put16(0, itemType);
    block.Put32(2, minValue);
    block.Put32(6, maxValue);
    block.Put32(10, stepSize);
    block.Put32(14, defaultValue);
    block.Put32(18, currentValue);
    return block.HandTo(cap, TWON_RANGE);
}
