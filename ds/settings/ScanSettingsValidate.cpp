// Forcing a settings record into its valid ranges.
#include "device/ResolutionList.h"
#include "imaging/ImagingQuery.h"
#include "settings/ScanSettings.h"

namespace {

template <typename T>
void ReplaceOutside(T& field, long lo, long hi, T replacement)
{
    if (field < lo || field > hi) field = replacement;
}

// The processing steps of the imaging library are kept and bounded; the two
// alternatives done without it are switched off.
void ValidateImagingFields(ScanSettings* r)
{
    if (r->Rotation > 3) r->Rotation = 0;
    if (r->ColorDropType > 3) r->ColorDropType = 0;
    const auto dropMin = static_cast<uint16_t>(r->ColorDropMin);
    if (dropMin > 180 || r->ColorDropMin > r->ColorDropMax) r->ColorDropMin = 35;
    const auto dropMax = static_cast<uint16_t>(r->ColorDropMax);
    if (dropMax > 180 || r->ColorDropMax < r->ColorDropMin) r->ColorDropMax = 85;
    // A lower end that was kept against an upper end just replaced may lie
    // above it: the window would be empty, so the lower end goes too.
    if (r->ColorDropMin > r->ColorDropMax) r->ColorDropMin = 35;
    ReplaceOutside<uint16_t>(r->ColorDropSatMin, 1, 254, 75);
    ReplaceOutside<uint16_t>(r->ColorDropLumMin, 1, 254, 25);
    ReplaceOutside<uint16_t>(r->ColorDropBlobMin, 1, 500, 25);
    ReplaceOutside<int16_t>(r->ColorDropBWThreshold, -1, 255, -1);
    r->Filter = 0;
    r->Invert = 0;
}

void ClearImagingFields(ScanSettings* r)
{
    r->Rotation = 0;
    r->AutoCrop = 0;
    r->Photo = 0;
    r->Deskew = 0;
    r->AutoRotate = 0;
    r->ColorDropType = 0;
}

} // namespace

void ValidateScanSettings(ScanSettings* r)
{
    if (r->ScanMode != kModeGray && r->ScanMode != kModeBlackWhite && r->ScanMode != kModeColor)
        r->ScanMode = kModeBlackWhite;
    if (!IsBuiltInResolutionList()) r->DPI = SnapResolution(r->DPI, nullptr);
    r->Duplex = 0;
    ReplaceOutside<int16_t>(r->Brightness, -100, 100, 0);
    ReplaceOutside<int16_t>(r->Contrast, -100, 100, 0);
    ReplaceOutside<uint16_t>(r->Gamma, 10, 40, 18);
    ReplaceOutside<uint16_t>(r->Highlight, 5, 255, 255);
    ReplaceOutside<int16_t>(r->Shadow, 0, 250, 0);
    if (r->UVOnTime > 10000) r->UVOnTime = 0;
    SetScanFrame(r, r->Top, r->Left, r->Bottom, r->Right);
    if (ImagingAvailable())
        ValidateImagingFields(r);
    else
        ClearImagingFields(r);
}
