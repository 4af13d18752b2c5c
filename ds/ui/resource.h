// Resource and control ids of the data source's dialogs, one list for the
// whole module. Shared by the resource script and the dialog code.
#pragma once

// Calibration and cleaning choice dialogs (one template per kind).
#define IDD_CALIBRATION_CHOICE 323
#define IDD_CALIBRATION_REQUIRED 324
#define IDD_CLEANING 325

// Progress dialogs.
#define IDD_SCAN_PROGRESS 330
#define IDD_TASK_PROGRESS 331

// Calibration dialog controls.
#define IDC_CALIBRATION_REQUIRED_TEXT 1100
#define IDC_CALIBRATION_PAPER_TEXT 1101
#define IDC_CLEANING_PAPER_TEXT 1102
#define IDC_CALIBRATE 1103
#define IDC_CLEAN 1104
#define IDC_CALIBRATION_ICON 1105

// Progress dialog controls (Cancel is IDCANCEL, 2).
#define IDC_PROGRESS_BAR 1110
#define IDC_THUMBNAIL_FRAME 1111

// Continue-scan dialog (Finish is IDCANCEL; the unreachable OK is IDOK).
#define IDD_CONTINUE_SCAN 333
#define IDC_CONTINUE_TEXT 1170
#define IDC_CONTINUE_COUNTDOWN 1171
