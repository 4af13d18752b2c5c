// Reading the container an application sends with MSG_SET. The container is
// the application's: it is checked before anything is read (a handle, a block
// at least as long as its header and items claim), read between lock and
// unlock, and never freed here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "twain/Twain.h"

struct AppValue {
    TW_UINT16 conType = 0;
    TW_UINT16 itemType = 0;
    // The value to take: a one value's Item, the enumeration item at
    // CurrentIndex, a range's CurrentValue (16-bit items zero-extended).
    TW_UINT32 value = 0;
    // Enumeration: every item, and whether CurrentIndex named one of them.
    std::vector<TW_UINT32> items;
    bool indexValid = true;
    // Range.
    TW_UINT32 minValue = 0;
    TW_UINT32 maxValue = 0;
    TW_UINT32 stepSize = 0;
};

enum class AppContainerRead {
    Ok,
    BadIndex, // an enumeration without items or whose CurrentIndex is not below NumItems
    Unsafe,   // no handle, a block that cannot be locked, or one shorter than it claims
};

// Reads a one value, enumeration or range whose items are itemWidth bytes
// (2 or 4) wide.
AppContainerRead ReadAppContainer(const TW_CAPABILITY& cap, unsigned itemWidth, AppValue& out);

// The same over the container's bytes, already locked: `size` is the length
// of the block at `p`. Plain C++, without the manager's handles.
AppContainerRead ReadAppContainerBytes(TW_UINT16 conType, const uint8_t* p, size_t size, unsigned itemWidth,
                                       AppValue& out);
