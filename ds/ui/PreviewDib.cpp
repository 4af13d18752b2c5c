#include "ui/PreviewDib.h"

#include <algorithm>
#include <cstring>

#include "ui/PreviewMath.h"

namespace {

bool ReadExactly(HANDLE file, void* buffer, DWORD size)
{
    DWORD got = 0;
    return ReadFile(file, buffer, size, &got, nullptr) && got == size;
}

uint32_t PixelBytes(const BITMAPINFOHEADER& h)
{
    const uint64_t row = (static_cast<uint64_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4;
    const uint64_t rows = h.biHeight < 0 ? -static_cast<int64_t>(h.biHeight) : h.biHeight;
    const uint64_t total = row * rows;
    return total > 0x7FFFFFFF ? 0 : static_cast<uint32_t>(total);
}

} // namespace

void CPreviewDib::Free()
{
    if (m_section) DeleteObject(m_section);
    m_section = nullptr;
    m_bits = nullptr;
}

int CPreviewDib::Resolution() const
{
    return PreviewResolution(Header().biXPelsPerMeter);
}

bool CPreviewDib::IsGray8() const
{
    const BITMAPINFOHEADER& h = Header();
    if (h.biBitCount != 8) return false;
    const uint32_t used = h.biClrUsed ? h.biClrUsed : 256;
    if (used != 256) return false;
    const RGBQUAD* palette = Info()->bmiColors;
    for (int i = 0; i < 256; ++i) {
        if (palette[i].rgbRed != palette[i].rgbGreen || palette[i].rgbGreen != palette[i].rgbBlue) return false;
    }
    return true;
}

int CPreviewDib::ReadHeaders(HANDLE file, uint32_t& offBits)
{
    BITMAPFILEHEADER fileHeader;
    if (!ReadExactly(file, &fileHeader, sizeof fileHeader)) return kDibNotBitmap;
    if (fileHeader.bfType != 0x4D42 && fileHeader.bfType != 0x4843) return kDibNotBitmap;
    offBits = fileHeader.bfOffBits;
    // The header area must hold at least the smallest header and fit the block.
    if (offBits < sizeof fileHeader + 12 || offBits - sizeof fileHeader > kHeaderBlock) return kDibNotBitmap;
    std::memset(m_block, 0, sizeof m_block);
    const DWORD headerBytes = offBits - sizeof fileHeader;
    uint8_t raw[kHeaderBlock] = {};
    if (!ReadExactly(file, raw, headerBytes)) return kDibNotBitmap;
    uint32_t size;
    std::memcpy(&size, raw, sizeof size);
    auto* h = reinterpret_cast<BITMAPINFOHEADER*>(m_block);
    if (size == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(&core, raw, sizeof core);
        h->biSize = sizeof(BITMAPINFOHEADER);
        h->biWidth = core.bcWidth;
        h->biHeight = core.bcHeight;
        h->biPlanes = 1;
        h->biBitCount = core.bcBitCount;
        const uint32_t entries = (headerBytes - 12) / 3;
        auto* palette = reinterpret_cast<RGBQUAD*>(m_block + sizeof(BITMAPINFOHEADER));
        for (uint32_t i = 0; i < entries && i < 256; ++i) {
            palette[i].rgbBlue = raw[12 + 3 * i];
            palette[i].rgbGreen = raw[12 + 3 * i + 1];
            palette[i].rgbRed = raw[12 + 3 * i + 2];
        }
    } else if (size == sizeof(BITMAPINFOHEADER)) {
        std::memcpy(m_block, raw, headerBytes);
        if (h->biClrUsed > 256) h->biClrUsed = 0;
    } else {
        return kDibNotBitmap;
    }
    if (h->biCompression != BI_RGB) return kDibCompressed;
    h->biSizeImage = 0;
    if (!(h->biBitCount == 1 || h->biBitCount == 4 || h->biBitCount == 8 || h->biBitCount == 24)) return kDibBadDepth;
    if (h->biWidth <= 0 || h->biHeight == 0 || h->biWidth > 65535 || h->biHeight > 65535 || h->biHeight < -65535)
        return kDibNotBitmap;
    return kDibLoaded;
}

int CPreviewDib::Load(const std::string& path, HDC dc)
{
    Free();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return m_status = kDibCannotOpen;
    uint32_t offBits = 0;
    m_status = ReadHeaders(file, offBits);
    if (m_status == kDibLoaded) {
        void* bits = nullptr;
        m_section = CreateDIBSection(dc, Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
        const uint32_t room = PixelBytes(Header());
        if (!m_section || !bits || room == 0) {
            Free();
            m_status = kDibNoMemory;
        } else {
            m_bits = static_cast<uint8_t*>(bits);
            // From bfOffBits to the end of the file, whole 4-byte words, never past the section.
            LARGE_INTEGER length = {};
            GetFileSizeEx(file, &length);
            uint64_t data = length.QuadPart > offBits ? static_cast<uint64_t>(length.QuadPart) - offBits : 0;
            data &= ~static_cast<uint64_t>(3);
            if (data > room) data = room;
            LARGE_INTEGER at;
            at.QuadPart = offBits;
            SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
            uint32_t done = 0;
            while (done < data) {
                const DWORD chunk = static_cast<DWORD>(std::min<uint64_t>(data - done, 409600));
                DWORD got = 0;
                if (!ReadFile(file, m_bits + done, chunk, &got, nullptr) || got == 0) break;
                done += got;
            }
        }
    }
    CloseHandle(file);
    return m_status;
}
