#include "ui/ContinueScanDlg.h"

#include <cstdio>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/ScannerChecks.h"
#include "session/ShowMessage.h"
#include "ui/resource.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

DWORD TickNow() { return GetTickCount(); }
bool PaperNow() { return IsPaperPresent(); }
void PauseFor(DWORD ms) { Sleep(ms); }

} // namespace

const ContinueScanEnvironment& DefaultContinueScanEnvironment()
{
    static const ContinueScanEnvironment env = {&TickNow, &PaperNow, &PauseFor};
    return env;
}

CContinueScanDlg::CContinueScanDlg(const ContinueScanEnvironment& env) : m_env(env) {}

int CContinueScanDlg::Run(HWND owner)
{
    return RunModal(IDD_CONTINUE_SCAN, owner) == IDOK ? IDOK : IDCANCEL;
}

void CContinueScanDlg::ShowSeconds(int seconds)
{
    m_secondsShown = seconds;
    char text[128];
    std::snprintf(text, sizeof text, m_format.c_str(), seconds);
    SetDlgItemTextA(m_hwnd, IDC_CONTINUE_COUNTDOWN, text);
}

void CContinueScanDlg::OnInitDialog()
{
    using namespace tx::dstext;
    SetWindowTextA(m_hwnd, kMessageCaption);
    SetDlgItemTextA(m_hwnd, IDC_CONTINUE_TEXT, tx::DsText(kTxtInsertNextDocument).c_str());
    SetDlgItemTextA(m_hwnd, IDCANCEL, tx::DsText(kTxtFinish).c_str());
    m_format = tx::DsText(kTxtSecondsLeft);
    ShowSeconds(kContinueScanSeconds);
    m_deadline = m_env.now() + kContinueScanSeconds * 1000;
    SetTimer(m_hwnd, kTimerId, kContinueScanTickMs, nullptr);
    ApplyTopmostRule();
}

void CContinueScanDlg::End(int result)
{
    KillTimer(m_hwnd, kTimerId);
    EndDialog(m_hwnd, result);
}

void CContinueScanDlg::OnTick()
{
    int32_t remaining = static_cast<int32_t>(m_deadline - m_env.now() + 500) / 1000;
    if (remaining < 0) remaining = 0; // a late tick never shows a negative count
    if (remaining != m_secondsShown) ShowSeconds(remaining);
    if (m_env.paperPresent()) {
        m_env.pause(kContinueScanPaperPauseMs);
        End(IDOK);
    } else if (remaining <= 0) {
        End(IDCANCEL);
    }
}

INT_PTR CContinueScanDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_TIMER:
        if (wParam != kTimerId) return FALSE;
        OnTick();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            End(LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}
