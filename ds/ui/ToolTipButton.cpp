#include "ui/ToolTipButton.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x7474;
constexpr int kInitialDelayMs = 200;
constexpr int kAutoPopMs = 8000;
constexpr int kMaxTipWidth = 120;
} // namespace

CToolTipButton::~CToolTipButton()
{
    Detach();
    DestroyToolTip();
}

bool CToolTipButton::Attach(HWND dialog, int id)
{
    Detach();
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    m_hwnd = button;
    SetWindowSubclass(m_hwnd, &Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void CToolTipButton::Detach()
{
    if (m_hwnd && IsWindow(m_hwnd)) RemoveWindowSubclass(m_hwnd, &Proc, kSubclassId);
    m_hwnd = nullptr;
}

void CToolTipButton::DestroyToolTip()
{
    if (m_tooltip && IsWindow(m_tooltip)) DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
}

void CToolTipButton::SetToolTipText(const std::string& text, bool activate)
{
    if (text.empty() || !m_hwnd) return;
    m_text = text;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = m_hwnd;
    tool.uId = 1;
    if (!m_tooltip) {
        m_tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                    reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hwnd, GWLP_HINSTANCE)), nullptr);
        if (!m_tooltip) return;
        SendMessageA(m_tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, kInitialDelayMs);
        SendMessageA(m_tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kAutoPopMs);
        SendMessageA(m_tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    }
    tool.lpszText = const_cast<char*>(m_text.c_str());
    if (SendMessageA(m_tooltip, TTM_GETTOOLCOUNT, 0, 0) > 0) {
        SendMessageA(m_tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        tool.uFlags = TTF_SUBCLASS;
        GetClientRect(m_hwnd, &tool.rect);
        SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(m_tooltip, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

void CToolTipButton::Relay(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_tooltip) return;
    MSG msg = {m_hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageA(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

bool CToolTipButton::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&)
{
    switch (message) {
    case WM_MOUSEMOVE:
        if (!m_tracking) {
            TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, m_hwnd, 1};
            m_tracking = TrackMouseEvent(&track) != FALSE;
        }
        return false;
    case WM_MOUSEHOVER: {
        m_hover = true;
        HWND parent = GetParent(m_hwnd);
        if (parent) SetActiveWindow(GetAncestor(parent, GA_ROOT));
        InvalidateRect(m_hwnd, nullptr, FALSE);
        DestroyToolTip();
        SetToolTipText(m_text, true);
        if (m_tooltip) SendMessageA(m_tooltip, TTM_UPDATE, 0, 0);
        return false;
    }
    case WM_MOUSELEAVE:
        m_hover = false;
        m_tracking = false;
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return false;
    default:
        return false;
    }
}

LRESULT CALLBACK CToolTipButton::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<CToolTipButton*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &Proc, kSubclassId);
        if (self && self->m_hwnd == hwnd) self->m_hwnd = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (self) {
        self->Relay(message, wParam, lParam);
        LRESULT result = 0;
        if (self->OnMessage(message, wParam, lParam, result)) return result;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
