// The rules of the individual capabilities, as the catalogue table names
// them: current values, item lists, MSG_SET and MSG_RESET. Values read and
// written are the session's settings record and the negotiated values.
#pragma once

#include <string>
#include <vector>

#include "caps/AppContainer.h"
#include "caps/CapValues.h"
#include "settings/ScanSettings.h"
#include "twain/Twain.h"

namespace caprules {

ScanSettings& Settings();
CapValues& Values();
// An application whose manager delivered its entry points.
bool Twain2App();

// Refused: TWCC_BADVALUE, TWRC_FAILURE.
TW_UINT16 Refuse();
// TWRC_CHECKSTATUS with a condition code to read.
TW_UINT16 CheckStatusWith(TW_UINT16 conditionCode);
TW_UINT16 Low16(const AppValue& v);

// Constant values and item lists.
TW_UINT32 Zero();
TW_UINT32 One();
TW_UINT32 MinusOne();
TW_UINT32 FixPhysicalWidth();
TW_UINT32 FixPhysicalHeight();
TW_UINT32 FixNativeResolution();
TW_UINT32 Fix300();
TW_UINT32 Fix128();
TW_UINT32 Fix255();
TW_UINT32 FixGammaDefault();
TW_UINT32 FileFormatBmp();
TW_UINT32 SizeA6();
std::vector<TW_UINT32> FalseTrue();
std::vector<TW_UINT32> FalseOnly();
std::vector<TW_UINT32> TrueOnly();

// Settings flags stored as 0 or 1.
template <int16_t ScanSettings::*Field>
TW_UINT32 SettingFlag() { return Settings().*Field != 0 ? 1u : 0u; }
template <int16_t ScanSettings::*Field>
TW_UINT16 SetSettingFlag(const AppValue& v) { Settings().*Field = Low16(v) != 0 ? 1 : 0; return TWRC_SUCCESS; }
template <int16_t ScanSettings::*Field>
void ClearSettingFlag() { Settings().*Field = 0; }

// Transfer, feeder and the plain negotiated values.
TW_UINT32 TransferCount();
TW_UINT16 SetTransferCount(const AppValue& v);
void ResetTransferCount();
TW_UINT16 SetOnlyZero(const AppValue& v);
TW_UINT16 SetOnlyOne(const AppValue& v);
std::vector<TW_UINT32> TransferMechanisms();
TW_UINT32 TransferMechanism();
TW_UINT16 SetTransferMechanism(const AppValue& v);
void ResetTransferMechanism();
TW_UINT32 FeederEnabled();
TW_UINT16 SetFeederEnabled(const AppValue& v);
void ResetFeederEnabled();
TW_UINT32 AutoFeed();
TW_UINT16 SetAutoFeed(const AppValue& v);
void ResetAutoFeed();
TW_UINT32 Indicators();
TW_UINT16 SetIndicators(const AppValue& v);
void ResetIndicators();
std::vector<TW_UINT32> SupportedDats();
std::vector<TW_UINT32> FileFormats();
TW_UINT32 FileFormat();
TW_UINT16 SetFileFormat(const AppValue& v);
void ResetFileFormat();
std::vector<TW_UINT32> Orientations();
TW_UINT32 Orientation();
TW_UINT16 SetOrientation(const AppValue& v);
void ResetOrientation();
std::vector<TW_UINT32> PixelFlavors();
TW_UINT32 PixelFlavor();
TW_UINT16 SetPixelFlavor(const AppValue& v);
void ResetPixelFlavor();
TW_UINT32 UndefinedImageSize();
TW_UINT16 SetUndefinedImageSize(const AppValue& v);
void ResetUndefinedImageSize();
void ResetDetectEop();
TW_UINT32 EopSensitivity();
TW_UINT16 SetEopSensitivity(const AppValue& v);
void ResetEopSensitivity();
TW_UINT16 SetImageFilter(const AppValue& v);
void ResetImageFilter();

// Tone.
TW_UINT32 Brightness();
TW_UINT16 SetBrightness(const AppValue& v);
TW_UINT32 Contrast();
TW_UINT16 SetContrast(const AppValue& v);
TW_UINT32 Gamma();
TW_UINT16 SetGamma(const AppValue& v);
TW_UINT32 Highlight();
TW_UINT16 SetHighlight(const AppValue& v);
TW_UINT32 Shadow();
TW_UINT16 SetShadow(const AppValue& v);
TW_UINT32 Threshold();
TW_UINT16 SetThreshold(const AppValue& v);
void ResetBrightness();
void ResetContrast();
void ResetGamma();
void ResetHighlight();
void ResetShadow();

// Image: pixel type, resolution, size, bit depth.
std::vector<TW_UINT32> AllowedPixelTypes();
TW_UINT32 PixelType();
TW_UINT32 PixelTypeEnumDefault();
TW_UINT16 SetPixelType(const AppValue& v);
void ResetPixelType();
std::vector<TW_UINT32> EnabledResolutions();
TW_UINT32 Resolution();
TW_UINT16 SetResolution(const AppValue& v);
void ResetResolution();
std::vector<TW_UINT32> SupportedSizes();
TW_UINT32 SupportedSize();
TW_UINT16 SetSupportedSize(const AppValue& v);
void ResetSupportedSize();
std::vector<TW_UINT32> BitDepthItems();
TW_UINT32 BitDepth();
TW_UINT16 SetBitDepth(const AppValue& v);

// Device reads.
TW_UINT32 FeederLoaded();
TW_UINT32 DeviceOnline();
TW_UINT32 EnableDsUiOnly();
TW_UINT32 NeedsCalibration();
std::string SerialNumber();
TW_UINT16 SetClearPage(const AppValue& v);

// Actions.
TW_UINT16 SetCalibrate(const AppValue& v);
TW_UINT16 SetPrefeed(const AppValue& v);
TW_UINT16 SetClean(const AppValue& v);

} // namespace caprules
