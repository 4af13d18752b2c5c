// The seam between the session and the property sheet: enabling with the
// dialog opens the sheet through these calls, MSG_PROCESSEVENT hands it the
// application's messages, disabling and closing close it. The calls in force
// are the property sheet's (DefaultScanSheetCalls, ds/ui); tests may install
// their own.
#pragma once

#include <windows.h>

struct ScanSheetCalls {
    // Opens the modeless sheet over `parent` at `page` (0 Pre-set, 1 Custom
    // Settings); settingsOnly for MSG_ENABLEDSUIONLY. False when it could not
    // be created.
    bool (*open)(HWND parent, int page, bool settingsOnly);
    // Closes the sheet if it is open (its parent is enabled again).
    void (*close)();
    // The sheet's window, or null when there is none.
    HWND (*window)();
    // Pre-translation and dialog-message processing of one message; true
    // when the sheet consumed it.
    bool (*translate)(MSG* message);
};

// The property sheet's own calls.
const ScanSheetCalls* DefaultScanSheetCalls();

// Installs the sheet's calls (null: no sheet can be made); gives the ones in
// force before.
const ScanSheetCalls* SetScanSheetCalls(const ScanSheetCalls* calls);

bool OpenScanSheet(HWND parent, int page, bool settingsOnly);
void CloseScanSheet();
HWND ScanSheetWindow();
bool TranslateSheetMessage(MSG* message);
