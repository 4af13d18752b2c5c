// The continue-scan dialog of a continuous scan (template 333): shown
// modally after each page, it counts 15 seconds down in 250 ms ticks, ends by
// itself with IDOK half a second after paper is detected, and with IDCANCEL
// on Finish, Escape, the close box or when the time is up.
#pragma once

#include <windows.h>

#include <string>

#include "ui/DialogBase.h"

constexpr int kContinueScanSeconds = 15;
constexpr UINT kContinueScanTickMs = 250;
// The pause after paper is detected, so that the sheet settles in the feeder.
constexpr DWORD kContinueScanPaperPauseMs = 500;

// The dialog's view of the world: the clock, the paper sensor and the pause
// (the defaults: GetTickCount, IsPaperPresent, Sleep). Tests pass their own.
struct ContinueScanEnvironment {
    DWORD (*now)();
    bool (*paperPresent)();
    void (*pause)(DWORD ms);
};
const ContinueScanEnvironment& DefaultContinueScanEnvironment();

class CContinueScanDlg : public CDialogBase {
public:
    explicit CContinueScanDlg(const ContinueScanEnvironment& env = DefaultContinueScanEnvironment());

    // Runs the dialog modally over `owner` (may be null); IDOK when the next
    // document was detected, IDCANCEL when the scan is to end (also when the
    // dialog could not be shown).
    int Run(HWND owner);

    // The seconds the label shows (tests).
    int SecondsShown() const { return m_secondsShown; }

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog();
    void OnTick();
    void ShowSeconds(int seconds);
    void End(int result);

    ContinueScanEnvironment m_env;
    std::string m_format;
    int m_secondsShown = 0;
    DWORD m_deadline = 0;
};
