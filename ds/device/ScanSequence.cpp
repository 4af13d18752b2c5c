#include "device/ScanSequence.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "device/DeviceProperty.h"
#include "device/DriverLink.h"
#include "device/ScanRequest.h"
#include "device/UvLamp.h"
#include "session/DataSourceApp.h"

namespace {

constexpr uint16_t kPropBytesPerRow = 19;
constexpr uint16_t kPropEopSensitivity = 60;
constexpr int kSides = 2;

struct ScanState {
    bool started = false;
    int32_t bytesPerRow = 0;
    bool detectEndOfPage = false;
    bool endOfPage[kSides] = {false, false};
    int32_t rowsRead = 0;
};
ScanState g_scan;

void SleepMs(unsigned long ms) { Sleep(ms); }
ScanPause g_pause = &SleepMs;

// The copy the scan starts with: shadow in 0..254, highlight above it, and
// gamma lowered by 8 so that the request sends the settings' exact value.
ScanSettings StartCopy(const ScanSettings& settings)
{
    ScanSettings copy = settings;
    copy.Shadow = static_cast<int16_t>(std::max<int>(0, std::min<int>(copy.Shadow, 254)));
    copy.Highlight = static_cast<uint16_t>(std::max<int>(copy.Shadow + 1, std::min<int>(copy.Highlight, 255)));
    copy.Gamma = static_cast<uint16_t>(copy.Gamma - 8);
    MarkForScanStart(copy);
    return copy;
}

} // namespace

ScanPause SetScanPause(ScanPause pause)
{
    ScanPause previous = g_pause;
    g_pause = pause ? pause : &SleepMs;
    return previous;
}

bool IsScanStarted() { return g_scan.started; }
int32_t DeviceRowBytes() { return g_scan.bytesPerRow; }
uint32_t PaddedDeviceRowBytes()
{
    return g_scan.bytesPerRow > 0 ? (static_cast<uint32_t>(g_scan.bytesPerRow) + 3) / 4 * 4 : 0;
}

int BeginScan(const ScanSettings& settings, int32_t eopSensitivity, int32_t* width, int32_t* height)
{
    const ScanSettings copy = StartCopy(settings);

    if (copy.DetectEOP != 0) {
        int32_t sensitivity = eopSensitivity;
        if (copy.AutoCrop != 0 && sensitivity < kAutoCropEopSensitivity)
            sensitivity = kAutoCropEopSensitivity;
        // A scanner without an adjustable sensitivity scans at its own.
        if (sensitivity != 0)
            WriteNewSingleInt(kPropEopSensitivity, sensitivity);
    }

    int32_t w = 0, h = 0;
    if (QueryScanSize(&copy, &w, &h) != kRequestOk)
        return 1;
    SIProperty record;
    if (ReadDeviceProperty(kPropBytesPerRow, record) != SI_OK)
        return 1;
    g_scan.bytesPerRow = record.slot[0].i;
    g_scan.detectEndOfPage = copy.DetectEOP != 0;
    g_scan.endOfPage[0] = g_scan.endOfPage[1] = false;
    g_scan.rowsRead = 0;
    tx::ScannerLibrary& scanner = TheScanner();
    if (g_scan.bytesPerRow <= 0 || !scanner.SI_StartScan || scanner.SI_StartScan() != SI_OK)
        return 1;
    g_scan.started = true;
    if (width)
        *width = w;
    if (height)
        *height = h;
    return 0;
}

void WidenRows(uint8_t* buffer, int rows, uint32_t packed, uint32_t stride)
{
    if (!buffer || stride <= packed)
        return;
    for (int row = rows - 1; row >= 0; --row) {
        uint8_t* to = buffer + static_cast<size_t>(row) * stride;
        std::memmove(to, buffer + static_cast<size_t>(row) * packed, packed);
        std::memset(to + packed, 0, stride - packed);
    }
}

int ReadScanRows(uint8_t* buffer, int rows, bool* endOfPage, int side)
{
    if (endOfPage)
        *endOfPage = false;
    if (rows <= 0)
        return 0;
    if (side < 0 || side >= kSides || !buffer || g_scan.bytesPerRow <= 0)
        return -1;
    if (g_scan.endOfPage[side])
        return 0;
    tx::ScannerLibrary& scanner = TheScanner();
    if (!scanner.SI_ReadImageData)
        return -1;

    const size_t packed = static_cast<size_t>(g_scan.bytesPerRow);
    int read = 0;
    int emptyReads = 0;
    while (read < rows && !g_scan.endOfPage[side]) {
        const int wanted = rows - read;
        int delivered = 0;
        const int result = scanner.SI_ReadImageData(buffer + read * packed, wanted, side, &delivered);
        // A device claiming more rows than asked for, or fewer than none, is broken.
        if (delivered < 0 || delivered > wanted)
            return -1;
        if (result == SI_OK) {
            if (delivered > 0) {
                read += delivered;
                emptyReads = 0;
                continue;
            }
            if (++emptyReads >= kNoDataReadLimit)
                return -1;
            g_pause(kNoDataWaitMs);
        } else if (result == SI_END_OF_PAGE && g_scan.detectEndOfPage) {
            g_scan.endOfPage[side] = true;
            if (endOfPage)
                *endOfPage = true;
            read += delivered;
        } else {
            return -1;
        }
    }
    if (read > 0 && packed % 4 != 0)
        WidenRows(buffer, read, static_cast<uint32_t>(packed), PaddedDeviceRowBytes());
    g_scan.rowsRead += read;
    return read;
}

void EndScan()
{
    if (!g_scan.started)
        return;
    tx::ScannerLibrary& scanner = TheScanner();
    if (scanner.SI_EndScan)
        scanner.SI_EndScan();
    if (scanner.SI_FeedPaperOut)
        scanner.SI_FeedPaperOut();
    if (IsUvLampPresent())
        SwitchUvLampOn(TheApp().m_settings.UVOnTime);
    g_scan.started = false;
}
