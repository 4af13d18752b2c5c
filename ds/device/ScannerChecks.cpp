#include "device/ScannerChecks.h"

#include <algorithm>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/Calibration.h"
#include "device/DeviceProperty.h"
#include "device/DriverLink.h"
#include "device/ResolutionList.h"
#include "session/ShowMessage.h"

namespace {

constexpr int kReadyPolls = 10;
constexpr DWORD kReadyPollMs = 200;
constexpr uint16_t kPropResolution = 4;

// The calibration the scanner asks for, with its dialogs.
bool CalibrateFirst(HWND parent) { return CalibrateOrClean(parent, kCalibrationRequired, false); }
RequiredCalibrationStep g_calibrationStep = &CalibrateFirst;

} // namespace

int IsScannerReady()
{
    tx::ScannerLibrary& scanner = TheScanner();
    int status = 0;
    if (!scanner.SI_GetScannerStatus || scanner.SI_GetScannerStatus(&status) != SI_OK)
        return 0;
    return (status == 1 || status == 2 || status == 3) ? status : 0;
}

bool WaitScannerReady()
{
    int status = IsScannerReady();
    if (status == 1)
        return true;
    if (status != 2)
        return false;
    for (int poll = 0; poll < kReadyPolls; ++poll) {
        Sleep(kReadyPollMs);
        if (IsScannerReady() == 1)
            return true;
    }
    return false;
}

bool IsCalibrationRequired()
{
    tx::ScannerLibrary& scanner = TheScanner();
    int calibrated = 1;
    return scanner.SI_IsCalibrated && scanner.SI_IsCalibrated(&calibrated) == SI_OK && calibrated == 0;
}

bool IsPaperPresent()
{
    tx::ScannerLibrary& scanner = TheScanner();
    int paper = 0;
    return scanner.SI_GetPaperStatus && scanner.SI_GetPaperStatus(&paper) == SI_OK && paper == 1;
}

bool ReadResolutionList()
{
    SIProperty record;
    if (ReadDeviceProperty(kPropResolution, record) != SI_OK || record.kind != SI_KIND_LIST)
        return false;
    const int32_t* values = static_cast<const int32_t*>(record.slot[3].p);
    const int count = std::min<int32_t>(record.slot[0].i, kMaxResolutions);
    if (!values || count <= 0)
        return false;
    SetResolutionList(values, count);
    return true;
}

RequiredCalibrationStep SetRequiredCalibrationStep(RequiredCalibrationStep step)
{
    RequiredCalibrationStep previous = g_calibrationStep;
    g_calibrationStep = step ? step : &CalibrateFirst;
    return previous;
}

bool CheckBeforeScan(HWND parent)
{
    if (IsCalibrationRequired() && !g_calibrationStep(parent))
        return false;
    if (!IsPaperPresent()) {
        const std::string insert = tx::DsText(tx::dstext::kTxtInsertItem);
        if (ShowMessage(parent, insert.c_str(), kMessageCaption, MB_OKCANCEL) != IDOK)
            return false;
        if (!IsPaperPresent()) {
            const std::string notDetected = tx::DsText(tx::dstext::kTxtPaperNotDetected);
            if (ShowMessage(parent, notDetected.c_str(), kMessageCaption, MB_YESNO | MB_DEFBUTTON2) != IDYES)
                return false;
        }
    }
    return true;
}
