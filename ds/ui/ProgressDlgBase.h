// Common behaviour of the scan progress dialog: a cancel flag that OK,
// Cancel, Enter, Escape, closing the window and a system suspend only set
// (the dialog never closes itself; its owner reads the flag), the topmost
// rule at initialisation, and the refusal of a suspend while a scan runs.
#pragma once

#include "ui/DialogBase.h"

// The answer to WM_POWERBROADCAST while device work runs: a suspend query is
// refused, a suspend notice sets `cancel`, every other notice gets TRUE.
LRESULT AnswerPowerBroadcast(WPARAM event, int& cancel);

class CProgressDlgBase : public CDialogBase {
public:
    bool Cancelled() const { return m_cancel != 0; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The dialog's own initialisation, after the base's; gives WM_INITDIALOG's
    // answer.
    virtual INT_PTR OnInitDialog() { return TRUE; }

    int m_cancel = 0;
};
