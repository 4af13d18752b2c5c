// The module's exports: each only hands the call to the server code.
#include <windows.h>
#include <prsht.h>

#include "WIAUI/ModuleState.h"
#include "WIAUI/Server.h"

// Remembers the module for its resources and nothing else: everything that
// needs COM or the still-image service waits for the first use.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        tx::wiaui::SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() { return tx::wiaui::CanUnloadNow(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* ppv) { return tx::wiaui::GetClassObject(clsid, iid, ppv); }

STDAPI DllRegisterServer() { return tx::wiaui::RegisterServer(); }

STDAPI DllUnregisterServer() { return tx::wiaui::UnregisterServer(); }

extern "C" BOOL WINAPI EnumStiPropPages(void* deviceInfo, LPFNADDPROPSHEETPAGE add, LPARAM lParam)
{
    return tx::wiaui::EnumPropPages(deviceInfo, add, lParam);
}
