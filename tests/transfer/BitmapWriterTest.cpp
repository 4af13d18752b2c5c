// The bitmap writer and the transfer memory file without the session: the
// headers and palettes, the chunk flip, one seek and one write per odd-sized
// chunk at its place from the end, and a memory block allocated once with the
// manager's allocator.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "ScannerFixture.h"
#include "session/DsmLink.h"
#include "transfer/BitmapWriter.h"
#include "transfer/ImageSource.h"
#include "transfer/PageStore.h"
#include "transfer/TransferMemFile.h"

#include "RecordingFile.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    uint32_t v;
    std::memcpy(&v, &b[at], 4);
    return v;
}

TEST(BitmapHeader, OneBitWithFileHeaderAndItsPalette)
{
    RecordingFile f;
    ASSERT_EQ(WriteBitmapHeader(f, 1, 300, 1700, 10, true), kHeaderWritten);
    const uint32_t total = 14 + 40 + 8 + 216 * 10;
    ASSERT_EQ(f.bytes.size(), total);
    EXPECT_EQ(f.bytes[0], 'B');
    EXPECT_EQ(f.bytes[1], 'M');
    EXPECT_EQ(U32(f.bytes, 2), total);
    EXPECT_EQ(U32(f.bytes, 6), 0u);
    EXPECT_EQ(U32(f.bytes, 10), 62u);
    EXPECT_EQ(U32(f.bytes, 14), 40u);
    EXPECT_EQ(U32(f.bytes, 18), 1700u);
    EXPECT_EQ(U32(f.bytes, 22), 10u) << "positive height: bottom-up";
    EXPECT_EQ(U32(f.bytes, 14 + 20), 2160u);
    EXPECT_EQ(U32(f.bytes, 14 + 24), 11811u);
    EXPECT_EQ(U32(f.bytes, 14 + 32), 2u);
    EXPECT_EQ(U32(f.bytes, 54), 0u);
    EXPECT_EQ(U32(f.bytes, 58), 0x00FFFFFFu);
}

TEST(BitmapHeader, GreyRampAndColourWithoutPalette)
{
    RecordingFile grey;
    ASSERT_EQ(WriteBitmapHeader(grey, 8, 200, 3, 2, false), kHeaderWritten);
    ASSERT_EQ(grey.bytes.size(), 40 + 1024 + 4 * 2u);
    EXPECT_EQ(U32(grey.bytes, 32), 256u);
    EXPECT_EQ(U32(grey.bytes, 40 + 4 * 200), 0x00C8C8C8u);
    RecordingFile colour;
    ASSERT_EQ(WriteBitmapHeader(colour, 24, 600, 5, 3, false), kHeaderWritten);
    EXPECT_EQ(colour.bytes.size(), 40 + 16 * 3u);
    EXPECT_EQ(U32(colour.bytes, 32), 0u);
    EXPECT_EQ(U32(colour.bytes, 24), 23622u);
}

TEST(BitmapHeader, BadGeometryAndFileErrorsAreTold)
{
    RecordingFile f;
    EXPECT_EQ(WriteBitmapHeader(f, 4, 300, 10, 10, false), kHeaderFailed);
    EXPECT_EQ(WriteBitmapHeader(f, 8, 300, 0, 10, false), kHeaderFailed);
    EXPECT_EQ(WriteBitmapHeader(f, 24, 300, 60000, 60000, true), kHeaderFailed) << "beyond 4 GiB";
    f.failLength = true;
    EXPECT_EQ(WriteBitmapHeader(f, 8, 300, 10, 10, false), kHeaderFileError);
}

TEST(FlipChunk, ReversesRowsAndSwapsRedAndBlueButNotThePadding)
{
    // Three rows of one 24-bit pixel each, padded to 4 bytes.
    std::vector<uint8_t> rows = {1, 2, 3, 9, 4, 5, 6, 9, 7, 8, 10, 9};
    FlipChunk(rows.data(), 3, 4, 1, 24);
    EXPECT_EQ(rows, (std::vector<uint8_t>{10, 8, 7, 9, 6, 5, 4, 9, 3, 2, 1, 9}));
    std::vector<uint8_t> grey = {1, 2, 3, 4, 5, 6, 7, 8};
    FlipChunk(grey.data(), 2, 4, 4, 8);
    EXPECT_EQ(grey, (std::vector<uint8_t>{5, 6, 7, 8, 1, 2, 3, 4}));
}

