// What the module does once, at its first use (the first class-factory
// request or EnumStiPropPages) and never while it is being loaded: a load
// runs under the loader lock, where calling into COM and the still-image
// service can deadlock a shell. It reads CShellExt's class id from the
// registration script and seeds the prefeed defaults in the device values.
#pragma once

#include <windows.h>

namespace tx {
namespace wiaui {

// Runs the first-use work exactly once per process; other threads that ask
// at the same time wait for it.
void EnsureFirstUse();

// CShellExt's class id as read from the script; null when the script is
// missing or names none (no factory then answers for it).
const CLSID* ShellExtClassId();

}  // namespace wiaui
}  // namespace tx
