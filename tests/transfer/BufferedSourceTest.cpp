// The buffered source over a scripted upstream: the chunk rule, the page
// file's life, the end of the sheet and failures on the way.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "transfer/BufferedSource.h"

namespace {

// An upstream page whose row r holds bytes (r + column) & 0xFF; it can end
// the sheet early or fail after a number of rows, and records every request.
class ScriptedPage : public CImageSource {
public:
    ScriptedPage(uint32_t width, uint32_t length, uint32_t dpi)
    {
        m_width = width;
        m_length = length;
        m_bitsPerPixel = 8;
        m_rowBytes = PaddedRowBytes(width, 8);
        m_resolution = dpi;
    }
    bool Open(const ScanSettings*, bool, HWND) override { return true; }
    void Close() override {}
    void ReadRows(uint8_t* buffer, uint32_t rows, int32_t, uint32_t* rowsRead) override
    {
        *rowsRead = 0;
        if (g_scanStatus != kScanOk)
            return;
        requests.push_back(rows);
        uint32_t n = 0;
        while (n < rows && next < m_length) {
            if (next == failAt) {
                g_scanStatus = kScanDeviceFailed;
                return;
            }
            if (next == endAt)
                break;
            for (uint32_t c = 0; c < m_rowBytes; ++c)
                buffer[n * m_rowBytes + c] = static_cast<uint8_t>(next + c);
            ++n;
            ++next;
        }
        *rowsRead = n;
        if (next == endAt)
            g_scanStatus = kScanEndOfPage;
    }
    void SelectSide(int32_t side) override
    {
        CImageSource::SelectSide(side);
        next = 0;
    }

    std::vector<uint32_t> requests;
    uint32_t next = 0;
    uint32_t endAt = UINT32_MAX;
    uint32_t failAt = UINT32_MAX;
};

bool FileExists(const std::string& path) { return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class BufferedSourceTest : public ::testing::Test {
protected:
    void SetUp() override { g_scanStatus = kScanOk; }
    void TearDown() override { g_scanStatus = kScanOk; }
};

TEST(BufferChunkRows, HalfTheResolutionAndAtMost128KiB)
{
    EXPECT_EQ(BufferChunkRows(300, 2552), 51u);
    EXPECT_EQ(BufferChunkRows(200, 100), 100u);
    EXPECT_EQ(BufferChunkRows(75, 4), 37u);
    EXPECT_EQ(BufferChunkRows(1, 4), 1u) << "never an empty chunk";
    EXPECT_EQ(BufferChunkRows(600, 200000), 1u) << "a row wider than a chunk";
}

TEST_F(BufferedSourceTest, PageGoesThroughAFileInChunksAndComesBackWhole)
{
    ScriptedPage page(1000, 700, 300);   // 1000 bytes a row: chunks of 131 rows
    CBufferedSource buffered;
    buffered.SetUpstream(&page);
    ASSERT_TRUE(buffered.Open(nullptr, false, nullptr));
    EXPECT_EQ(buffered.Length(false), 700u) << "expected length until buffered";
    EXPECT_TRUE(page.requests.empty());
    EXPECT_EQ(buffered.Length(true), 700u);
    EXPECT_EQ(page.requests, (std::vector<uint32_t>{131, 131, 131, 131, 131, 45}));
    const std::string path = buffered.PageFilePath();
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(CPageFile::kClosed, buffered.PageFileState());

    buffered.SelectSide(0);
    std::vector<uint8_t> rows(1000 * 300);
    uint32_t got = 0;
    for (uint32_t start = 0; start < 700; start += got) {
        buffered.ReadRows(rows.data(), std::min(300u, 700 - start), 0, &got);
        ASSERT_EQ(g_scanStatus, kScanOk);
        ASSERT_GT(got, 0u);
        for (uint32_t r = 0; r < got; ++r)
            ASSERT_EQ(rows[r * 1000 + 7], static_cast<uint8_t>(start + r + 7)) << "row " << start + r;
    }
    EXPECT_EQ(page.requests.size(), 6u) << "rows come from the file, not upstream";
    buffered.EndPage();
    EXPECT_FALSE(FileExists(path));
}

TEST_F(BufferedSourceTest, EarlyEndOfSheetGivesTheRowsDelivered)
{
    ScriptedPage page(64, 1000, 200);
    page.endAt = 333;
    CBufferedSource buffered;
    buffered.SetUpstream(&page);
    ASSERT_TRUE(buffered.Open(nullptr, false, nullptr));
    EXPECT_EQ(buffered.Length(true), 333u);
    EXPECT_EQ(g_scanStatus, kScanOk) << "the end of the sheet is not an error";
    buffered.SelectSide(0);
    std::vector<uint8_t> rows(64 * 333);
    uint32_t got = 0;
    buffered.ReadRows(rows.data(), 333, 0, &got);
    EXPECT_EQ(got, 333u);
    EXPECT_EQ(rows[332 * 64], static_cast<uint8_t>(332));
    buffered.ReadRows(rows.data(), 1, 0, &got);
    EXPECT_EQ(g_scanStatus, kScanFileError) << "reading past the page is a file error";
    const std::string path = buffered.PageFilePath();
    buffered.Close();
    EXPECT_FALSE(FileExists(path));
}

TEST_F(BufferedSourceTest, UpstreamFailureStopsBufferingAndKeepsItsStatus)
{
    ScriptedPage page(64, 1000, 200);
    page.failAt = 250;
    CBufferedSource buffered;
    buffered.SetUpstream(&page);
    ASSERT_TRUE(buffered.Open(nullptr, false, nullptr));
    buffered.SelectSide(0);
    std::vector<uint8_t> rows(64 * 100);
    uint32_t got = 9;
    buffered.ReadRows(rows.data(), 100, 0, &got);   // the first read buffers the page
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(g_scanStatus, kScanDeviceFailed);
    EXPECT_EQ(buffered.Length(true), 1000u) << "the expected length, the page is not known";
    const size_t requests = page.requests.size();
    buffered.ReadRows(rows.data(), 100, 0, &got);
    EXPECT_EQ(page.requests.size(), requests) << "nothing is read while the status is set";
    const std::string path = buffered.PageFilePath();
    EXPECT_TRUE(FileExists(path));
    buffered.Close();
    EXPECT_FALSE(FileExists(path));
}

TEST_F(BufferedSourceTest, NextPageIsBufferedAnewInItsOwnFile)
{
    ScriptedPage page(16, 50, 100);
    CBufferedSource buffered;
    buffered.SetUpstream(&page);
    ASSERT_TRUE(buffered.Open(nullptr, false, nullptr));
    ASSERT_EQ(buffered.Length(true), 50u);
    const std::string first = buffered.PageFilePath();
    buffered.EndPage();
    buffered.ResetSide();
    page.endAt = 20;
    buffered.SelectSide(0);
    EXPECT_EQ(buffered.Length(true), 20u);
    EXPECT_FALSE(FileExists(first));
    EXPECT_TRUE(FileExists(buffered.PageFilePath()));
    buffered.Close();
}

} // namespace
