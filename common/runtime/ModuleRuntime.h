// The module-owned pieces of the C++ runtime that every module we ship links
// (common/runtime): per-thread storage and static guards that use Win32 only,
// and the clean-up that runs when the module unloads. Nothing here is called
// by module code; the compiler and the runtime reach it by its ABI names.
#pragma once

namespace tx_runtime {

// Frees the calling thread's thread-local values of this module.
void ReleaseThreadTls();

// Frees every thread's values and the module's TLS slot.
void ReleaseModuleTls();

}  // namespace tx_runtime
