// Reading an application's container from its bytes: plain C++, shared by the
// data source and the native sanitizer and fuzz builds.
#include "caps/AppContainer.h"

#include <cstring>

namespace {

constexpr size_t kOneValueBytes = 6;
constexpr size_t kEnumerationHeader = 14;
constexpr size_t kRangeBytes = 22;

TW_UINT32 Get16(const uint8_t* p)
{
    uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

TW_UINT32 Get32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

AppContainerRead ReadEnumeration(const uint8_t* p, size_t size, unsigned width, AppValue& out)
{
    if (size < kEnumerationHeader) return AppContainerRead::Unsafe;
    const TW_UINT32 count = Get32(p + 2);
    const TW_UINT32 current = Get32(p + 6);
    // 64-bit arithmetic: a count near 2^32 cannot wrap the size check.
    if (kEnumerationHeader + static_cast<unsigned long long>(count) * width > size) return AppContainerRead::Unsafe;
    out.items.resize(count);
    for (TW_UINT32 i = 0; i < count; ++i) {
        const uint8_t* item = p + kEnumerationHeader + static_cast<size_t>(i) * width;
        out.items[i] = width == 4 ? Get32(item) : Get16(item);
    }
    out.indexValid = count > 0 && current < count;
    out.value = out.indexValid ? out.items[current] : 0;
    return out.indexValid ? AppContainerRead::Ok : AppContainerRead::BadIndex;
}

} // namespace

AppContainerRead ReadAppContainerBytes(TW_UINT16 conType, const uint8_t* p, size_t size, unsigned itemWidth,
                                       AppValue& out)
{
    out = AppValue();
    out.conType = conType;
    if (!p || size < 2) return AppContainerRead::Unsafe;
    out.itemType = static_cast<TW_UINT16>(Get16(p));
    switch (conType) {
    case TWON_ONEVALUE:
        if (size < kOneValueBytes) return AppContainerRead::Unsafe;
        out.value = itemWidth == 4 ? Get32(p + 2) : Get16(p + 2);
        return AppContainerRead::Ok;
    case TWON_ENUMERATION:
        return ReadEnumeration(p, size, itemWidth, out);
    case TWON_RANGE:
        if (size < kRangeBytes) return AppContainerRead::Unsafe;
        out.minValue = Get32(p + 2);
        out.maxValue = Get32(p + 6);
        out.stepSize = Get32(p + 10);
        out.value = Get32(p + 18);
        return AppContainerRead::Ok;
    default:
        return AppContainerRead::Unsafe;
    }
}
