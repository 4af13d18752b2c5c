// The Calibrate and Clean runs that the page's buttons and the context menu
// start. Each loads the driver library itself, opens the scanner, asks for
// the paper with the confirmation dialog (again while none is inserted),
// runs the operation and frees the library. S_OK when the operation
// succeeded or the user declined the dialog; E_FAIL when the library or the
// scanner is missing, the paper status fails or the operation fails.
#pragma once

#include <windows.h>

namespace tx {
namespace wiaui {

HRESULT RunCalibrateFlow(HWND owner);
HRESULT RunCleanFlow(HWND owner);

// The library the runs load: "TARVX380.dll" unless a test named another
// (null restores it).
const char* DriverLibraryName();
void SetDriverLibraryName(const char* name);

}  // namespace wiaui
}  // namespace tx
