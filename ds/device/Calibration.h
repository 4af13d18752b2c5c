// Calibration and cleaning of the scanner: the flow with its dialogs, and the
// plain calls an application can ask for without windows.
#pragma once

#include <windows.h>

#include "common/text/TextTable.h"
#include "ui/CalibrationDlg.h"

// The choice dialog of `kind`, the paper prompts, the task progress dialog and
// the result message; true when the chosen operation succeeded (a cleaning
// always counts as done). The caption is "Tarvex 380" with productCaption,
// else the localised "Calibration Page".
bool CalibrateOrClean(HWND parent, CalibrationKind kind, bool productCaption);

// Without windows, and only when the scanner reads ready: true on success
// (white-only calibration included).
bool CalibrateWithoutDialogs();
bool CleanWithoutDialogs();

// The message and outcome of a calibration result.
struct CalibrationOutcome {
    bool succeeded;
    const tx::TextTable* message; // the message to show; null for none
    UINT icon;
};
CalibrationOutcome InterpretCalibrationResult(int result);
