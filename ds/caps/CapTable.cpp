// SupportedCapTable: every capability of the source, once. Columns: id,
// imaging only, item type, MSG_GET container, items, range, current, default,
// enumeration default, text, accepted containers, set, reset, flags.
#include "caps/CapTable.h"

#include "caps/CapRules.h"
#include "caps/CustomCaps.h"
#include "imaging/ImagingQuery.h"

using namespace caprules;

namespace {

constexpr uint8_t k1 = kAcceptOne;
constexpr uint8_t k1E = kAcceptOne | kAcceptEnum;
constexpr uint8_t k1ER = kAcceptOne | kAcceptEnum | kAcceptRange;
constexpr uint8_t kRO = 0;
constexpr CapRange kNoRange = {0, 0, 0};
constexpr CapRange kToneRange = {-1000, 1000, 10};
constexpr CapRange kLevelRange = {0, 255, 1};

constexpr CapShape kOne = CapShape::OneValue;
constexpr CapShape kEnum = CapShape::Enumeration;
constexpr CapShape kEnum2 = CapShape::EnumerationTwain2;
constexpr CapShape kRange = CapShape::Range;
constexpr CapShape kArray = CapShape::Array;

std::vector<TW_UINT32> SupportedCapItems() { return SupportedCapIds(); }

using S = ScanSettings;

const CapEntry kTable[] = {
    {CAP_XFERCOUNT, false, TWTY_INT16, kOne, nullptr, kNoRange, &TransferCount, &MinusOne, nullptr, nullptr,
     k1, &SetTransferCount, &ResetTransferCount, 0},
    {ICAP_COMPRESSION, false, TWTY_UINT16, kOne, nullptr, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetOnlyZero, nullptr, 0},
    {ICAP_PIXELTYPE, false, TWTY_UINT16, kEnum, &AllowedPixelTypes, kNoRange, &PixelType, &Zero,
     &PixelTypeEnumDefault, nullptr, k1E, &SetPixelType, &ResetPixelType, 0},
    {ICAP_UNITS, false, TWTY_UINT16, kOne, nullptr, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetOnlyZero, nullptr, 0},
    {ICAP_XFERMECH, false, TWTY_UINT16, kEnum, &TransferMechanisms, kNoRange, &TransferMechanism, &Zero, nullptr,
     nullptr, k1E, &SetTransferMechanism, &ResetTransferMechanism, 0},
    {CAP_FEEDERENABLED, false, TWTY_BOOL, kEnum2, &FalseOnly, kNoRange, &FeederEnabled, &Zero, nullptr, nullptr,
     k1E, &SetFeederEnabled, &ResetFeederEnabled, 0},
    {CAP_FEEDERLOADED, false, TWTY_BOOL, kEnum2, nullptr, kNoRange, &FeederLoaded, &Zero, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {CAP_SUPPORTEDCAPS, false, TWTY_UINT16, kArray, &SupportedCapItems, kNoRange, nullptr, nullptr, nullptr,
     nullptr, kRO, nullptr, nullptr, 0},
    {CAP_SUPPORTEDDATS, false, TWTY_UINT32, kArray, &SupportedDats, kNoRange, nullptr, nullptr, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {CAP_AUTOFEED, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &AutoFeed, &One, nullptr, nullptr,
     k1E, &SetAutoFeed, &ResetAutoFeed, 0},
    {CAP_CLEARPAGE, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetClearPage, nullptr, 0},
    {CAP_INDICATORS, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &Indicators, &One, nullptr, nullptr,
     k1E, &SetIndicators, &ResetIndicators, 0},
    {CAP_PAPERDETECTABLE, false, TWTY_BOOL, kEnum2, &TrueOnly, kNoRange, &One, &One, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {CAP_UICONTROLLABLE, false, TWTY_BOOL, kEnum2, &TrueOnly, kNoRange, &One, &One, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {CAP_DEVICEONLINE, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &DeviceOnline, &One, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {CAP_ENABLEDSUIONLY, false, TWTY_BOOL, kEnum2, nullptr, kNoRange, &EnableDsUiOnly, &EnableDsUiOnly, nullptr,
     nullptr, kRO, nullptr, nullptr, 0},
    {CAP_CUSTOMDSDATA, false, TWTY_BOOL, kEnum2, &TrueOnly, kNoRange, &One, &One, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {CAP_SERIALNUMBER, false, TWTY_STR255, CapShape::Text, nullptr, kNoRange, nullptr, nullptr, nullptr,
     &SerialNumber, kRO, nullptr, nullptr, 0},
    {CAP_FEEDERALIGNMENT, false, TWTY_UINT16, kOne, nullptr, kNoRange, &One, &One, nullptr, nullptr,
     kRO, nullptr, nullptr, kCapSetUnsupported},
    {CAP_REACQUIREALLOWED, false, TWTY_BOOL, kEnum2, &FalseOnly, kNoRange, &Zero, &Zero, nullptr, nullptr,
     kRO, nullptr, nullptr, 0},
    {ICAP_BRIGHTNESS, false, TWTY_FIX32, kRange, nullptr, kToneRange, &Brightness, &Zero, nullptr, nullptr,
     k1ER, &SetBrightness, &ResetBrightness, 0},
    {ICAP_CONTRAST, false, TWTY_FIX32, kRange, nullptr, kToneRange, &Contrast, &Zero, nullptr, nullptr,
     k1ER, &SetContrast, &ResetContrast, 0},
    {ICAP_GAMMA, false, TWTY_FIX32, kOne, nullptr, kNoRange, &Gamma, &FixGammaDefault, nullptr, nullptr,
     k1, &SetGamma, &ResetGamma, 0},
    {ICAP_HIGHLIGHT, false, TWTY_FIX32, kRange, nullptr, kLevelRange, &Highlight, &Fix255, nullptr, nullptr,
     k1ER, &SetHighlight, &ResetHighlight, 0},
    {ICAP_IMAGEFILEFORMAT, false, TWTY_UINT16, kEnum2, &FileFormats, kNoRange, &FileFormat, &FileFormatBmp,
     nullptr, nullptr, k1E, &SetFileFormat, &ResetFileFormat, 0},
    {ICAP_ORIENTATION, true, TWTY_UINT16, kEnum, &Orientations, kNoRange, &Orientation, &Zero, nullptr, nullptr,
     k1E, &SetOrientation, &ResetOrientation, 0},
    {ICAP_PHYSICALWIDTH, false, TWTY_FIX32, kOne, nullptr, kNoRange, &FixPhysicalWidth, &FixPhysicalWidth,
     nullptr, nullptr, kRO, nullptr, nullptr, 0},
    {ICAP_PHYSICALHEIGHT, false, TWTY_FIX32, kOne, nullptr, kNoRange, &FixPhysicalHeight, &FixPhysicalHeight,
     nullptr, nullptr, kRO, nullptr, nullptr, 0},
    {ICAP_SHADOW, false, TWTY_FIX32, kRange, nullptr, kLevelRange, &Shadow, &Zero, nullptr, nullptr,
     k1ER, &SetShadow, &ResetShadow, 0},
    {ICAP_XNATIVERESOLUTION, false, TWTY_FIX32, kOne, nullptr, kNoRange, &FixNativeResolution,
     &FixNativeResolution, nullptr, nullptr, kRO, nullptr, nullptr, 0},
    {ICAP_YNATIVERESOLUTION, false, TWTY_FIX32, kOne, nullptr, kNoRange, &FixNativeResolution,
     &FixNativeResolution, nullptr, nullptr, kRO, nullptr, nullptr, 0},
    {ICAP_XRESOLUTION, false, TWTY_FIX32, kEnum, &EnabledResolutions, kNoRange, &Resolution, &Fix300, nullptr,
     nullptr, k1ER, &SetResolution, &ResetResolution, 0},
    {ICAP_YRESOLUTION, false, TWTY_FIX32, kEnum, &EnabledResolutions, kNoRange, &Resolution, &Fix300, nullptr,
     nullptr, k1ER, &SetResolution, &ResetResolution, 0},
    {ICAP_BITORDER, false, TWTY_UINT16, kOne, nullptr, kNoRange, &One, &One, nullptr, nullptr,
     k1, &SetOnlyOne, nullptr, 0},
    {ICAP_PIXELFLAVOR, false, TWTY_UINT16, kEnum, &PixelFlavors, kNoRange, &PixelFlavor, &Zero, nullptr, nullptr,
     k1E, &SetPixelFlavor, &ResetPixelFlavor, kCapOwnIndexCheck},
    {ICAP_PLANARCHUNKY, false, TWTY_UINT16, kOne, nullptr, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetOnlyZero, nullptr, 0},
    {ICAP_SUPPORTEDSIZES, false, TWTY_UINT16, kEnum, &SupportedSizes, kNoRange, &SupportedSize, &SizeA6, nullptr,
     nullptr, k1E, &SetSupportedSize, &ResetSupportedSize, 0},
    {ICAP_THRESHOLD, false, TWTY_FIX32, kOne, nullptr, kNoRange, &Threshold, &Fix128, nullptr, nullptr,
     k1ER, &SetThreshold, &ResetBrightness, 0},
    {ICAP_BITDEPTH, false, TWTY_UINT16, kEnum2, &BitDepthItems, kNoRange, &BitDepth, &BitDepth, nullptr, nullptr,
     k1E, &SetBitDepth, nullptr, 0},
    {ICAP_BITDEPTHREDUCTION, false, TWTY_UINT16, kOne, nullptr, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetOnlyZero, nullptr, 0},
    {ICAP_UNDEFINEDIMAGESIZE, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &UndefinedImageSize, &Zero, nullptr,
     nullptr, k1E, &SetUndefinedImageSize, &ResetUndefinedImageSize, 0},
    {ICAP_AUTOMATICBORDERDETECTION, true, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &SettingFlag<&S::AutoCrop>,
     &Zero, nullptr, nullptr, k1E, &SetSettingFlag<&S::AutoCrop>, &ClearSettingFlag<&S::AutoCrop>, 0},
    {ICAP_AUTOMATICDESKEW, true, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &SettingFlag<&S::Deskew>, &Zero,
     nullptr, nullptr, k1E, &SetSettingFlag<&S::Deskew>, &ClearSettingFlag<&S::Deskew>, 0},
    {ICAP_AUTOMATICROTATE, true, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &SettingFlag<&S::AutoRotate>, &Zero,
     nullptr, nullptr, k1E, &SetSettingFlag<&S::AutoRotate>, &ClearSettingFlag<&S::AutoRotate>, 0},
    {CUSTCAP_FILTER, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &SettingFlag<&S::Filter>, &Zero, nullptr,
     nullptr, k1E, &SetSettingFlag<&S::Filter>, &ClearSettingFlag<&S::Filter>, 0},
    {CUSTCAP_DETECTEOP, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &SettingFlag<&S::DetectEOP>, &One,
     nullptr, nullptr, k1E, &SetSettingFlag<&S::DetectEOP>, &ResetDetectEop, 0},
    {CUSTCAP_EOPSENSITIVITY, false, TWTY_INT32, kOne, nullptr, kNoRange, &EopSensitivity, &Zero, nullptr, nullptr,
     k1, &SetEopSensitivity, &ResetEopSensitivity, 0},
    {CUSTCAP_CONTINUOUSSCAN, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &SettingFlag<&S::ContinuousScan>,
     &Zero, nullptr, nullptr, k1E, &SetSettingFlag<&S::ContinuousScan>, &ClearSettingFlag<&S::ContinuousScan>, 0},
    {CUSTCAP_NEEDSCALIBRATION, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &NeedsCalibration, &Zero, nullptr,
     nullptr, kRO, nullptr, nullptr, 0},
    {CUSTCAP_CALIBRATE, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetCalibrate, nullptr, 0},
    {CUSTCAP_PREFEED, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetPrefeed, nullptr, 0},
    {CUSTCAP_CLEAN, false, TWTY_BOOL, kEnum2, &FalseTrue, kNoRange, &Zero, &Zero, nullptr, nullptr,
     k1E, &SetClean, nullptr, 0},
};

static_assert(sizeof kTable / sizeof kTable[0] == 52, "the catalogue lists 52 capabilities");

// Served without being listed: MSG_GET answers FALSE, MSG_SET switches photo
// processing, MSG_RESET clears it; no current or default value.
const CapEntry kImageFilter = {ICAP_IMAGEFILTER, true, TWTY_BOOL, kOne, nullptr, kNoRange, &Zero, &Zero, nullptr,
                               nullptr, k1, &SetImageFilter, &ResetImageFilter, kCapUnlisted};

} // namespace

TW_INT32 CapEntry::SupportMask() const
{
    constexpr TW_INT32 kReadable = TWQC_GET | TWQC_GETDEFAULT | TWQC_GETCURRENT;
    return Settable() ? kReadable | TWQC_SET | TWQC_RESET : kReadable;
}

const CapEntry* CapTableBegin() { return kTable; }
const CapEntry* CapTableEnd() { return kTable + CapTableSize(); }
size_t CapTableSize() { return sizeof kTable / sizeof kTable[0]; }

const CapEntry* FindCap(TW_UINT16 id)
{
    for (const CapEntry& e : kTable)
        if (e.id == id) return &e;
    return id == kImageFilter.id ? &kImageFilter : nullptr;
}

bool CapAvailable(const CapEntry& entry) { return !entry.imagingOnly || ImagingAvailable(); }

std::vector<TW_UINT32> SupportedCapIds()
{
    std::vector<TW_UINT32> ids;
    for (const CapEntry& e : kTable)
        if (CapAvailable(e)) ids.push_back(e.id);
    return ids;
}
