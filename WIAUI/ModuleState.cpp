#include "WIAUI/ModuleState.h"

namespace tx {
namespace wiaui {
namespace {
HINSTANCE g_instance = nullptr;
volatile LONG g_objects = 0;
volatile LONG g_locks = 0;
}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }
void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void ServerLock(bool lock)
{
    if (lock) InterlockedIncrement(&g_locks);
    else InterlockedDecrement(&g_locks);
}

HRESULT CanUnloadNow()
{
    const LONG objects = InterlockedCompareExchange(&g_objects, 0, 0);
    const LONG locks = InterlockedCompareExchange(&g_locks, 0, 0);
    return objects == 0 && locks == 0 ? S_OK : S_FALSE;
}

}  // namespace wiaui
}  // namespace tx
