// Fuzz target: reading an application's container. The first byte picks the
// container type and the item width, the rest is the block, read at its
// exact length so that any read past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "caps/AppContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    static const TW_UINT16 kTypes[] = {TWON_ONEVALUE, TWON_ENUMERATION, TWON_RANGE, TWON_ARRAY};
    const TW_UINT16 conType = kTypes[data[0] & 3];
    const unsigned width = (data[0] & 4) ? 4 : 2;
    std::vector<uint8_t> block(data + 1, data + size);
    AppValue value;
    const AppContainerRead r =
        ReadAppContainerBytes(conType, block.empty() ? nullptr : block.data(), block.size(), width, value);
    if (r == AppContainerRead::Ok && conType == TWON_ENUMERATION) {
        if (value.items.empty() || !value.indexValid) std::abort();
    }
    if (r == AppContainerRead::BadIndex && conType != TWON_ENUMERATION) std::abort();
    if (value.conType != conType) std::abort();
    return 0;
}
