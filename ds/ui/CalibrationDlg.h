// The choice dialog before a calibration or a cleaning: one template per
// kind, with the instructions for the sheet to insert.
#pragma once

#include <windows.h>

#include "ui/DialogBase.h"

enum CalibrationKind {
    kCalibrationChoice = 0,   // Calibrate or Clean (template 323)
    kCalibrationRequired = 1, // the scanner must be calibrated first (324)
    kCleaningOnly = 2,        // Clean (325)
};

class CCalibrationDlg : public CDialogBase {
public:
    CCalibrationDlg(CalibrationKind kind, const char* caption);

    // Shows the dialog modally; gives IDC_CALIBRATE, IDC_CLEAN or IDCANCEL
    // (also when the dialog could not be shown).
    int Run(HWND parent);

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInit();

    CalibrationKind m_kind;
    const char* m_caption;
};
