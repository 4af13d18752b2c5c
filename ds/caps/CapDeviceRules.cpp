// What the capabilities read from the scanner: paper, online, calibration and
// serial number (a failed read gives FALSE or an empty text, never an error),
// the page eject of CAP_CLEARPAGE, and the one application that must not be
// offered the settings-only dialog.
#include <cstring>

#include "caps/CapRules.h"
#include "device/DeviceProperty.h"
#include "device/DriverLink.h"
#include "device/ScannerChecks.h"
#include "session/DataSourceApp.h"

namespace caprules {

namespace {
constexpr uint16_t kPropSerialNumber = 225;
constexpr size_t kSerialMinLength = 4;
constexpr size_t kTextLimit = 255;
constexpr char kNoUiOnlyProduct[] = "ApplicationXtender";
} // namespace

TW_UINT32 FeederLoaded() { return IsPaperPresent() ? 1 : 0; }

TW_UINT32 DeviceOnline() { return IsScannerReady() == 1 ? 1 : 0; }

TW_UINT32 NeedsCalibration() { return IsCalibrationRequired() ? 1 : 0; }

TW_UINT32 EnableDsUiOnly()
{
    // The product name need not be terminated within its field.
    const TW_STR32& name = TheApp().m_appIdentity.ProductName;
    const bool excluded = std::strncmp(name, kNoUiOnlyProduct, sizeof name) == 0;
    return excluded ? 0 : 1;
}

std::string SerialNumber()
{
    SIProperty record;
    if (ReadDeviceProperty(kPropSerialNumber, record) != SI_OK || record.kind != SI_KIND_TEXT || !record.slot[0].p)
        return std::string();
    const char* text = static_cast<const char*>(record.slot[0].p);
    size_t length = 0;
    while (length < kTextLimit && text[length] != '\0') ++length;
    if (length < kSerialMinLength) return std::string();
    return std::string(text, length);
}

TW_UINT16 SetClearPage(const AppValue& v)
{
    if (Low16(v) == 0) return TWRC_SUCCESS;
    tx::ScannerLibrary& scanner = TheScanner();
    if (!scanner.SI_FeedPaperOut || scanner.SI_FeedPaperOut() != SI_OK) return CheckStatusWith(TWCC_BUMMER);
    return TWRC_SUCCESS;
}

} // namespace caprules
