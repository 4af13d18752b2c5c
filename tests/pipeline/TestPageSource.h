// A stage before the processing stage for tests: serves one generated page
// (packed rows of a vz::Image, widened to 4-byte rows as every source
// delivers them) and notes how it is read. It can be told to fail after a
// number of rows with a status of its choice, as a scanner or a page file
// does.
#pragma once

#include <vector>

#include "core/Image.h"
#include "transfer/ImageSource.h"

class CTestPageSource : public CImageSource {
public:
    explicit CTestPageSource(const vz::Image& page, uint32_t resolution = 300);

    bool Open(const ScanSettings* settings, bool showProgress, HWND parent) override;
    void Close() override {}
    void ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead) override;
    void SelectSide(int32_t side) override;

    // After `rows` rows have been delivered, the next read sets `status`
    // (rows up to that point are still delivered).
    void FailAfter(uint32_t rows, int32_t status)
    {
        m_failAfter = rows;
        m_failStatus = status;
    }
    // Claims a size it does not have (for allocation failures).
    void ClaimLength(uint32_t length) { m_length = length; }

    // The page's padded rows, as the source serves them.
    const std::vector<uint8_t>& PaddedRows() const { return m_rows; }

    uint32_t reads = 0;         // ReadRows calls
    uint32_t largestRead = 0;   // most rows asked for in one call
    uint32_t rowsServed = 0;
    int32_t lastSide = -2;
    uint32_t selects = 0;

private:
    std::vector<uint8_t> m_rows;
    uint32_t m_failAfter = 0xFFFFFFFF;
    int32_t m_failStatus = kScanOk;
};

// The page's rows as a tightly packed image of the given geometry, from
// rows `rowBytes` apart (for comparing what the processing stage served).
vz::Image ImageFromRows(const uint8_t* rows, uint32_t rowBytes, uint32_t width, uint32_t length,
                        uint32_t bitsPerPixel);
