#include "ClientWindow_win.h"

namespace {

const char kClass[] = "TxScanClientWindow";
constexpr DWORD kIdleNudgeMs = 250;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd, msg, wp, lp); }

} // namespace

ClientWindow::ClientWindow()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    m_hwnd = CreateWindowExA(0, kClass, "txscan", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320, 200,
                             nullptr, nullptr, wc.hInstance, nullptr);
}

ClientWindow::~ClientWindow()
{
    if (m_hwnd) DestroyWindow(m_hwnd);
}

bool WaitForNotification(TwainSession& session, DWORD timeoutMs, TW_UINT16& notification)
{
    const DWORD start = GetTickCount();
    DWORD lastNudge = 0;
    for (;;) {
        if (TakeNotification(notification)) return true;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TW_EVENT event{};
            event.pEvent = &msg;
            event.TWMessage = MSG_NULL;
            const TW_UINT16 rc = session.Link().Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
            if (event.TWMessage == MSG_XFERREADY || event.TWMessage == MSG_CLOSEDSREQ ||
                event.TWMessage == MSG_CLOSEDSOK)
                PostNotification(event.TWMessage);
            if (rc != TWRC_DSEVENT) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (TakeNotification(notification)) return true;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (timeoutMs != INFINITE && elapsed >= timeoutMs) return false;
        // A manager without callbacks answers notifications in the next
        // MSG_PROCESSEVENT: make sure there is one now and then even when no
        // window message comes.
        if (elapsed / kIdleNudgeMs != lastNudge) {
            lastNudge = elapsed / kIdleNudgeMs;
            PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        }
        const DWORD wait = timeoutMs == INFINITE ? 100 : (timeoutMs - elapsed < 100 ? timeoutMs - elapsed : 100);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}
