// Settings to library records for the processing stage (see PipelineRecords.h).
#include "imaging/PipelineRecords.h"

#include <cstring>

uint32_t ProcessingStripRows(uint32_t resolution)
{
    const uint32_t rows = resolution / 2;
    return rows > 0 ? rows : 1;
}

int32_t BorderMargin(bool deskew, bool crop, uint32_t resolution)
{
    if (!deskew || !crop)
        return 0;
    // trunc(resolution x -0.02) in integers: 300 dpi gives -6, 75 dpi -1.
    return -static_cast<int32_t>(resolution * 2u / 100u);
}

bool WantsBorderRemoval(const ScanSettings& settings)
{
    return settings.Deskew != 0 || settings.AutoCrop != 0;
}

bool WantsColorDropout(const ScanSettings& settings)
{
    return settings.ColorDropType != 0 && settings.ScanMode != kModeColor;
}

IptBorderRemoval BorderRemovalRecord(const ScanSettings& settings, uint32_t resolution)
{
    IptBorderRemoval record;
    std::memset(&record, 0, sizeof record);
    record.size = sizeof record;
    record.deskew = settings.Deskew != 0 ? 1 : 0;
    record.crop = settings.AutoCrop != 0 ? 1 : 0;
    record.backgroundLevel = kBorderBackgroundLevel;
    record.margin = BorderMargin(record.deskew != 0, record.crop != 0, resolution);
    return record;
}

IptColorDropout ColorDropoutRecord(const ScanSettings& settings)
{
    IptColorDropout record;
    std::memset(&record, 0, sizeof record);
    record.size = sizeof record;
    record.type = settings.ColorDropType;
    record.threshold = settings.ColorDropThreshold;
    if (settings.ColorDropThreshold == -1) {
        record.minimum = kAutoDropoutWindow;
        record.maximum = kAutoDropoutWindow;
    } else if (settings.ColorDropType == 1) {
        record.minimum = settings.ColorDropMin - kRedHueOffset;
        record.maximum = settings.ColorDropMax - kRedHueOffset;
    } else {
        record.minimum = settings.ColorDropMin;
        record.maximum = settings.ColorDropMax;
    }
    record.saturationMin = settings.ColorDropSatMin;
    record.luminanceMin = settings.ColorDropLumMin;
    record.blobMin = settings.ColorDropBlobMin;
    return record;
}

IptBinarization DropoutBinarizationRecord(const ScanSettings& settings)
{
    IptBinarization record;
    std::memset(&record, 0, sizeof record);
    record.size = sizeof record;
    record.threshold = settings.ColorDropBWThreshold;
    return record;
}

IptRotation RotationRecord(int32_t code)
{
    IptRotation record;
    std::memset(&record, 0, sizeof record);
    record.size = sizeof record;
    record.rotation = code;
    return record;
}