int g_allocations = 0;
int g_frees = 0;
TW_HANDLE TW_CALLINGSTYLE CountingAlloc(TW_UINT32 n)
{
    ++g_allocations;
    return GlobalAlloc(GMEM_MOVEABLE, n);
}
void TW_CALLINGSTYLE CountingFree(TW_HANDLE h)
{
    ++g_frees;
    GlobalFree(h);
}

class MemFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_allocations = g_frees = 0;
        TheDsmLink().allocate = &CountingAlloc;
        TheDsmLink().free = &CountingFree;
    }
    void TearDown() override { TheDsmLink().Reset(); }
};

TEST_F(MemFileTest, SizedAheadIsAllocatedOnceAndDetachedUnlocked)
{
    TW_HANDLE handle = nullptr;
    {
        CTransferMemFile file(1024);
        ASSERT_TRUE(file.SetLength(100000));
        ASSERT_TRUE(file.Seek(99990));
        ASSERT_TRUE(file.Write("0123456789", 10));
        ASSERT_TRUE(file.Seek(0));
        ASSERT_TRUE(file.Write("BM", 2));
        EXPECT_EQ(file.Allocations(), 1);
        handle = file.Detach();
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(file.Length(), 0u);
    }
    EXPECT_EQ(g_frees, 0) << "a detached block is the application's";
    EXPECT_EQ(GlobalSize(handle), 100000u);
    EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 0u) << "handed over unlocked";
    const char* p = static_cast<const char*>(GlobalLock(handle));
    EXPECT_EQ(std::memcmp(p, "BM", 2), 0);
    EXPECT_EQ(std::memcmp(p + 99990, "0123456789", 10), 0);
    GlobalUnlock(handle);
    GlobalFree(handle);
}

TEST_F(MemFileTest, GrowsByStepsCopyingAndFreesWhatItStillHolds)
{
    {
        CTransferMemFile file(1024);
        std::vector<uint8_t> chunk(700, 0xAB);
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(file.Write(chunk.data(), 700));
        EXPECT_EQ(file.Length(), 2100u);
        EXPECT_EQ(file.Allocations(), 3);   // 1024, 2048, 3072
        EXPECT_EQ(g_frees, 2);
        EXPECT_EQ(file.Data()[2099], 0xAB);
        EXPECT_FALSE(file.SetLength(0x100000000ull)) << "nothing above 4 GiB - 1";
        EXPECT_EQ(file.Length(), 2100u);
    }
    EXPECT_EQ(g_frees, 3);
}

class WriteBitmapTest : public ScannerTest {
protected:
    void TearDown() override
    {
        store.CloseAll();
        ScannerTest::TearDown();
    }
    CPageStore store;
};

TEST_F(WriteBitmapTest, OddChunksEachWrittenOnceAtTheirPlaceFromTheEnd)
{
    UsePage("01-letter.png");
    ScanSettings s = Settings(kModeGray, 300);
    s.Right = 200;   // 600 pixels: 600-byte rows
    s.Bottom = 500;  // 1500 rows
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    store.SelectSide(0);
    RecordingFile f;
    ASSERT_EQ(WriteBitmap(f, true, store), kScanOk);
    const uint32_t header = 14 + 40 + 1024, rowBytes = 600, rows = 1500;
    ASSERT_EQ(f.bytes.size(), header + rowBytes * rows);
    ASSERT_GE(f.writes.size(), 2u);
    // After the header: chunks of min(150, 1500, 218) = 150 rows, made odd: 149.
    uint64_t expectedAt = f.bytes.size();
    uint32_t done = 0;
    for (size_t i = 1; i < f.writes.size(); ++i) {
        const uint32_t n = std::min(149u, rows - done);
        EXPECT_EQ(f.writes[i].size, n * rowBytes) << "write " << i;
        expectedAt -= uint64_t(n) * rowBytes;
        EXPECT_EQ(f.writes[i].at, expectedAt) << "write " << i;
        done += n;
    }
    EXPECT_EQ(done, rows);
    EXPECT_EQ(expectedAt, header);
}

TEST_F(WriteBitmapTest, AFailedWriteIsAFileErrorAndAClosedStoreIsNoPage)
{
    UsePage("01-letter.png");
    ScanSettings s = Settings(kModeGray, 150);
    s.Bottom = 200;
    RecordingFile f;
    EXPECT_NE(WriteBitmap(f, false, store), kScanOk) << "no page in a closed store";
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    store.SelectSide(0);
    RecordingFile broken;
    broken.failLength = true;
    EXPECT_EQ(WriteBitmap(broken, false, store), kScanFileError);
}

} // namespace
