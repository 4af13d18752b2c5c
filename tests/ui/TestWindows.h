// Windows the dialog tests need around the dialogs: a foreground owner, and a
// window that records the messages dispatched to it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// A visible top-level window of this process, brought to the foreground.
class OwnerWindow {
public:
    OwnerWindow();
    ~OwnerWindow();
    HWND Get() const { return m_hwnd; }
    void Release() { m_hwnd = nullptr; } // destroyed elsewhere

private:
    HWND m_hwnd = nullptr;
};

// A window with a menu that records every message its procedure receives;
// system keys are recorded and swallowed, so a fault cannot enter a menu
// loop and hold the test.
class RecorderWindow {
public:
    RecorderWindow();
    ~RecorderWindow();
    HWND Get() const { return m_hwnd; }
    const std::vector<MSG>& Received() const { return m_received; }
    int Count(UINT message, WPARAM wParam) const;
    int Count(UINT message) const;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
    HMENU m_menu = nullptr;
    std::vector<MSG> m_received;
};

// Polls `done` every 10 ms for up to `ms` milliseconds, pumping this
// thread's messages when `pump` is set.
bool WaitUntil(const std::function<bool()>& done, DWORD ms, bool pump = false);
