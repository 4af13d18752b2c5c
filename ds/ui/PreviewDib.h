// CPreviewDib: the preview picture read from its BMP file into a DIB
// section. Files from disk are untrusted: the header area must fit its
// 1064-byte block and the pixel data is cut to the section's size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

enum PreviewDibStatus : int {
    kDibLoaded = 0,
    kDibNoMemory = 1,
    kDibCannotOpen = 2,
    kDibNotBitmap = 3,
    kDibCompressed = 4,
    kDibBadDepth = 5,
};

class CPreviewDib {
public:
    static constexpr uint32_t kHeaderBlock = 1064;

    CPreviewDib() = default;
    ~CPreviewDib() { Free(); }
    CPreviewDib(const CPreviewDib&) = delete;
    CPreviewDib& operator=(const CPreviewDib&) = delete;

    // Reads the file and makes the section on `dc`; the status (kDibLoaded on success).
    int Load(const std::string& path, HDC dc);
    void Free();

    int Status() const { return m_status; }
    bool Loaded() const { return m_section != nullptr; }
    const BITMAPINFOHEADER& Header() const { return *reinterpret_cast<const BITMAPINFOHEADER*>(m_block); }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(m_block); }
    const uint8_t* Bits() const { return m_bits; }
    int Width() const { return Header().biWidth; }
    int Height() const { return Header().biHeight < 0 ? -Header().biHeight : Header().biHeight; }
    // Dots per inch from the header, at least 30.
    int Resolution() const;
    // 8 bits with a full palette of greys.
    bool IsGray8() const;

private:
    int ReadHeaders(HANDLE file, uint32_t& offBits);

    alignas(4) uint8_t m_block[kHeaderBlock] = {};
    HBITMAP m_section = nullptr;
    uint8_t* m_bits = nullptr;
    int m_status = kDibCannotOpen;
};
