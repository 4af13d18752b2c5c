// The plain negotiated values: transfer count and mechanism, feeder, indicators,
// file format, orientation, pixel flavor, the processing switches and the
// end-of-page sensitivity, with the shared helpers of the rules.
#include "caps/CapRules.h"
#include "caps/Fix32.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "transfer/FileXferTarget.h"

namespace caprules {

namespace {
constexpr int32_t kEopSensitivityLimit = 100;
} // namespace

ScanSettings& Settings() { return TheApp().m_settings; }
CapValues& Values() { return TheCapValues(); }
bool Twain2App() { return TheDsmLink().entryPointsSet == 1; }

TW_UINT16 Refuse() { return TheApp().Fail(TWCC_BADVALUE); }

TW_UINT16 CheckStatusWith(TW_UINT16 conditionCode)
{
    TheApp().m_status.ConditionCode = conditionCode;
    TheApp().m_status.Data = 0;
    return TWRC_CHECKSTATUS;
}

TW_UINT16 Low16(const AppValue& v) { return static_cast<TW_UINT16>(v.value & 0xFFFF); }

TW_UINT32 Zero() { return 0; }
TW_UINT32 One() { return 1; }
TW_UINT32 MinusOne() { return 0xFFFF; }
TW_UINT32 FixPhysicalWidth() { return Fix32Item(4.32); }
TW_UINT32 FixPhysicalHeight() { return Fix32Item(10.0); }
TW_UINT32 FixNativeResolution() { return Fix32Item(600.0); }
TW_UINT32 Fix300() { return Fix32Item(300.0); }
TW_UINT32 Fix128() { return Fix32Item(128.0); }
TW_UINT32 Fix255() { return Fix32Item(255.0); }
TW_UINT32 FixGammaDefault() { return Fix32Item(1.8); }
TW_UINT32 FileFormatBmp() { return TWFF_BMP; }
TW_UINT32 SizeA6() { return TWSS_A6; }
std::vector<TW_UINT32> FalseTrue() { return {0, 1}; }
std::vector<TW_UINT32> FalseOnly() { return {0}; }
std::vector<TW_UINT32> TrueOnly() { return {1}; }

TW_UINT32 TransferCount() { return static_cast<uint16_t>(Values().transferCount); }
TW_UINT16 SetTransferCount(const AppValue& v)
{
    const int16_t count = static_cast<int16_t>(Low16(v));
    if (count != -1 && count != 1) return Refuse();
    Values().transferCount = count;
    return TWRC_SUCCESS;
}
void ResetTransferCount() { Values().transferCount = -1; }

TW_UINT16 SetOnlyZero(const AppValue& v) { return Low16(v) == 0 ? TWRC_SUCCESS : Refuse(); }
TW_UINT16 SetOnlyOne(const AppValue& v) { return Low16(v) == 1 ? TWRC_SUCCESS : Refuse(); }

std::vector<TW_UINT32> TransferMechanisms() { return {TWSX_NATIVE, TWSX_FILE, TWSX_MEMORY}; }
TW_UINT32 TransferMechanism() { return Values().transferMechanism; }
TW_UINT16 SetTransferMechanism(const AppValue& v)
{
    if (Low16(v) > TWSX_MEMORY) return Refuse();
    Values().transferMechanism = Low16(v);
    return TWRC_SUCCESS;
}
void ResetTransferMechanism() { Values().transferMechanism = TWSX_NATIVE; }

TW_UINT32 FeederEnabled() { return Values().feederEnabled; }
TW_UINT16 SetFeederEnabled(const AppValue& v) { Values().feederEnabled = Low16(v); return TWRC_SUCCESS; }
void ResetFeederEnabled() { Values().feederEnabled = 0; }
TW_UINT32 AutoFeed() { return Values().autoFeed; }
TW_UINT16 SetAutoFeed(const AppValue& v) { Values().autoFeed = Low16(v); return TWRC_SUCCESS; }
void ResetAutoFeed() { Values().autoFeed = 1; }
TW_UINT32 Indicators() { return Values().indicators; }
TW_UINT16 SetIndicators(const AppValue& v) { Values().indicators = Low16(v); return TWRC_SUCCESS; }
void ResetIndicators() { Values().indicators = 1; }

std::vector<TW_UINT32> SupportedDats()
{
    const TW_UINT16 control[] = {DAT_CAPABILITY,  DAT_EVENT,  DAT_IDENTITY,      DAT_PENDINGXFERS, DAT_SETUPMEMXFER,
                                 DAT_SETUPFILEXFER, DAT_STATUS, DAT_USERINTERFACE, DAT_CUSTOMDSDATA, DAT_CALLBACK};
    const TW_UINT16 image[] = {DAT_IMAGEINFO,       DAT_IMAGELAYOUT,   DAT_IMAGEMEMXFER,
                               DAT_IMAGENATIVEXFER, DAT_IMAGEFILEXFER, DAT_EXTIMAGEINFO};
    std::vector<TW_UINT32> dats;
    for (TW_UINT16 dat : control) dats.push_back(DG_CONTROL << 16 | dat);
    for (TW_UINT16 dat : image) dats.push_back(DG_IMAGE << 16 | dat);
    return dats;
}

std::vector<TW_UINT32> FileFormats() { return {TWFF_BMP, TWFF_TIFF}; }
TW_UINT32 FileFormat() { return Settings().FileFormat; }
TW_UINT16 SetFileFormat(const AppValue& v)
{
    if (Low16(v) != TWFF_BMP && Low16(v) != TWFF_TIFF) return Refuse();
    Settings().FileFormat = Low16(v);
    return TWRC_SUCCESS;
}
// The format and the file-transfer name go back together.
void ResetFileFormat() { ResetFileXferTarget(); }

std::vector<TW_UINT32> Orientations() { return {TWOR_ROT0, TWOR_ROT90, TWOR_ROT180, TWOR_ROT270}; }
TW_UINT32 Orientation() { return Settings().Rotation; }
TW_UINT16 SetOrientation(const AppValue& v)
{
    if (Low16(v) > TWOR_ROT270) return v.conType == TWON_ONEVALUE ? Refuse() : TWRC_SUCCESS;
    Settings().Rotation = Low16(v);
    return TWRC_SUCCESS;
}
void ResetOrientation() { Settings().Rotation = TWOR_ROT0; }

std::vector<TW_UINT32> PixelFlavors() { return {TWPF_CHOCOLATE, TWPF_VANILLA}; }
TW_UINT32 PixelFlavor() { return Values().pixelFlavor; }
TW_UINT16 SetPixelFlavor(const AppValue& v)
{
    if (v.conType == TWON_ENUMERATION && (v.itemType != TWTY_UINT16 || !v.indexValid))
        return CheckStatusWith(TWCC_BADVALUE);
    if (Low16(v) > TWPF_VANILLA) return Refuse();
    Values().pixelFlavor = Low16(v);
    return TWRC_SUCCESS;
}
void ResetPixelFlavor() { Values().pixelFlavor = TWPF_CHOCOLATE; }

TW_UINT32 UndefinedImageSize() { return Values().undefinedImageSize; }
TW_UINT16 SetUndefinedImageSize(const AppValue& v)
{
    Values().undefinedImageSize = Low16(v) != 0 ? 1 : 0;
    return TWRC_SUCCESS;
}
void ResetUndefinedImageSize() { Values().undefinedImageSize = 0; }

void ResetDetectEop() { Settings().DetectEOP = 1; }

TW_UINT32 EopSensitivity() { return static_cast<TW_UINT32>(Values().eopSensitivity); }
TW_UINT16 SetEopSensitivity(const AppValue& v)
{
    const int32_t asked = static_cast<int32_t>(v.value);
    const int32_t kept = asked < -kEopSensitivityLimit ? -kEopSensitivityLimit
                         : asked > kEopSensitivityLimit ? kEopSensitivityLimit : asked;
    Values().eopSensitivity = kept;
    return kept == asked ? TWRC_SUCCESS : TWRC_CHECKSTATUS;
}
void ResetEopSensitivity() { Values().eopSensitivity = 0; }

TW_UINT16 SetImageFilter(const AppValue& v)
{
    Settings().Photo = Low16(v) != 0 ? 1 : 0;
    return TWRC_SUCCESS;
}
void ResetImageFilter() { Settings().Photo = 0; }

} // namespace caprules
