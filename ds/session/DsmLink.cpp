#include "session/DsmLink.h"

#include "session/DataSourceApp.h"

namespace {

TW_HANDLE TW_CALLINGSTYLE GlobalAllocate(TW_UINT32 size)
{
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
}
void TW_CALLINGSTYLE GlobalRelease(TW_HANDLE h) { GlobalFree(h); }
TW_MEMREF TW_CALLINGSTYLE GlobalLockHandle(TW_HANDLE h) { return GlobalLock(h); }
void TW_CALLINGSTYLE GlobalUnlockHandle(TW_HANDLE h) { GlobalUnlock(h); }

DsmLink g_dsmLink;

// Finds the manager's entry when the manager never handed it over: the 64-bit
// manager first; TWAIN_32.DLL is 32-bit in every real installation and comes
// last, for a manager installed under that name.
const char* const kManagerLibraries[] = {"TWAINDSM.DLL", "TWAIN_32.DLL"};

DSMENTRYPROC ManagerEntry()
{
    DsmLink& link = TheDsmLink();
    if (link.entry) return link.entry;
    for (const char* name : kManagerLibraries) {
        HMODULE module = LoadLibraryA(name);
        if (!module) continue;
        auto entry = reinterpret_cast<DSMENTRYPROC>(reinterpret_cast<void*>(GetProcAddress(module, "DSM_Entry")));
        if (!entry) {
            FreeLibrary(module);
            continue;
        }
        link.managerModule = module;
        link.entry = entry;
        return entry;
    }
    return nullptr;
}

} // namespace

DsmLink::DsmLink() : managerModule(nullptr), entry(nullptr), entryPointsSet(0) { Reset(); }

DsmLink::~DsmLink()
{
    if (managerModule) FreeLibrary(managerModule);
}

void DsmLink::Reset()
{
    allocate = &GlobalAllocate;
    free = &GlobalRelease;
    lock = &GlobalLockHandle;
    unlock = &GlobalUnlockHandle;
    entry = nullptr;
    entryPointsSet = 0;
    if (managerModule) FreeLibrary(managerModule);
    managerModule = nullptr;
}

DsmLink& TheDsmLink() { return g_dsmLink; }

TW_HANDLE DsmAlloc(TW_UINT32 size) { return g_dsmLink.allocate(size); }
void DsmFree(TW_HANDLE handle) { if (handle) g_dsmLink.free(handle); }
void* DsmLock(TW_HANDLE handle) { return g_dsmLink.lock(handle); }
void DsmUnlock(TW_HANDLE handle) { g_dsmLink.unlock(handle); }

TW_UINT16 SendToManager(TW_UINT16 msg)
{
    DSMENTRYPROC entry = ManagerEntry();
    if (!entry) return TWRC_FAILURE;
    CDataSourceApp& app = TheApp();
    return entry(&app.m_dsIdentity, &app.m_appIdentity, DG_CONTROL, DAT_NULL, msg, nullptr);
}
