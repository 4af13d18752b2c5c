// The buffered source: copies the page it reads from upstream into a
// temporary "DTS" file, so that the page's true length is known before the
// transfer starts (end-of-page detection ends a sheet early). Rows then come
// from the file. Only side 0 is ever buffered: the scanner is one-sided.
#pragma once

#include "transfer/ImageSource.h"
#include "transfer/PageFile.h"

// Largest chunk moved from upstream to the file in one read, in bytes.
constexpr uint32_t kBufferChunkBytes = 131072;

// Rows per chunk: at most half the resolution in rows and at most
// kBufferChunkBytes, never less than one row.
uint32_t BufferChunkRows(uint32_t resolution, uint32_t rowBytes);

class CBufferedSource : public CChainedSource {
public:
    ~CBufferedSource() override { m_pageFile.Delete(); }

    uint32_t Length(bool finish) override;
    bool Open(const ScanSettings* settings, bool showProgress, HWND parent) override;
    void Close() override;
    void ReadRows(uint8_t* buffer, uint32_t rows, int32_t side, uint32_t* rowsRead) override;
    void EndPage() override;
    void ResetSide() override;

    // The page file in use ("" when none), for tests and diagnostics.
    const std::string& PageFilePath() const { return m_pageFile.Path(); }
    CPageFile::State PageFileState() const { return m_pageFile.GetState(); }

private:
    // Scans the whole page from upstream into the page file; leaves the
    // outcome in g_scanStatus and, on success, the final length in m_length.
    void BufferPage();

    uint32_t m_expectedLength = 0;
    // The page has been read into the file (its length may be 0: a sheet
    // that ended before its first row).
    bool m_buffered = false;
    CPageFile m_pageFile;
};
