#include "session/ShowMessage.h"

namespace {
constexpr int kForegroundTries = 5;
constexpr DWORD kForegroundRetryMs = 100;
} // namespace

bool ForegroundIsThisProcess()
{
    HWND foreground = nullptr;
    for (int i = 0; i < kForegroundTries && !foreground; ++i) {
        foreground = GetForegroundWindow();
        if (!foreground && i + 1 < kForegroundTries) Sleep(kForegroundRetryMs);
    }
    DWORD pid = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &pid);
    return pid == GetCurrentProcessId();
}

int ShowMessage(HWND owner, const char* text, const char* caption, UINT style)
{
    if (owner && ForegroundIsThisProcess()) return MessageBoxA(owner, text, caption, style);
    return MessageBoxA(owner, text, caption, style | MB_TOPMOST);
}
