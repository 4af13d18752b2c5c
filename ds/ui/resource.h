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

// Pages of the property sheet (the Custom Settings page has two templates:
// with and without the image-processing library).
#define IDD_PRESET_PAGE 302
#define IDD_CUSTOM_PAGE 305
#define IDD_CUSTOM_PAGE_IMAGING 306
#define IDD_INFORMATION_PAGE 315
#define IDD_ADVANCED_PAGE 332

// Preset editor.
#define IDD_PRESET_EDIT 320

// Bitmaps: the paper-lamp cells and the scanner picture.
#define IDB_LED_CELLS 120
#define IDB_SCANNER 125

// Pre-set page controls (preset n is IDC_PRESET_FIRST + n).
#define IDC_PRESET_HELP 1000
#define IDC_PRESET_CALIBRATE 1002
#define IDC_PRESET_FIRST 1120

// Preset editor controls.
#define IDC_EDIT_SINGLE_SIDED 1006
#define IDC_EDIT_DOUBLE_SIDED 1007
#define IDC_EDIT_BLACKWHITE 1008
#define IDC_EDIT_GRAYSCALE 1009
#define IDC_EDIT_COLOR 1010
#define IDC_EDIT_RESOLUTION 1011
#define IDC_EDIT_SIZE 1012
#define IDC_EDIT_RESOLUTION_LABEL 1029
#define IDC_EDIT_SIZE_LABEL 1030
#define IDC_EDIT_DEFAULT 1090
#define IDC_EDIT_FILTER 1091
#define IDC_EDIT_ICON 1092
#define IDC_EDIT_COPY 1130

// Information page controls.
#define IDC_INFO_PICTURE 1052
#define IDC_INFO_INTERFACE_LABEL 1053
#define IDC_INFO_INTERFACE 1054
#define IDC_INFO_SERIAL_LABEL 1055
#define IDC_INFO_SERIAL 1056
#define IDC_INFO_DS_LABEL 1057
#define IDC_INFO_DS_VERSION 1058
#define IDC_INFO_DLL_LABEL 1059
#define IDC_INFO_DLL_VERSION 1060
#define IDC_INFO_NOTICE 1061
#define IDC_INFO_FRAME 1062
#define IDC_INFO_PORT_LABEL 1064
#define IDC_INFO_PORT 1066
#define IDC_INFO_PORT_OVERRIDE 1190

// Hue spectra of the Advanced Settings page (180 x 16): red in the middle
// (no dropout colour, red), and red, green, blue, red (green, blue).
#define IDB_HUE_RED 360
#define IDB_HUE_GREEN 361

// Advanced Settings page controls.
#define IDC_ADV_RESET 1003
#define IDC_ADV_GAMMA 1018
#define IDC_ADV_HIGHLIGHT 1019
#define IDC_ADV_SHADOW 1020
#define IDC_ADV_GAMMA_LABEL 1036
#define IDC_ADV_GAMMA_VALUE 1037
#define IDC_ADV_HIGHLIGHT_LABEL 1038
#define IDC_ADV_HIGHLIGHT_VALUE 1039
#define IDC_ADV_SHADOW_LABEL 1040
#define IDC_ADV_SHADOW_VALUE 1041
#define IDC_ADV_PREFEED 1131
#define IDC_ADV_DROP_COLOR 1140
#define IDC_ADV_DROP_AUTO 1141
#define IDC_ADV_DROP_MANUAL 1142
#define IDC_ADV_LUM_MIN 1143
#define IDC_ADV_SAT_MIN 1144
#define IDC_ADV_BLOB_MIN 1145
#define IDC_ADV_SAT_SPIN 1146
#define IDC_ADV_BLOB_SPIN 1147
#define IDC_ADV_LUM_SPIN 1148
#define IDC_ADV_SPECTRUM 1149
#define IDC_ADV_HUE_WINDOW 1150
#define IDC_ADV_BW_AUTO 1151
#define IDC_ADV_BW_MANUAL 1152
#define IDC_ADV_BW_SLIDER 1153
#define IDC_ADV_BW_VALUE 1154
#define IDC_ADV_ADJUST_GROUP 1155
#define IDC_ADV_DROPOUT_GROUP 1156
#define IDC_ADV_COLOR_LABEL 1157
#define IDC_ADV_LUM_LABEL 1158
#define IDC_ADV_SAT_LABEL 1159
#define IDC_ADV_BLOB_LABEL 1160
#define IDC_ADV_BW_LABEL 1161
#define IDC_ADV_OPTIONS_GROUP 1165
#define IDC_ADV_AUTO_ROTATE 1166
#define IDC_ADV_CONTINUOUS 1167
#define IDC_ADV_UV_GROUP 1175
#define IDC_ADV_UV_LABEL 1176
#define IDC_ADV_UV_TIME 1177
#define IDC_ADV_UV_SPIN 1178
#define IDC_ADV_UV_ON 1179
#define IDC_ADV_CLEAR_PAGE 1181
#define IDC_ADV_SENSOR_GROUP 1191
#define IDC_ADV_SENSOR_TEXT 1192
#define IDC_ADV_SENSOR_RESET 1193
