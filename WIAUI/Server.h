// The work behind the module's exports; the exports themselves only call
// these (the tests call them directly, with the resources linked into the
// test program).
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>

namespace tx {
namespace wiaui {

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv);
HRESULT RegisterServer();
HRESULT UnregisterServer();
BOOL EnumPropPages(void* deviceInfo, LPFNADDPROPSHEETPAGE add, LPARAM lParam);

// How EnumStiPropPages reads the Windows version: GetVersionExA unless a
// test installed another (null restores it).
using VersionReader = BOOL (*)(OSVERSIONINFOA* info);
void SetVersionReader(VersionReader reader);

// Full path of the module whose resources are used (%MODULE% in the script).
std::wstring ModulePath();

}  // namespace wiaui
}  // namespace tx
