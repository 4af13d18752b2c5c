// The client's hidden top-level window (the parent the source is given) and
// the message loop that passes every message through MSG_PROCESSEVENT while
// the source is enabled.
#pragma once

#include <windows.h>

#include "TwainSession.h"

class ClientWindow {
public:
    ClientWindow();
    ~ClientWindow();
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// Pumps messages for at most `timeoutMs` (INFINITE: no limit), each first
// offered to the source, until a notification arrives; false on time-out.
// A message the source reports through TW_EVENT.TWMessage counts as a
// notification too.
bool WaitForNotification(TwainSession& session, DWORD timeoutMs, TW_UINT16& msg);
