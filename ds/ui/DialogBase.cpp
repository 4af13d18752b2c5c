#include "ui/DialogBase.h"

#include "session/ModuleHandle.h"
#include "session/ShowMessage.h"

CDialogBase::~CDialogBase()
{
    // A window that outlives its object must not call back into it.
    if (m_hwnd) {
        SetWindowLongPtrA(m_hwnd, DWLP_USER, 0);
        DestroyWindow(m_hwnd);
        m_hwnd = nullptr;
    }
}

HWND CDialogBase::CreateModeless(int templateId, HWND parent)
{
    return CreateDialogParamA(ModuleHandle(), MAKEINTRESOURCEA(templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialogBase::RunModal(int templateId, HWND parent)
{
    return DialogBoxParamA(ModuleHandle(), MAKEINTRESOURCEA(templateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialogBase::SetMessageResult(LRESULT result)
{
    if (m_hwnd)
        SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
}

void CDialogBase::ApplyTopmostRule()
{
    if (m_hwnd && !ForegroundIsThisProcess())
        SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CDialogBase::Centre()
{
    if (!m_hwnd)
        return;
    HWND owner = GetWindow(m_hwnd, GW_OWNER);
    const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor = {sizeof(monitor)};
    GetMonitorInfoA(MonitorFromWindow(overOwner ? owner : m_hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    RECT area = work;
    if (overOwner)
        GetWindowRect(owner, &area);

    RECT rc = {};
    GetWindowRect(m_hwnd, &rc);
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    int x = area.left + ((area.right - area.left) - w) / 2;
    int y = area.top + ((area.bottom - area.top) - h) / 2;
    // A small owner near the edge must not push the dialog off the screen.
    if (x + w > work.right)
        x = work.right - w;
    if (y + h > work.bottom)
        y = work.bottom - h;
    if (x < work.left)
        x = work.left;
    if (y < work.top)
        y = work.top;
    SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A dialog is created with the object as its creation parameter.
    CDialogBase* created = message == WM_INITDIALOG ? reinterpret_cast<CDialogBase*>(lParam) : nullptr;
    return Route(hwnd, message, wParam, lParam, created);
}

INT_PTR CDialogBase::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CDialogBase* created)
{
    if (message == WM_INITDIALOG) {
        CDialogBase* self = created;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        if (!self)
            return TRUE;
        self->m_hwnd = hwnd;
        return self->HandleMessage(message, wParam, lParam);
    }
    auto* self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    if (message == WM_DESTROY) {
        const INT_PTR handled = self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hwnd = nullptr;
        return handled;
    }
    return self->HandleMessage(message, wParam, lParam);
}
