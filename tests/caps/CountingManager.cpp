#include "CountingManager.h"

#include <windows.h>

#include <set>

namespace counting {

namespace {

int g_attempts = 0;
int g_refuseAt = 0;
int g_allocations = 0;
int g_frees = 0;
std::set<TW_HANDLE> g_live;

TW_HANDLE TW_CALLINGSTYLE Allocate(TW_UINT32 size)
{
    if (++g_attempts == g_refuseAt) return nullptr;
    TW_HANDLE h = GlobalAlloc(GMEM_MOVEABLE, size); // not cleared: the source must write every byte it hands over
    if (!h) return nullptr;
    void* p = GlobalLock(h);
    if (p) {
        FillMemory(p, size, 0xCD);
        GlobalUnlock(h);
    }
    ++g_allocations;
    g_live.insert(h);
    return h;
}

void TW_CALLINGSTYLE FreeBlock(TW_HANDLE h)
{
    if (g_live.erase(h)) ++g_frees;
    GlobalFree(h);
}

TW_MEMREF TW_CALLINGSTYLE Lock(TW_HANDLE h) { return GlobalLock(h); }
void TW_CALLINGSTYLE Unlock(TW_HANDLE h) { GlobalUnlock(h); }

TW_UINT16 TW_CALLINGSTYLE Entry(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32, TW_UINT16, TW_UINT16, TW_MEMREF)
{
    return TWRC_SUCCESS;
}

} // namespace

void Reset(int refuseAt)
{
    g_attempts = 0;
    g_refuseAt = refuseAt;
    g_allocations = 0;
    g_frees = 0;
    g_live.clear();
}

void RefuseNext() { g_refuseAt = g_attempts + 1; }
int Allocations() { return g_allocations; }
int Frees() { return g_frees; }
int Live() { return static_cast<int>(g_live.size()); }
bool Owns(TW_HANDLE handle) { return g_live.count(handle) != 0; }
void Free(TW_HANDLE handle) { FreeBlock(handle); }

TW_ENTRYPOINT EntryPoints()
{
    TW_ENTRYPOINT ep{};
    ep.Size = sizeof ep;
    ep.DSM_Entry = &Entry;
    ep.DSM_MemAllocate = &Allocate;
    ep.DSM_MemFree = &FreeBlock;
    ep.DSM_MemLock = &Lock;
    ep.DSM_MemUnlock = &Unlock;
    return ep;
}

} // namespace counting
