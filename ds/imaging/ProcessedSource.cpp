// The processing stage's face towards the page store: loading the library,
// the page's geometry, serving the processed rows and giving the page up.
// The processing itself is in ProcessedSide.cpp.
#include "imaging/ProcessedSource.h"

#include <algorithm>
#include <cstring>

#include "imaging/PipelineRecords.h"

CProcessedSource::CProcessedSource() = default;

CProcessedSource::CProcessedSource(const std::string& libraryPath) : m_libraryPath(libraryPath) {}

CProcessedSource::~CProcessedSource()
{
    Close();
}

bool CProcessedSource::LibraryLoads()
{
    // The check must not disturb a scan in progress: Open resets the status.
    const int32_t status = g_scanStatus;
    CProcessedSource probe;
    const bool loads = probe.Open(nullptr, false, nullptr);
    probe.Close();
    g_scanStatus = status;
    return loads;
}

bool CProcessedSource::LoadLibraryOnce()
{
    if (m_loadState == kImagingNotLoaded) {
        m_loadState = kImagingLoadFailed;
        const bool loaded = m_libraryPath.empty() ? m_library.Load() : m_library.LoadFrom(m_libraryPath);
        if (loaded)
            m_loadState = kImagingLoaded;
        else
            m_library.Unload();
    }
    return m_loadState == kImagingLoaded;
}

bool CProcessedSource::Open(const ScanSettings* settings, bool, HWND)
{
    g_scanStatus = kScanOk;
    if (!LoadLibraryOnce())
        return false;
    if (!settings)
        return true;
    // A stage with nothing before it has no page to process.
    if (!m_upstream)
        return false;
    m_settings = *settings;
    m_haveSettings = true;
    FreePage();
    m_resolution = m_upstream->Resolution();
    return true;
}

void CProcessedSource::Close()
{
    FreePage();
    m_haveSettings = false;
    if (m_loadState == kImagingLoaded) {
        m_library.Unload();
        m_loadState = kImagingNotLoaded;
    }
}

void CProcessedSource::FreePage()
{
    m_page.reset();
    m_pageBytes = 0;
    m_packedRowBytes = 0;
    m_rowsServed = 0;
    m_width = 0;
    m_length = 0;
    m_rowBytes = 0;
    m_bitsPerPixel = 0;
}

void CProcessedSource::EndPage()
{
    FreePage();
}

void CProcessedSource::ResetSide()
{
    FreePage();
    m_side = -1;
}

uint32_t CProcessedSource::Width(bool finish)
{
    if (finish)
        EnsureProcessed();
    if (m_page)
        return m_width;
    return m_upstream ? m_upstream->Width(finish) : 0;
}

uint32_t CProcessedSource::Length(bool finish)
{
    if (finish)
        EnsureProcessed();
    if (m_page)
        return m_length;
    return m_upstream ? m_upstream->Length(finish) : 0;
}

uint32_t CProcessedSource::RowBytes(bool finish)
{
    if (finish)
        EnsureProcessed();
    if (m_page)
        return m_rowBytes;
    return m_upstream ? m_upstream->RowBytes(finish) : 0;
}

uint32_t CProcessedSource::BitsPerPixel()
{
    if (m_page)
        return m_bitsPerPixel;
    if (m_haveSettings && m_settings.ColorDropType != 0) {
        if (m_settings.ScanMode == kModeGray)
            return 8;
        if (m_settings.ScanMode == kModeBlackWhite)
            return 1;
    }
    return m_upstream ? m_upstream->BitsPerPixel() : 0;
}

void CProcessedSource::ReadRows(uint8_t* buffer, uint32_t rows, int32_t, uint32_t* rowsRead)
{
    if (rowsRead)
        *rowsRead = 0;
    if (g_scanStatus != kScanOk || !rowsRead)
        return;
    if (m_startPending || !m_page) {
        if (!EnsureProcessed()) {
            // Nothing to serve and no cause recorded (a stage read without
            // settings or library): report it rather than deliver nothing.
            if (g_scanStatus == kScanOk)
                g_scanStatus = kScanImagingError;
            return;
        }
        m_rowsServed = 0;
        m_startPending = false;
    }
    if (!buffer)
        return;

    // Never past the end of the page, whatever the caller asks for.
    rows = std::min(rows, m_length - m_rowsServed);
    const uint8_t* from = m_page.get() + static_cast<size_t>(m_rowsServed) * m_packedRowBytes;
    if (m_packedRowBytes == m_rowBytes) {
        std::memcpy(buffer, from, static_cast<size_t>(rows) * m_rowBytes);
    } else {
        uint8_t* to = buffer;
        for (uint32_t i = 0; i < rows; ++i) {
            std::memcpy(to, from, m_packedRowBytes);
            std::memset(to + m_packedRowBytes, 0, m_rowBytes - m_packedRowBytes);
            from += m_packedRowBytes;
            to += m_rowBytes;
        }
    }
    m_rowsServed += rows;
    *rowsRead = rows;
}
