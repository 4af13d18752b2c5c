// The catalogue of capabilities: every capability the source answers,
// declared once with its item type, the containers it answers and accepts,
// its current and default values and what setting and resetting it do.
// CAP_SUPPORTEDCAPS, MSG_QUERYSUPPORT and MSG_RESETALL are derived from it.
#pragma once

#include <string>
#include <vector>

#include "caps/AppContainer.h"
#include "twain/Twain.h"

// Containers MSG_SET accepts.
enum CapAccept : uint8_t { kAcceptOne = 1, kAcceptEnum = 2, kAcceptRange = 4 };

// What MSG_GET answers. MSG_GETCURRENT and MSG_GETDEFAULT answer a one value,
// except for arrays and texts, which answer the same container all three times.
enum class CapShape : uint8_t {
    OneValue,
    Enumeration,      // for every application
    EnumerationTwain2,// enumeration for a TWAIN 2 application, one value for an older one
    Range,
    Array,
    Text,             // one value of TWTY_STR255
};

enum CapFlags : uint8_t {
    kCapSetUnsupported = 1, // read only, but MSG_SET answers TWCC_CAPUNSUPPORTED
    kCapOwnIndexCheck = 2,  // the set rule answers a bad enumeration index itself
    kCapUnlisted = 4,       // served, but not in CAP_SUPPORTEDCAPS; no current or default
};

using CapValueFn = TW_UINT32 (*)();
using CapItemsFn = std::vector<TW_UINT32> (*)();
using CapTextFn = std::string (*)();
using CapSetFn = TW_UINT16 (*)(const AppValue& value);
using CapResetFn = void (*)();

struct CapRange {
    int32_t minValue, maxValue, step; // whole numbers (TW_FIX32 items are built from them)
};

struct CapEntry {
    TW_UINT16 id;
    bool imagingOnly;    // exists only while the imaging library is available
    TW_UINT16 itemType;
    CapShape shape;
    CapItemsFn items;    // enumeration or array items; null: the current value alone
    CapRange range;      // CapShape::Range
    CapValueFn current;  // items as they go into a container (TW_FIX32 as items)
    CapValueFn defaultValue;
    CapValueFn enumDefault; // the default a MSG_GET enumeration names, when it differs
    CapTextFn text;      // CapShape::Text
    uint8_t accepts;     // CapAccept bits; 0: read only
    CapSetFn set;
    CapResetFn reset;    // null: MSG_RESET changes nothing
    uint8_t flags;

    bool Settable() const { return accepts != 0; }
    // The MSG_QUERYSUPPORT mask.
    TW_INT32 SupportMask() const;
};

// The listed capabilities, in the order CAP_SUPPORTEDCAPS reports them and
// MSG_RESETALL walks them.
const CapEntry* CapTableBegin();
const CapEntry* CapTableEnd();
size_t CapTableSize();

// The entry of a capability (listed or not); null when the source does not
// know it.
const CapEntry* FindCap(TW_UINT16 id);

// Whether the capability exists now (imaging-only ones need the library).
bool CapAvailable(const CapEntry& entry);

// CAP_SUPPORTEDCAPS: the listed ids that exist now, in table order.
std::vector<TW_UINT32> SupportedCapIds();
