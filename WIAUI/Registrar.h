// Runs a parsed registration script against the registry.
//
// Register: a ForceRemove key is deleted with everything below it and made
// again; a Delete key is deleted and not made; every other key is created
// when absent (NoRemove ones too) and gets its values.
// Unregister: a ForceRemove key goes with everything below it; a NoRemove key
// stays, but what the script lists below it is unregistered; a key without a
// flag loses the values the script gave it and is removed once nothing of
// anybody else is left in it (no sub-keys, no values). Absent keys are not an
// error.
#pragma once

#include <windows.h>

#include <vector>

#include "WIAUI/RegistryScript.h"

namespace tx {
namespace wiaui {

// `rootOverride`, when given, stands for every hive the script names (tests
// run scripts below a key of their own). Gives the first failing HRESULT.
HRESULT RunRegistryScript(const std::vector<ScriptRoot>& roots, bool registering, HKEY rootOverride = nullptr);

}  // namespace wiaui
}  // namespace tx
