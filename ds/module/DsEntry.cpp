// The module's exports: DllMain remembers the module handle, DS_Entry finds
// the operation for the triplet and delegates. No exception leaves DS_Entry.
#include <windows.h>

#include <new>

#include "session/DataSourceApp.h"
#include "session/ModuleHandle.h"
#include "session/Router.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleHandle(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" TW_UINT16 TW_CALLINGSTYLE DS_Entry(TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat,
                                              TW_UINT16 msg, TW_MEMREF data)
{
    try {
        return Dispatch(origin, dg, dat, msg, data);
    } catch (const std::bad_alloc&) {
        return TheApp().Fail(TWCC_LOWMEMORY);
    } catch (...) {
        return TheApp().Fail(TWCC_BUMMER);
    }
}
