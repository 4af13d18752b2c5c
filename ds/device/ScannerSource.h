// The first stage of the page store: reads a page's rows straight from the
// scanner. Opening it only sizes the page (the device request is sent once);
// the first read after SelectSide starts the device scan and, when asked,
// the progress dialog, which keeps the application's window alive while the
// rows come in.
#pragma once

#include "transfer/ImageSource.h"

class CScanProgressDlg;

// Bits per pixel of a scan: 24 for colour and for grey or black-and-white
// with colour dropout (captured in colour), 8 for grey, 1 otherwise.
uint32_t ScanBitsPerPixel(const ScanSettings& settings);

class CScannerSource : public CImageSource {
public:
    ~CScannerSource() override;

    bool Open(const ScanSettings* settings, bool showProgress, HWND parent) override;
    void Close() override;
    void ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead) override;
    void EndPage() override { Close(); }
    void ResetSide() override;

    // Whether the progress dialog is up (tests).
    bool ProgressShown() const { return m_progress != nullptr; }

private:
    // Starts the device scan and the progress dialog for a newly selected side.
    bool StartSide();
    void CloseProgress();

    ScanSettings m_settings = {};
    bool m_showProgress = false;
    HWND m_parent = nullptr;
    CScanProgressDlg* m_progress = nullptr;
    bool m_deviceStarted = false;
    int32_t m_deviceHeight = 0;
    uint32_t m_rowsRead = 0;
};
