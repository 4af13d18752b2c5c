// The modeless progress dialog of a scan (template 330): a progress bar and a
// growing thumbnail of the page. Feeding it rows pumps the thread's messages,
// which keeps the application alive while the device is read.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/ProgressDlgBase.h"
#include "ui/ThumbnailGeometry.h"
#include "ui/WinHandles.h"

// Messages one feeding call takes from the queue at most.
constexpr int kScanProgressPumpLimit = 100;

class CScanProgressDlg : public CProgressDlgBase {
public:
    // Creates and shows the dialog over `parent` at once; null on failure
    // (no template, or a depth other than 1, 8 or 24, or an empty image).
    static CScanProgressDlg* Create(HWND parent, int bitsPerPixel, int width, int height);

    // Pumps messages, updates the bar and the thumbnail with `count` rows
    // (padded to 4 bytes for their depth); false when the user cancelled or
    // the window is gone.
    bool AddRows(const uint8_t* rows, int count);

    // Destroys the window; the object deletes itself with it.
    void Destroy();

    HWND Window() const { return m_hwnd; }

    // What the thumbnail shows so far (tests).
    ThumbnailSize Thumbnail() const { return m_thumbSize; }
    int ThumbnailRowsFilled() const { return m_rowsFilled; }

private:
    CScanProgressDlg(int bitsPerPixel, int width, int height);
    ~CScanProgressDlg() override = default;

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnInitDialog() override;
    void PumpMessages();
    void PrepareThumbnail();
    void PaintFrame(HDC dc, const RECT& client);

    int m_bitsPerPixel;
    int m_imageWidth;
    int m_imageHeight;
    int64_t m_rowsReceived = 0;

    ThumbnailSize m_thumbSize;
    int m_rowsFilled = 0;
    std::vector<uint8_t> m_thumb;
    BITMAPINFOHEADER m_header = {};
    ScopedGdiObject<HPALETTE> m_palette;
};
