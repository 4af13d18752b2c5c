#include "device/ScannerSource.h"

#include <algorithm>

#include "caps/CapValues.h"
#include "device/ScanRequest.h"
#include "device/ScanSequence.h"
#include "session/BusyGuard.h"
#include "ui/ScanProgressDlg.h"

namespace {
// The largest width or height in pixels a device answer may give: the scan
// area at several times the optical resolution, far below where the row
// arithmetic would wrap.
constexpr int32_t kMaxDeviceExtent = 65535;
} // namespace

uint32_t ScanBitsPerPixel(const ScanSettings& s)
{
    if ((s.ScanMode == kModeGray || s.ScanMode == kModeBlackWhite) && s.ColorDropType != 0)
        return 24;
    if (s.ScanMode == kModeColor)
        return 24;
    if (s.ScanMode == kModeGray)
        return 8;
    return 1;
}

CScannerSource::~CScannerSource() { CloseProgress(); }

bool CScannerSource::Open(const ScanSettings* settings, bool showProgress, HWND parent)
{
    g_scanStatus = kScanOk;
    CloseProgress();
    m_deviceStarted = false;
    if (!settings)
        return false;
    m_settings = *settings;
    m_showProgress = showProgress;
    m_parent = parent;

    int32_t width = 0, height = 0;
    // A device answer outside any real page would wrap the row arithmetic.
    if (QueryScanSize(&m_settings, &width, &height) != kRequestOk || width <= 0 || height <= 0 ||
        width > kMaxDeviceExtent || height > kMaxDeviceExtent)
        return false;
    m_width = static_cast<uint32_t>(width);
    m_length = static_cast<uint32_t>(height);
    m_deviceHeight = height;
    m_bitsPerPixel = ScanBitsPerPixel(m_settings);
    m_rowBytes = PaddedRowBytes(m_width, m_bitsPerPixel);
    m_resolution = m_settings.DPI > 0 ? static_cast<uint32_t>(m_settings.DPI) : 0;
    return true;
}

bool CScannerSource::StartSide()
{
    if (!m_deviceStarted) {
        int32_t width = 0, height = 0;
        g_scanStatus = BeginScan(m_settings, TheCapValues().eopSensitivity, &width, &height);
        if (g_scanStatus != kScanOk)
            return false;
        m_deviceStarted = true;
        m_deviceHeight = height;
        // Rows go into buffers sized from the opened geometry: a device that
        // now delivers other rows cannot be read safely.
        if (PaddedDeviceRowBytes() != m_rowBytes || height <= 0) {
            Close();
            g_scanStatus = kScanDeviceFailed;
            return false;
        }
    }
    if (m_showProgress && !m_progress) {
        if (m_parent)
            EnableWindow(m_parent, FALSE);
        m_progress = CScanProgressDlg::Create(m_parent, static_cast<int>(m_bitsPerPixel),
                                              static_cast<int>(m_width), m_deviceHeight);
        if (!m_progress && m_parent)
            EnableWindow(m_parent, TRUE);
    }
    m_length = static_cast<uint32_t>(m_deviceHeight);
    m_rowsRead = 0;
    m_startPending = false;
    return true;
}

void CScannerSource::ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead)
{
    if (rowsRead)
        *rowsRead = 0;
    if (g_scanStatus != kScanOk || !rowsRead)
        return;
    // The progress dialog hands on the application's messages meanwhile.
    BusyScope busy;
    // No side selected and no scan of ours running: nothing to read, and the
    // device's row size of an earlier scan must not be used.
    if (!m_startPending && !m_deviceStarted)
        return;
    if (m_startPending && !StartSide())
        return;

    // Rows past the end of the page are never asked of the device.
    rows = std::min(rows, m_length > m_rowsRead ? m_length - m_rowsRead : 0u);
    rows = std::min<uint32_t>(rows, 0x7FFFFFFF);
    bool endOfPage = false;
    const int read = ReadScanRows(buffer, static_cast<int>(rows), &endOfPage, side);
    if (read < 0) {
        Close();
        g_scanStatus = kScanDeviceFailed;
        return;
    }
    *rowsRead = static_cast<uint32_t>(read);
    if (m_progress && read > 0 && !m_progress->AddRows(buffer, read)) {
        Close();
        g_scanStatus = kScanCancelled;
        return;
    }
    m_rowsRead += static_cast<uint32_t>(read);
    if (m_settings.DetectEOP != 0 && endOfPage) {
        m_length = m_rowsRead;
        g_scanStatus = kScanEndOfPage;
    }
    if (m_rowsRead == m_length) {
        CloseProgress();
        EndScan();
    }
}

void CScannerSource::CloseProgress()
{
    if (!m_progress)
        return;
    // The owner first: destroying the active dialog while its owner is still
    // disabled would hand activation to another program's window.
    if (m_parent)
        EnableWindow(m_parent, TRUE);
    m_progress->Destroy();
    m_progress = nullptr;
}

void CScannerSource::Close()
{
    CloseProgress();
    EndScan();
    m_deviceStarted = false;
}

void CScannerSource::ResetSide()
{
    Close();
    m_side = -1;
}
