// Acts on the dialogs of this thread while the thread pumps messages (modal
// loops and the source's own pumps included): every `periodMs` a thread timer
// looks for visible top-level windows that hold a control `controlId` and
// hands each to `act`, which gives true when it did something.
#pragma once

#include <windows.h>

#include <functional>

class DialogDriver {
public:
    DialogDriver(int controlId, std::function<bool(HWND)> act, UINT periodMs = 50);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // How often `act` gave true.
    int Acted() const { return m_acted; }

    // Clicks a button of a dialog by posting its command.
    static void Press(HWND dialog, int buttonId);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK OnWindow(HWND window, LPARAM self);

    int m_controlId;
    std::function<bool(HWND)> m_act;
    UINT_PTR m_timer = 0;
    int m_acted = 0;
};
