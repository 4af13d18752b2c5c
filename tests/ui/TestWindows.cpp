#include "TestWindows.h"

namespace {
constexpr char kRecorderClass[] = "TxUiTestRecorder";
}

OwnerWindow::OwnerWindow()
{
    m_hwnd = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 200, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(m_hwnd);
}

OwnerWindow::~OwnerWindow()
{
    if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

RecorderWindow::RecorderWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kRecorderClass;
    RegisterClassA(&wc); // fails harmlessly when already registered
    m_menu = CreateMenu();
    AppendMenuA(m_menu, MF_STRING, 100, "&File");
    m_hwnd = CreateWindowExA(0, kRecorderClass, "recorder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200,
                             nullptr, m_menu, GetModuleHandleA(nullptr), this);
}

RecorderWindow::~RecorderWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd); // destroys the menu with it
}

int RecorderWindow::Count(UINT message, WPARAM wParam) const
{
    int n = 0;
    for (const MSG& m : m_received)
        n += (m.message == message && m.wParam == wParam) ? 1 : 0;
    return n;
}

int RecorderWindow::Count(UINT message) const
{
    int n = 0;
    for (const MSG& m : m_received)
        n += m.message == message ? 1 : 0;
    return n;
}

LRESULT CALLBACK RecorderWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecorderWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        MSG m = {};
        m.hwnd = hwnd;
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        self->m_received.push_back(m);
    }
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR || message == WM_SYSCOMMAND)
        return 0;
    if (message == WM_NCDESTROY)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms, bool pump)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= ms)
            return false;
        if (pump) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        Sleep(10);
    }
}
