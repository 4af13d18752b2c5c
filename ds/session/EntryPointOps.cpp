// DAT_ENTRYPOINT: the manager hands over its DSM_Entry and memory functions.
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Operations.h"
#include "session/StateTable.h"

TW_UINT16 DsEntryPointSet(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::EntryPoint)) return TWRC_FAILURE;
    if (!data) return FailNullRecord();
    const auto* ep = static_cast<const TW_ENTRYPOINT*>(data);
    if (ep->Size < sizeof(TW_ENTRYPOINT)) return TheApp().Fail(TWCC_BUMMER);
    // A manager that hands over a partial set of functions would leave us
    // mixing allocators; such a record is refused like a short one.
    if (!ep->DSM_MemAllocate || !ep->DSM_MemFree || !ep->DSM_MemLock || !ep->DSM_MemUnlock)
        return TheApp().Fail(TWCC_BUMMER);
    DsmLink& link = TheDsmLink();
    link.entry = ep->DSM_Entry;
    link.allocate = ep->DSM_MemAllocate;
    link.free = ep->DSM_MemFree;
    link.lock = ep->DSM_MemLock;
    link.unlock = ep->DSM_MemUnlock;
    link.entryPointsSet = 1;
    return TWRC_SUCCESS;
}
