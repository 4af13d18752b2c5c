// The page store: the chain of image sources a page travels through, from
// the scanner source, through the buffered source when end-of-page detection
// is on, to the processed source when processing is asked for and the
// imaging library can be loaded. The last source (the head) answers the
// transfer's questions and delivers the rows; the scan runs lazily inside the
// first call that needs pixels or the final length.
#pragma once

#include <memory>

#include "device/ScannerSource.h"
#include "imaging/ProcessedSource.h"
#include "transfer/BufferedSource.h"
#include "transfer/ImageSource.h"

// CPageStore::Open results.
enum PageStoreOpen : int {
    kStoreOpened = 0,
    kStoreAlreadyOpen = 1,
    kStoreScannerFailed = 2,
    kStoreBufferFailed = 3,
    kStoreProcessingFailed = 4,
};

// ReadRows on a store that is not open.
constexpr int32_t kStoreNotOpen = 0xFFFF;

// Whether settings ask for a processing stage (border removal, photo,
// deskew, rotation, automatic rotation, or colour dropout outside colour).
bool WantsProcessing(const ScanSettings& settings);

class CPageStore {
public:
    static constexpr int kMaxItems = 8;

    CPageStore();
    ~CPageStore();
    CPageStore(const CPageStore&) = delete;
    CPageStore& operator=(const CPageStore&) = delete;

    int Open(const ScanSettings* settings, bool showProgress, HWND parent);
    void CloseAll();
    void EndPage();
    void ResetSide();
    void SelectSide(int32_t side);

    uint32_t Width(bool finish);
    uint32_t Length(bool finish);
    uint32_t RowBytes(bool finish);
    uint32_t BitsPerPixel();
    uint32_t Resolution();
    int32_t CurrentSide();

    // The head's ReadRows, then g_scanStatus; kStoreNotOpen when not open.
    int32_t ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead);

    // Whether the imaging library can be loaded (the module's one answer).
    bool ImagingAvailable();

    bool IsOpen() const { return m_isOpen; }
    int Count() const { return m_count; }
    CImageSource* Item(int i) const { return i >= 0 && i < m_count ? m_items[i] : nullptr; }
    CImageSource* Head() const { return m_head; }
    CScannerSource& Scanner() { return m_scanner; }
    CBufferedSource& Buffered() { return m_buffered; }
    CProcessedSource& Processed() { return m_processed; }

private:
    void Append(CImageSource* source);

    CImageSource* m_items[kMaxItems] = {};
    int m_count = 0;
    CImageSource* m_head = nullptr;
    bool m_isOpen = false;
    CScannerSource m_scanner;
    CBufferedSource m_buffered;
    CProcessedSource m_processed;
};

// The module's page store.
CPageStore& ThePageStore();
