#include "WIAUI/SIScanner.h"

namespace tx {
namespace wiaui {

SIScanner::~SIScanner() { Close(); }

bool SIScanner::Open(const char* libraryName)
{
    return m_library.Load(libraryName, SIBindSet::AllButUserData);
}

bool SIScanner::IsOpen() const { return m_library.IsBound(); }
void SIScanner::Close() { m_library.Unload(); }

// Each driver operation calls the bound function, or gives
// kNoScannerLibrary when nothing is bound.
#define TX_CALL(fn, ...) (m_library.IsBound() ? m_library.fn(__VA_ARGS__) : kNoScannerLibrary)

int SIScanner::GetScannerStatus(int* status) { return TX_CALL(SI_GetScannerStatus, status); }
int SIScanner::GetPaperStatus(int* status) { return TX_CALL(SI_GetPaperStatus, status); }
int SIScanner::GetButtonStatus(int button, int* pressed) { return TX_CALL(SI_GetButtonStatus, button, pressed); }
int SIScanner::GetProperty(SIProperty* property) { return TX_CALL(SI_GetProperty, property); }
int SIScanner::SetProperty(SIProperty* property) { return TX_CALL(SI_SetProperty, property); }
int SIScanner::Reset() { return TX_CALL(SI_Reset); }
int SIScanner::Diagnostic(int test, int* result) { return TX_CALL(SI_Diagnostic, test, result); }
int SIScanner::GetLastError() { return TX_CALL(SI_GetLastError); }
int SIScanner::GetLastErrorText(char* text) { return TX_CALL(SI_GetLastErrorText, text); }
int SIScanner::StartScan() { return TX_CALL(SI_StartScan); }
int SIScanner::ReadImageData(unsigned char* buffer, int rows, int side, int* rowsDelivered)
{
    return TX_CALL(SI_ReadImageData, buffer, rows, side, rowsDelivered);
}
int SIScanner::EndScan() { return TX_CALL(SI_EndScan); }
int SIScanner::OpenInterface(const char* deviceName) { return TX_CALL(SI_OpenInterface, deviceName); }
int SIScanner::CloseInterface() { return TX_CALL(SI_CloseInterface); }
int SIScanner::GetEvent(int* event) { return TX_CALL(SI_GetEvent, event); }
int SIScanner::Calibrate(int mode, SIProgressCallback progress) { return TX_CALL(SI_Calibrate, mode, progress); }
int SIScanner::Clean(SIProgressCallback progress) { return TX_CALL(SI_Clean, progress); }
int SIScanner::IsCalibrated(int* calibrated) { return TX_CALL(SI_IsCalibrated, calibrated); }
int SIScanner::FeedPaperOut() { return TX_CALL(SI_FeedPaperOut); }
int SIScanner::Feed() { return TX_CALL(SI_Feed); }

#undef TX_CALL

}  // namespace wiaui
}  // namespace tx
