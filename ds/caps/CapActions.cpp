// The action capabilities: setting CUSTCAP_CALIBRATE, CUSTCAP_PREFEED or
// CUSTCAP_CLEAN to a value other than 0 runs the operation; CAP_INDICATORS
// decides whether it shows its windows.
#include "caps/CapRules.h"
#include "device/Calibration.h"
#include "device/DriverLink.h"
#include "device/Prefeed.h"
#include "device/ScanErrorText.h"
#include "device/ScannerChecks.h"
#include "session/DataSourceApp.h"
#include "session/ShowMessage.h"
#include "transfer/ImageSource.h"

namespace caprules {

namespace {

bool Online() { return IsScannerReady() == 1; }
bool WithWindows() { return Values().indicators != 0; }

// The "not powered on or not connected" message, without an owner.
TW_UINT16 OfflineWithMessage()
{
    ShowMessage(nullptr, ScanErrorText(kScanDeviceFailed).c_str(), kMessageCaption, MB_OK | MB_ICONERROR);
    return CheckStatusWith(TWCC_BUMMER);
}

TW_UINT16 WithDialogs(CalibrationKind kind)
{
    if (!Online()) return OfflineWithMessage();
    // No owner: in state 4 the source has no window of the application to sit on.
    return CalibrateOrClean(nullptr, kind, true) ? TWRC_SUCCESS : TheApp().Fail(TWCC_BUMMER);
}

} // namespace

TW_UINT16 SetCalibrate(const AppValue& v)
{
    if (Low16(v) == 0) return TWRC_SUCCESS;
    if (WithWindows()) return WithDialogs(kCalibrationRequired);
    if (!Online() || !TheScanner().SI_Calibrate) return TheApp().Fail(TWCC_BUMMER);
    const int result = TheScanner().SI_Calibrate(0, nullptr);
    if (result == SI_OK) return TWRC_SUCCESS;
    if (result == SI_WHITE_ONLY_CALIBRATION) return CheckStatusWith(TWCC_BUMMER);
    return TheApp().Fail(TWCC_BUMMER);
}

TW_UINT16 SetPrefeed(const AppValue& v)
{
    if (Low16(v) != 0 && Online()) PrefeedDocument();
    return TWRC_SUCCESS;
}

TW_UINT16 SetClean(const AppValue& v)
{
    if (Low16(v) == 0) return TWRC_SUCCESS;
    if (WithWindows()) return WithDialogs(kCleaningOnly);
    CleanWithoutDialogs(); // only when online; its result is not the application's concern
    return TWRC_SUCCESS;
}

} // namespace caprules
