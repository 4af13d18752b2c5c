#include "WIAUI/Server.h"

#include <oleauto.h>

#include <vector>

#include "WIAUI/AdvancedPage.h"
#include "WIAUI/ClassFactory.h"
#include "WIAUI/ClassIds.h"
#include "WIAUI/FirstUse.h"
#include "WIAUI/ModuleState.h"
#include "WIAUI/Registrar.h"
#include "WIAUI/RegistryScript.h"
#include "WIAUI/ScriptResource.h"
#include "WIAUI/ShellExt.h"
#include "WIAUI/WiaUIExtension.h"

namespace tx {
namespace wiaui {
namespace {

BOOL SystemVersion(OSVERSIONINFOA* info)
{
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    return GetVersionExA(info);
}

VersionReader g_versionReader = SystemVersion;

// The versions whose still-image control panel collects pages through
// EnumStiPropPages: 5.0 and 4.10.
bool IsPagesVersion(const OSVERSIONINFOA& v)
{
    return (v.dwMajorVersion == 5 && v.dwMinorVersion == 0) || (v.dwMajorVersion == 4 && v.dwMinorVersion == 10);
}

HRESULT RunScript(bool registering)
{
    std::string text;
    if (!LoadRegistryScript(ModuleInstance(), text)) return HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND);
    const std::wstring path = ModulePath();
    if (path.empty()) return E_FAIL;
    std::wstring wide(text.begin(), text.end());  // the script is ASCII
    const ScriptVariables variables = {{L"MODULE", path}};
    std::vector<ScriptRoot> roots;
    if (!ParseRegistryScript(wide, variables, roots)) return DISP_E_EXCEPTION;
    return RunRegistryScript(roots, registering);
}

HRESULT RegisterTypeLibrary()
{
    std::wstring path = ModulePath();
    if (path.empty()) return E_FAIL;
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    hr = RegisterTypeLib(library, &path[0], nullptr);
    library->Release();
    return hr;
}

}  // namespace

std::wstring ModulePath()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::wstring();
    return std::wstring(path, n);
}

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    EnsureFirstUse();
    const CLSID* shellExt = ShellExtClassId();
    if (shellExt && IsEqualCLSID(clsid, *shellExt)) return ClassFactory::Provide(CShellExt::Create, iid, ppv);
    if (IsEqualCLSID(clsid, kClsidUIExtension)) return ClassFactory::Provide(CWiaUIExtension::Create, iid, ppv);
    return CLASS_E_CLASSNOTAVAILABLE;
}

// In the order of the object map: CShellExt registers nothing of its own,
// CWiaUIExtension runs the script; then the type library.
HRESULT RegisterServer()
{
    const HRESULT hr = RunScript(true);
    if (FAILED(hr)) return hr;
    return RegisterTypeLibrary();
}

// The type library stays registered.
HRESULT UnregisterServer() { return RunScript(false); }

BOOL EnumPropPages(void*, LPFNADDPROPSHEETPAGE add, LPARAM lParam)
{
    EnsureFirstUse();
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!g_versionReader(&version) || !IsPagesVersion(version)) return FALSE;
    return AddAdvancedPage(add, lParam) == S_OK ? TRUE : FALSE;
}

void SetVersionReader(VersionReader reader) { g_versionReader = reader ? reader : SystemVersion; }

}  // namespace wiaui
}  // namespace tx
