#include "TestPageSource.h"

#include <algorithm>
#include <cstring>

CTestPageSource::CTestPageSource(const vz::Image& page, uint32_t resolution)
{
    m_width = static_cast<uint32_t>(page.width);
    m_length = static_cast<uint32_t>(page.height);
    m_bitsPerPixel = static_cast<uint32_t>(page.bpp);
    m_resolution = resolution;
    m_rowBytes = PaddedRowBytes(m_width, m_bitsPerPixel);
    // Padding bytes get a pattern, so that nothing downstream may rely on them.
    m_rows.assign(static_cast<size_t>(m_rowBytes) * m_length, 0xA5);
    for (int y = 0; y < page.height; ++y)
        std::memcpy(&m_rows[static_cast<size_t>(y) * m_rowBytes], page.row(y), page.stride);
}

bool CTestPageSource::Open(const ScanSettings*, bool, HWND)
{
    g_scanStatus = kScanOk;
    return true;
}

void CTestPageSource::SelectSide(int32_t side)
{
    CImageSource::SelectSide(side);
    ++selects;
    rowsServed = 0;
}

void CTestPageSource::ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead)
{
    *rowsRead = 0;
    ++reads;
    largestRead = std::max(largestRead, rows);
    lastSide = side;
    if (g_scanStatus != kScanOk)
        return;
    if (rowsServed >= m_failAfter) {
        g_scanStatus = m_failStatus;
        return;
    }
    const uint32_t available = static_cast<uint32_t>(m_rows.size() / std::max(m_rowBytes, 1u));
    rows = std::min({rows, m_length - rowsServed, m_failAfter - rowsServed});
    rows = std::min(rows, available > rowsServed ? available - rowsServed : 0u);
    std::memcpy(buffer, &m_rows[static_cast<size_t>(rowsServed) * m_rowBytes],
                static_cast<size_t>(rows) * m_rowBytes);
    rowsServed += rows;
    *rowsRead = rows;
}

vz::Image ImageFromRows(const uint8_t* rows, uint32_t rowBytes, uint32_t width, uint32_t length,
                        uint32_t bitsPerPixel)
{
    vz::Image image;
    vz::MakeImage(image, static_cast<int>(width), static_cast<int>(length), static_cast<int>(bitsPerPixel));
    for (uint32_t y = 0; y < length; ++y)
        std::memcpy(image.row(static_cast<int>(y)), rows + static_cast<size_t>(y) * rowBytes, image.stride);
    return image;
}
