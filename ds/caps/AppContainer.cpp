#include "caps/AppContainer.h"

#include <windows.h>

#include "session/DsmLink.h"

AppContainerRead ReadAppContainer(const TW_CAPABILITY& cap, unsigned itemWidth, AppValue& out)
{
    out = AppValue();
    out.conType = cap.ConType;
    if (!cap.hContainer) return AppContainerRead::Unsafe;
    // Handles of the manager's allocator are global memory blocks; a handle
    // that is none has no size.
    const size_t size = GlobalSize(cap.hContainer);
    if (size == 0) return AppContainerRead::Unsafe;
    DsmLockedHandle lock(cap.hContainer);
    const auto* p = static_cast<const uint8_t*>(lock.get());
    if (!p) return AppContainerRead::Unsafe;
    return ReadAppContainerBytes(cap.ConType, p, size, itemWidth, out);
}
