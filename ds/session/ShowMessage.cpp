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

UINT MessageBoxStyle(bool hasOwner, bool foregroundIsThisProcess, UINT style)
{
    return hasOwner && foregroundIsThisProcess ? style : style | MB_TOPMOST;
}

int ShowMessage(HWND owner, const char* text, const char* caption, UINT style)
{
    // The foreground is looked up only when it can matter.
    const bool ours = owner != nullptr && ForegroundIsThisProcess();
    return MessageBoxA(owner, text, caption, MessageBoxStyle(owner != nullptr, ours, style));
}
