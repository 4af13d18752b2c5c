#include "WIAUI/FirstUse.h"

#include <string>

#include "WIAUI/ModuleState.h"
#include "WIAUI/ScriptResource.h"
#include "WIAUI/Settings.h"

namespace tx {
namespace wiaui {
namespace {

INIT_ONCE g_once = INIT_ONCE_STATIC_INIT;
CLSID g_shellExtClsid = {};
bool g_haveShellExtClsid = false;

BOOL CALLBACK RunOnce(PINIT_ONCE, PVOID, PVOID*)
{
    std::string script;
    if (LoadRegistryScript(ModuleInstance(), script))
        g_haveShellExtClsid = ShellExtClassIdFromScript(script.data(), script.size(), g_shellExtClsid);
    TheSTISettings().SeedDefaults();
    return TRUE;
}

}  // namespace

void EnsureFirstUse() { InitOnceExecuteOnce(&g_once, RunOnce, nullptr, nullptr); }

const CLSID* ShellExtClassId()
{
    EnsureFirstUse();
    return g_haveShellExtClsid ? &g_shellExtClsid : nullptr;
}

}  // namespace wiaui
}  // namespace tx
