#include "common/driver/ScannerLibrary.h"

#include <string>

namespace tx {

namespace {

// Finds one export and stores it in its typed pointer.
template <typename Fn>
bool BindOne(HMODULE module, const char* name, Fn& target)
{
    FARPROC proc = GetProcAddress(module, name);
    target = reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
    return proc != nullptr;
}

}  // namespace

ScannerLibrary::~ScannerLibrary()
{
    Unload();
}

void ScannerLibrary::ClearBindings()
{
    SI_OpenInterface = nullptr;
    SI_CloseInterface = nullptr;
    SI_GetScannerStatus = nullptr;
    SI_GetPaperStatus = nullptr;
    SI_IsCalibrated = nullptr;
    SI_GetProperty = nullptr;
    SI_SetProperty = nullptr;
    SI_StartScan = nullptr;
    SI_EndScan = nullptr;
    SI_ReadImageData = nullptr;
    SI_FeedPaperOut = nullptr;
    SI_Feed = nullptr;
    SI_Calibrate = nullptr;
    SI_Clean = nullptr;
    SI_GetButtonStatus = nullptr;
    SI_Reset = nullptr;
    SI_Diagnostic = nullptr;
    SI_GetLastError = nullptr;
    SI_GetLastErrorText = nullptr;
    SI_GetEvent = nullptr;
    SI_UserData = nullptr;
    m_bound = false;
}

void ScannerLibrary::Unload()
{
    ClearBindings();
    if (m_module != nullptr && m_ownsModule)
        FreeLibrary(m_module);
    m_module = nullptr;
    m_ownsModule = false;
    m_missing = nullptr;
}

bool ScannerLibrary::Load(const char* path, SIBindSet set)
{
    Unload();
    if (path == nullptr)
        return false;
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr) {
        std::string text = "Could not load DLL using pathname: ";
        text += path;
        OutputDebugStringA(text.c_str());
        return false;
    }
    if (!Bind(module, set)) {
        OutputDebugStringA("One or more DLL functions could not be linked.");
        FreeLibrary(module);
        m_module = nullptr;
        return false;
    }
    m_ownsModule = true;
    return true;
}

bool ScannerLibrary::Bind(HMODULE module, SIBindSet set)
{
    // Drop what an earlier bind left, without freeing a module the caller owns.
    if (m_module != nullptr && m_ownsModule)
        FreeLibrary(m_module);
    m_ownsModule = false;
    m_module = nullptr;
    ClearBindings();
    m_missing = nullptr;
    if (module == nullptr)
        return false;

    bool ok = true;
    auto need = [&](const char* name, auto& target, bool required) {
        if (!BindOne(module, name, target) && required) {
            if (m_missing == nullptr)
                m_missing = name;
            ok = false;
        }
    };
    need("SI_OpenInterface", SI_OpenInterface, true);
    need("SI_CloseInterface", SI_CloseInterface, true);
    need("SI_GetScannerStatus", SI_GetScannerStatus, true);
    need("SI_GetPaperStatus", SI_GetPaperStatus, true);
    need("SI_IsCalibrated", SI_IsCalibrated, true);
    need("SI_GetProperty", SI_GetProperty, true);
    need("SI_SetProperty", SI_SetProperty, true);
    need("SI_StartScan", SI_StartScan, true);
    need("SI_EndScan", SI_EndScan, true);
    need("SI_ReadImageData", SI_ReadImageData, true);
    need("SI_FeedPaperOut", SI_FeedPaperOut, true);
    need("SI_Feed", SI_Feed, true);
    need("SI_Calibrate", SI_Calibrate, true);
    need("SI_Clean", SI_Clean, true);
    need("SI_GetButtonStatus", SI_GetButtonStatus, true);
    need("SI_Reset", SI_Reset, true);
    need("SI_Diagnostic", SI_Diagnostic, true);
    need("SI_GetLastError", SI_GetLastError, true);
    need("SI_GetLastErrorText", SI_GetLastErrorText, true);
    need("SI_GetEvent", SI_GetEvent, true);
    need("SI_UserData", SI_UserData, set == SIBindSet::All);

    if (!ok) {
        const char* missing = m_missing;
        ClearBindings();
        m_missing = missing;
        return false;
    }
    m_module = module;
    m_bound = true;
    return true;
}

int ScannerLibrary::OpenInterface(const char* deviceName)
{
    if (!m_bound)
        return OPEN_OTHER_FAILURE;
    return MapOpenResult(SI_OpenInterface(deviceName));
}

}  // namespace tx
