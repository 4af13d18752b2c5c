#include "device/ScanRequest.h"

#include <algorithm>

#include "device/DeviceProperty.h"

namespace {

enum : uint16_t {
    kPropResolution = 4,
    kPropImageMode = 8,
    kPropBrightness = 9,
    kPropContrast = 10,
    kPropInvert = 11,
    kPropTop = 12,
    kPropLeft = 13,
    kPropWidth = 14,
    kPropHeight = 15,
    kPropColourDraft = 17,
    kPropDuplex = 21,
    kPropGamma = 25,
    kPropHighlight = 26,
    kPropShadow = 27,
    kPropThresholdShift = 32,
    kPropEndOfPage = 33,
    kPropDescreen = 34,
};

enum DeviceMode { kDeviceBlackWhite = 0, kDeviceGrey = 1, kDeviceColour = 2 };

// Hundredths of an inch to pixels: an unsigned 32-bit product, truncated.
int32_t ToPixels(int32_t hundredths, int16_t dpi)
{
    return static_cast<int32_t>(static_cast<uint32_t>(hundredths) * static_cast<uint32_t>(dpi) / 100u);
}

// Frame and mode properties: any failure refuses the request.
bool WriteFrameValue(uint16_t id, int32_t value, bool limitToMaximum = false)
{
    SIProperty record;
    if (ReadDeviceProperty(id, record) != SI_OK)
        return false;
    if (limitToMaximum)
        value = std::min(value, RangeMaximum(record));
    return WriteSingleInt(record, value) == SI_OK;
}

// Tone properties: a device without the property (0x900) is passed over.
bool Accepted(int result) { return result == SI_OK || result == SI_NOT_SUPPORTED; }

bool WriteToneInt(uint16_t id, int32_t value, bool limitToRange = false)
{
    SIProperty record;
    int result = ReadDeviceProperty(id, record);
    if (result != SI_OK)
        return Accepted(result);
    if (limitToRange)
        value = std::max(RangeMinimum(record), std::min(value, RangeMaximum(record)));
    return Accepted(WriteSingleInt(record, value));
}

bool WriteToneFloat(uint16_t id, float value)
{
    SIProperty record;
    int result = ReadDeviceProperty(id, record);
    if (result != SI_OK)
        return Accepted(result);
    return Accepted(WriteSingleFloat(record, value));
}

bool WriteTone(const ScanSettings& s, int mode)
{
    if (mode == kDeviceGrey || mode == kDeviceColour) {
        // The settings hold gamma x 10; a start copy is lowered by 8 so that
        // the exact value goes out (16-bit arithmetic undoes the lowering).
        const float gamma = static_cast<uint16_t>(s.Gamma + 8) / 10.0f;
        return WriteToneFloat(kPropGamma, gamma) && WriteToneInt(kPropShadow, s.Shadow) &&
               WriteToneInt(kPropHighlight, s.Highlight) &&
               WriteToneInt(kPropBrightness, s.Brightness, true) && WriteToneInt(kPropContrast, s.Contrast);
    }
    return WriteToneInt(kPropThresholdShift, -s.Brightness) && WriteToneFloat(kPropGamma, 1.0f) &&
           WriteToneInt(kPropShadow, 0) && WriteToneInt(kPropHighlight, 255) &&
           WriteToneInt(kPropBrightness, 0) && WriteToneInt(kPropContrast, 0);
}

} // namespace

int DeviceImageMode(const ScanSettings& s)
{
    if ((s.ScanMode == kModeGray || s.ScanMode == kModeBlackWhite) && s.ColorDropType != 0)
        return kDeviceColour;
    if (s.ScanMode == kModeColor)
        return kDeviceColour;
    if (s.ScanMode == kModeGray)
        return kDeviceGrey;
    return kDeviceBlackWhite;
}

void MarkForScanStart(ScanSettings& settings) { settings.Reserved16 = 1; }

int SendScanRequest(const ScanSettings* settings)
{
    if (!settings)
        return kRequestNoSettings;
    const ScanSettings& s = *settings;
    const int mode = DeviceImageMode(s);
    const bool atStart = s.Reserved16 != 0;

    if (!WriteFrameValue(kPropImageMode, mode))
        return kRequestRefused;
    if (mode == kDeviceColour && !WriteFrameValue(kPropColourDraft, atStart ? 0 : 1))
        return kRequestRefused;
    if (!WriteFrameValue(kPropResolution, s.DPI) ||
        !WriteFrameValue(kPropLeft, ToPixels(s.Left, s.DPI)) ||
        !WriteFrameValue(kPropTop, ToPixels(s.Top, s.DPI)) ||
        !WriteFrameValue(kPropWidth, ToPixels(s.Right - s.Left, s.DPI), true) ||
        !WriteFrameValue(kPropHeight, ToPixels(s.Bottom - s.Top, s.DPI)))
        return kRequestRefused;

    if (!WriteTone(s, mode) || !WriteToneInt(kPropInvert, s.Invert != 0 ? 1 : 0))
        return kRequestRefused;

    SIProperty record;
    if (ReadDeviceProperty(kPropDuplex, record) == SI_OK && WriteSingleInt(record, 0) != SI_OK)
        return kRequestRefused;

    const int eopRead = ReadDeviceProperty(kPropEndOfPage, record);
    if (eopRead == SI_NOT_SUPPORTED && s.DetectEOP != 0)
        return kRequestRefused;
    if (eopRead == SI_OK && WriteSingleInt(record, s.DetectEOP != 0 ? 1 : 0) != SI_OK)
        return kRequestRefused;

    if (ReadDeviceProperty(kPropDescreen, record) != SI_OK)
        return kRequestOk;
    record.slot[0].raw = 0;
    record.slot[0].i = s.Filter == 1 ? 1 : 0;
    if (WriteDeviceProperty(record) != SI_OK)
        return kRequestRefused;
    return kRequestOk;
}

int QueryScanSize(const ScanSettings* settings, int32_t* width, int32_t* height)
{
    const int result = SendScanRequest(settings);
    if (result != kRequestOk)
        return result;
    SIProperty record;
    if (ReadDeviceProperty(kPropWidth, record) != SI_OK)
        return kRequestRefused;
    const int32_t w = CurrentValue(record);
    if (ReadDeviceProperty(kPropHeight, record) != SI_OK)
        return kRequestRefused;
    const int32_t h = CurrentValue(record);
    if (width)
        *width = w;
    if (height)
        *height = h;
    return kRequestOk;
}
