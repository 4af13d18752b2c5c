// The scanner's state as the scan sequence asks for it, and the checks made
// before every scan (from the dialog, the preview, or without a dialog).
#pragma once

#include <windows.h>

// 1 ready, 2 busy, 3 as the driver reports it; 0 for any other value or a
// failed call.
int IsScannerReady();
// True at once when ready; while busy, polls up to 10 times 200 ms apart.
bool WaitScannerReady();
// True when the driver answers and says the scanner is not calibrated.
bool IsCalibrationRequired();
// True when the driver answers and a document is in the feeder.
bool IsPaperPresent();
// Reads the supported resolutions (property 4) into the module's list;
// false, leaving the list as it was, when the device does not answer.
bool ReadResolutionList();

// The calibration run before a scan when the scanner requires one; true when
// the scan may go on. By default the calibration dialog flow; tests install
// their own step. Returns the step in force before; null restores the default.
using RequiredCalibrationStep = bool (*)(HWND parent);
RequiredCalibrationStep SetRequiredCalibrationStep(RequiredCalibrationStep step);

// Calibration when required, then the paper prompts: "insert the item"
// (OK/Cancel) and, if paper is still missing, "continue anyway?" (Yes/No,
// No the default). True to go on with the scan.
bool CheckBeforeScan(HWND parent);
