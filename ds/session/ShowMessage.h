// The module's one message-box routine. A box whose owner belongs to the
// foreground process is an ordinary owned box; otherwise the box is made
// topmost so that it is not hidden behind another program's window.
#pragma once

#include <windows.h>

constexpr char kMessageCaption[] = "Tarvex 380";

int ShowMessage(HWND owner, const char* text, const char* caption, UINT style);

// The style a box is shown with: MB_TOPMOST is added unless an owner is given
// and the foreground window belongs to this process.
UINT MessageBoxStyle(bool hasOwner, bool foregroundIsThisProcess, UINT style);

// Whether the process of the foreground window is this process. Looks for a
// foreground window up to five times, 100 ms apart; none counts as another
// process.
bool ForegroundIsThisProcess();
