// What the module keeps process-wide: its instance handle (for resources),
// and the count of live objects and server locks that DllCanUnloadNow reads,
// changed with interlocked operations only.
#pragma once

#include <windows.h>

namespace tx {
namespace wiaui {

// The module whose resources are read: TX380WUI itself, or the test program
// that links the same resource script.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

void ObjectCreated();
void ObjectDestroyed();
void ServerLock(bool lock);

// S_OK when no object and no lock is alive, else S_FALSE.
HRESULT CanUnloadNow();

}  // namespace wiaui
}  // namespace tx
