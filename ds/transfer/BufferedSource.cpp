#include "transfer/BufferedSource.h"

#include <algorithm>
#include <memory>
#include <new>

#include "transfer/TempFiles.h"

uint32_t BufferChunkRows(uint32_t resolution, uint32_t rowBytes)
{
    uint32_t rows = static_cast<uint32_t>(resolution * 0.5);
    if (rowBytes > 0)
        rows = std::min(rows, kBufferChunkBytes / rowBytes);
    // A tiny resolution or a row wider than a chunk still moves one row at a time.
    return std::max<uint32_t>(rows, 1);
}

bool CBufferedSource::Open(const ScanSettings*, bool, HWND)
{
    g_scanStatus = kScanOk;
    m_pageFile.Delete();
    m_width = m_upstream ? m_upstream->Width(false) : 0;
    m_expectedLength = m_upstream ? m_upstream->Length(false) : 0;
    m_rowBytes = m_upstream ? m_upstream->RowBytes(false) : 0;
    m_bitsPerPixel = m_upstream ? m_upstream->BitsPerPixel() : 0;
    m_resolution = m_upstream ? m_upstream->Resolution() : 0;
    m_length = 0;
    m_buffered = false;
    return true;
}

uint32_t CBufferedSource::Length(bool finish)
{
    if (m_buffered)
        return m_length;
    if (g_scanStatus == kScanOk && finish) {
        BufferPage();
        if (m_buffered)
            return m_length;
    }
    return m_expectedLength;
}

void CBufferedSource::BufferPage()
{
    if (!m_upstream || m_rowBytes == 0) {
        g_scanStatus = kScanDeviceFailed;
        return;
    }
    const uint32_t chunk = BufferChunkRows(m_resolution, m_rowBytes);
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[static_cast<size_t>(chunk) * m_rowBytes]);
    if (!buffer) {
        g_scanStatus = kScanOutOfMemory;
        return;
    }
    uint32_t lines = m_expectedLength;
    m_pageFile.Delete();
    if (!m_pageFile.CreateForWriting(MakeTempFileName("DTS"))) {
        g_scanStatus = kScanFileError;
        return;
    }
    m_upstream->SelectSide(0);
    uint32_t remaining = lines;
    while (remaining > 0) {
        uint32_t got = 0;
        m_upstream->ReadRows(buffer.get(), std::min(remaining, chunk), 0, &got);
        if (g_scanStatus != kScanOk && g_scanStatus != kScanEndOfPage)
            break;
        got = std::min(got, std::min(remaining, chunk));
        if (got == 0 && g_scanStatus == kScanOk) {
            // Upstream neither delivered nor ended the page nor failed: it
            // cannot deliver this page.
            g_scanStatus = kScanDeviceFailed;
            break;
        }
        if (!m_pageFile.Append(buffer.get(), static_cast<size_t>(got) * m_rowBytes)) {
            g_scanStatus = kScanFileError;
            break;
        }
        remaining -= got;
        if (g_scanStatus == kScanEndOfPage) {
            g_scanStatus = kScanOk;
            lines -= remaining;
            break;
        }
    }
    m_pageFile.Close();
    if (g_scanStatus == kScanOk) {
        m_length = lines;
        m_buffered = true;
        // An empty page is a page of its own kind: nothing to hand out, and
        // not a device fault.
        if (lines == 0)
            g_scanStatus = kScanEmptyPage;
    }
}

void CBufferedSource::ReadRows(uint8_t* buffer, uint32_t rows, int32_t, uint32_t* rowsRead)
{
    if (rowsRead)
        *rowsRead = 0;
    if (g_scanStatus != kScanOk || !buffer || !rowsRead)
        return;
    if (m_startPending) {
        if (!m_buffered) {
            BufferPage();
            if (g_scanStatus != kScanOk)
                return;
        }
        if (!m_pageFile.OpenForReading()) {
            g_scanStatus = kScanFileError;
            return;
        }
        m_startPending = false;
    }
    if (!m_pageFile.Read(buffer, static_cast<size_t>(rows) * m_rowBytes)) {
        g_scanStatus = kScanFileError;
        return;
    }
    *rowsRead = rows;
}

void CBufferedSource::EndPage() { m_pageFile.Delete(); }

void CBufferedSource::ResetSide()
{
    CChainedSource::ResetSide();
    m_length = 0;
    m_buffered = false;
}

void CBufferedSource::Close()
{
    m_pageFile.Delete();
    m_buffered = false;
}
