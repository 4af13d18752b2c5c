// ScannerLibrary: the binding to the scanner driver library TARVX380.dll.
//
// Three kinds of caller use it:
//   - the data source loads the library itself (LoadLibraryA into its own
//     handle) and calls Bind(module): true only when all 21 names were found;
//     the handle stays the caller's to free.
//   - the WIA extension calls Load("TARVX380.dll", SIBindSet::AllButUserData);
//     the binding then owns the module and frees it in Unload, and also when a
//     name is missing.
//   - tests do either.
// Every (re)bind clears all pointers first, so a reload never keeps a pointer
// into a library that is gone. After a failed bind every pointer is null.
#pragma once

#include <windows.h>

#include "common/driver/OpenResult.h"
#include "common/driver/SIInterface.h"

namespace tx {

// Which names a bind requires.
enum class SIBindSet {
    All,             // the 21 names
    AllButUserData,  // every name but SI_UserData (it is still bound when present)
};

class ScannerLibrary {
public:
    static constexpr const char* kFileName = "TARVX380.dll";
    static constexpr int kNameCount = 21;

    ScannerLibrary() = default;
    ~ScannerLibrary();
    ScannerLibrary(const ScannerLibrary&) = delete;
    ScannerLibrary& operator=(const ScannerLibrary&) = delete;

    // Loads the library by name or path and binds it. A library that cannot be
    // loaded, or lacks a required name, is freed; the failure is reported to
    // the debugger output. True when bound.
    bool Load(const char* path = kFileName, SIBindSet set = SIBindSet::All);

    // Binds from a module the caller loaded and keeps owning (never freed
    // here). True when every required name was found; otherwise all bindings
    // are cleared.
    bool Bind(HMODULE module, SIBindSet set = SIBindSet::All);

    // Clears every binding and frees the module if this object loaded it.
    void Unload();

    bool IsBound() const { return m_bound; }
    HMODULE Module() const { return m_module; }
    // The first required name that was not found by the last bind, or null.
    const char* MissingName() const { return m_missing; }

    // The bound functions, named after the exports (null when not bound).
    decltype(&::SI_OpenInterface) SI_OpenInterface = nullptr;
    decltype(&::SI_CloseInterface) SI_CloseInterface = nullptr;
    decltype(&::SI_GetScannerStatus) SI_GetScannerStatus = nullptr;
    decltype(&::SI_GetPaperStatus) SI_GetPaperStatus = nullptr;
    decltype(&::SI_IsCalibrated) SI_IsCalibrated = nullptr;
    decltype(&::SI_GetProperty) SI_GetProperty = nullptr;
    decltype(&::SI_SetProperty) SI_SetProperty = nullptr;
    decltype(&::SI_StartScan) SI_StartScan = nullptr;
    decltype(&::SI_EndScan) SI_EndScan = nullptr;
    decltype(&::SI_ReadImageData) SI_ReadImageData = nullptr;
    decltype(&::SI_FeedPaperOut) SI_FeedPaperOut = nullptr;
    decltype(&::SI_Feed) SI_Feed = nullptr;
    decltype(&::SI_Calibrate) SI_Calibrate = nullptr;
    decltype(&::SI_Clean) SI_Clean = nullptr;
    decltype(&::SI_GetButtonStatus) SI_GetButtonStatus = nullptr;
    decltype(&::SI_Reset) SI_Reset = nullptr;
    decltype(&::SI_Diagnostic) SI_Diagnostic = nullptr;
    decltype(&::SI_GetLastError) SI_GetLastError = nullptr;
    decltype(&::SI_GetLastErrorText) SI_GetLastErrorText = nullptr;
    decltype(&::SI_GetEvent) SI_GetEvent = nullptr;
    decltype(&::SI_UserData) SI_UserData = nullptr;

    // SI_OpenInterface(deviceName) with its result mapped by MapOpenResult;
    // OPEN_OTHER_FAILURE when not bound.
    int OpenInterface(const char* deviceName = "Tarvex380");

private:
    void ClearBindings();

    HMODULE m_module = nullptr;
    bool m_ownsModule = false;
    bool m_bound = false;
    const char* m_missing = nullptr;
};

}  // namespace tx
