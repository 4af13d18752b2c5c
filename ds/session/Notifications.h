// How the source tells the application that it wants to be closed after the
// last page: the registered wake-up message "Tarvex380" reaches the
// application's message loop, which hands it to MSG_PROCESSEVENT, where the
// pending close request is sent as MSG_CLOSEDSREQ.
#pragma once

#include <windows.h>

#include "twain/Twain.h"

// Set when the last page was ended; the next MSG_PROCESSEVENT without a sheet
// in state 5 sends MSG_CLOSEDSREQ. Cleared at every enable and once acted on.
extern bool g_closeRequestPending;

// The registered window message "Tarvex380" (registered on first use).
UINT WakeUpMessage();

// Posts the wake-up message (both parameters 0). It goes to `parent` when
// that is a window of this process; otherwise (the desktop window given for a
// null hParent, another process's window, none) to the calling thread's
// queue, so that the application's own loop still receives it.
void PostWakeUp(HWND parent);

// Applications that must not be asked to close from an event: Manufacturer
// "Sun Microsystems" with ProductName "Office", and "TWAIN Working Group"
// with "TWAIN Certification" (exact comparisons).
bool IsCloseRequestExcepted(const TW_IDENTITY* origin);

// Acts on a pending close request for `origin`: sends MSG_CLOSEDSREQ unless
// the application is excepted, and clears the flag either way.
void SendPendingCloseRequest(const TW_IDENTITY* origin);
