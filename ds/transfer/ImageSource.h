// The image sources a page travels through: the scanner source reads rows
// from the device, the buffered source copies a page into temporary files,
// the processed source runs the imaging library over it. Each source answers
// the page's geometry and delivers rows; the last one in the chain answers
// the transfer.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/ScanSettings.h"

// The scan status shared by every source. While it is not kScanOk, every
// ReadRows delivers nothing until the next Open.
enum ScanStatus : int32_t {
    kScanOk = 0,
    kScanDeviceFailed = 1,
    kScanCancelled = 2,
    kScanFileError = 3,
    kScanOutOfMemory = 4,
    kScanEndOfPage = 6,    // a signal, not an error
    kScanImagingError = 7,
    kScanEmptyPage = 8,    // the sheet ended before its first row: no image
};
extern int32_t g_scanStatus;

// Bytes of one row padded to a multiple of 4, for 1, 4, 8 or 24 bits per
// pixel; 0 for any other depth.
uint32_t PaddedRowBytes(uint32_t width, uint32_t bitsPerPixel);

class CImageSource {
public:
    CImageSource() = default;
    virtual ~CImageSource() = default;
    CImageSource(const CImageSource&) = delete;
    CImageSource& operator=(const CImageSource&) = delete;

    virtual uint32_t Width(bool finish) { return m_width; }
    // With finish, a source may complete the page first to give its final length.
    virtual uint32_t Length(bool finish) { return m_length; }
    virtual uint32_t RowBytes(bool finish) { return m_rowBytes; }
    virtual uint32_t BitsPerPixel() { return m_bitsPerPixel; }
    virtual uint32_t Resolution() { return m_resolution; }
    // Prepares a page from a settings record; true on success.
    virtual bool Open(const ScanSettings* settings, bool showProgress, HWND parent) = 0;
    // Gives up the page and everything held for it.
    virtual void Close() = 0;
    // Copies up to `rows` rows of `side` into buffer (RowBytes apart).
    virtual void ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead) = 0;
    virtual void SelectSide(int32_t side)
    {
        m_side = side;
        m_startPending = true;
    }
    // The application is done with the current side.
    virtual void EndPage() {}
    virtual int32_t CurrentSide() { return m_side; }
    // Forgets the current page.
    virtual void ResetSide() { m_side = -1; }

protected:
    int32_t m_side = -1;
    bool m_startPending = false;
    uint32_t m_width = 0;
    uint32_t m_length = 0;
    uint32_t m_rowBytes = 0;
    uint32_t m_bitsPerPixel = 0;
    uint32_t m_resolution = 0;
};

// A source that reads its rows from the source before it in the chain.
class CChainedSource : public CImageSource {
public:
    void SetUpstream(CImageSource* upstream) { m_upstream = upstream; }
    CImageSource* Upstream() const { return m_upstream; }

protected:
    CImageSource* m_upstream = nullptr;
};
