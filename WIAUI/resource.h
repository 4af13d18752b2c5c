// Resource and control ids of the property-page extension.
#pragma once

// Registration script and type library.
#define IDR_REGISTRY_SCRIPT 2001
#define IDR_TYPELIB 1

// Dialog templates.
#define IDD_CONFIRM 104
#define IDD_ADVANCED_PAGE 107

// Confirmation dialog (OK and Cancel are IDOK and IDCANCEL).
#define IDC_CONFIRM_TEXT 1022

// Advanced page.
#define IDC_CALIBRATE 1001
#define IDC_CLEAN 1002
#define IDC_SETTINGS_GROUP 1008
#define IDC_DEFAULT 1021
#define IDC_PREFEED 1022
#define IDC_DELAY_LABEL 1024
#define IDC_DISTANCE_LABEL 1026
#define IDC_DELAY 1029
#define IDC_DISTANCE 1030
#define IDC_DISTANCE_SHORT 1031
#define IDC_DISTANCE_LONG 1032
#define IDC_DELAY_SHORT 1033
#define IDC_DELAY_LONG 1034
#define IDC_CALIBRATE_SENSOR 1035

// String table (product data; the code does not read it).
#define IDS_PROJNAME 100
