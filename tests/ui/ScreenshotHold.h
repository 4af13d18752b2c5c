// Holds a window on screen for a screenshot when TX_UI_PAUSE_MS is set,
// pumping this thread's messages meanwhile.
#pragma once

#include <windows.h>

#include <cstdlib>

inline void HoldForScreenshot()
{
    if (const char* pause = std::getenv("TX_UI_PAUSE_MS")) {
        const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(pause));
        while (static_cast<LONG>(GetTickCount() - until) < 0) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(10);
        }
    }
}
