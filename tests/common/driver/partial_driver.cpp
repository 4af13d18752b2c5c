// A driver library with every SI_ name but SI_UserData, as an older driver
// would be. Its open answers 14, which the binding maps to 10.
#include "common/driver/SIInterface.h"

extern "C" {
int SI_CALL SI_OpenInterface(const char*) { return 14; }
int SI_CALL SI_CloseInterface(void) { return 0; }
int SI_CALL SI_GetScannerStatus(int*) { return 1; }
int SI_CALL SI_GetPaperStatus(int*) { return 1; }
int SI_CALL SI_IsCalibrated(int*) { return 1; }
int SI_CALL SI_GetProperty(SIProperty*) { return 0x900; }
int SI_CALL SI_SetProperty(SIProperty*) { return 0x900; }
int SI_CALL SI_StartScan(void) { return 1; }
int SI_CALL SI_EndScan(void) { return 0; }
int SI_CALL SI_ReadImageData(unsigned char*, int, int, int*) { return 1; }
int SI_CALL SI_FeedPaperOut(void) { return 0; }
int SI_CALL SI_Feed(void) { return 0; }
int SI_CALL SI_Calibrate(int, SIProgressCallback) { return 1; }
int SI_CALL SI_Clean(SIProgressCallback) { return 1; }
int SI_CALL SI_GetButtonStatus(int, int*) { return 0; }
int SI_CALL SI_Reset(void) { return 0; }
int SI_CALL SI_Diagnostic(int, int*) { return 0; }
int SI_CALL SI_GetLastError(void) { return 0; }
int SI_CALL SI_GetLastErrorText(char*) { return 0; }
int SI_CALL SI_GetEvent(int*) { return 0; }
}
