#include "DialogDriver.h"

namespace {
DialogDriver* g_driver = nullptr;
} // namespace

DialogDriver::DialogDriver(int controlId, std::function<bool(HWND)> act, UINT periodMs)
    : m_controlId(controlId), m_act(std::move(act))
{
    g_driver = this;
    m_timer = SetTimer(nullptr, 0, periodMs, &DialogDriver::OnTimer);
}

DialogDriver::~DialogDriver()
{
    if (m_timer) KillTimer(nullptr, m_timer);
    g_driver = nullptr;
}

void DialogDriver::Press(HWND dialog, int buttonId)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

BOOL CALLBACK DialogDriver::OnWindow(HWND window, LPARAM self)
{
    auto* driver = reinterpret_cast<DialogDriver*>(self);
    if (IsWindowVisible(window) && GetDlgItem(window, driver->m_controlId) && driver->m_act(window))
        ++driver->m_acted;
    return TRUE;
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver) EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::OnWindow, reinterpret_cast<LPARAM>(g_driver));
}
