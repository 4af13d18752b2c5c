// The module's one binding of the scanner driver library. Opening the source
// loads and binds it; the scan sequence, calibration and the lamp use it.
// The library's module handle (CDataSourceApp::m_hDriver) has one owner:
// LoadDriver and FreeDriver here are the only places that load or free it.
#pragma once

#include "common/driver/ScannerLibrary.h"

tx::ScannerLibrary& TheScanner();

enum DriverLoad {
    kDriverBound = 0,      // loaded and every function bound
    kDriverNotLoaded = 1,  // the library could not be loaded
    kDriverIncomplete = 2, // loaded, but a function is missing (already freed again)
};

// Loads TARVX380.dll afresh (freeing any earlier one first) and binds it.
DriverLoad LoadDriver();
// Clears the binding and frees the library; nothing when none is loaded.
void FreeDriver();

// The file LoadDriver loads: TARVX380.dll, unless a test named another
// (null restores the real one).
void SetDriverFileForTests(const char* fileName);
