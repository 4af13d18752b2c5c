// Every mode at every resolution through the chains without processing: the
// geometry the store reports, and the same bytes whether or not the page went
// through the page file.
#include <windows.h>

#include <vector>

#include "ScannerFixture.h"
#include "transfer/PageStore.h"

namespace {

class PageSweepTest : public ScannerTest {
protected:
    void TearDown() override
    {
        store.CloseAll();
        ScannerTest::TearDown();
    }
    // Opens the store on the settings and reads the whole page in strips.
    std::vector<uint8_t> Scan(const ScanSettings& s, uint32_t strip)
    {
        std::vector<uint8_t> page;
        if (store.Open(&s, false, nullptr) != kStoreOpened) return page;
        store.SelectSide(0);
        const uint32_t length = store.Length(true), rowBytes = store.RowBytes(true);
        page.resize(static_cast<size_t>(length) * rowBytes);
        uint32_t done = 0, got = 0;
        while (done < length && store.ReadRows(page.data() + size_t(done) * rowBytes,
                                               std::min(strip, length - done), 0, &got) == kScanOk && got)
            done += got;
        page.resize(size_t(done) * rowBytes);
        store.EndPage();
        store.CloseAll();
        return page;
    }
    CPageStore store;
};

TEST_F(PageSweepTest, EveryModeAndResolutionThroughBothChains)
{
    struct { uint16_t mode; uint32_t bits; } modes[] = {{kModeBlackWhite, 1}, {kModeGray, 8}, {kModeColor, 24}};
    const int16_t resolutions[] = {150, 200, 300, 600};
    UsePage("01-letter.png");
    Sim("Feeder", "Loop", "1"); // the same sheet for every scan
    for (const auto& m : modes) {
        for (int16_t dpi : resolutions) {
            SCOPED_TRACE(testing::Message() << "mode " << m.mode << " at " << dpi << " dpi");
            ScanSettings s = Settings(m.mode, dpi);
            s.Top = 100;     // an inch and a half from an inch down the sheet
            s.Bottom = 250;
            s.Left = 17;
            s.Right = 418;   // 4.01 inches: widths that are rarely a multiple of 4
            const uint32_t width = uint32_t(s.Right - s.Left) * dpi / 100;
            const uint32_t rows = uint32_t(s.Bottom - s.Top) * dpi / 100;
            const uint32_t rowBytes = PaddedRowBytes(width, m.bits);

            s.DetectEOP = 0;
            const std::vector<uint8_t> streamed = Scan(s, 97);
            ASSERT_EQ(g_scanStatus, kScanOk);
            ASSERT_EQ(streamed.size(), size_t(rows) * rowBytes);

            s.DetectEOP = 1;
            ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
            EXPECT_EQ(store.Count(), 2);
            EXPECT_EQ(store.Width(true), width);
            EXPECT_EQ(store.RowBytes(true), rowBytes);
            EXPECT_EQ(store.BitsPerPixel(), m.bits);
            EXPECT_EQ(store.Resolution(), uint32_t(dpi));
            store.CloseAll();
            const std::vector<uint8_t> buffered = Scan(s, 61);
            ASSERT_EQ(g_scanStatus, kScanOk);
            EXPECT_TRUE(buffered == streamed) << "the page file changes nothing";

            // The page is neither blank nor black, and the row padding is zero.
            const uint32_t packed = (width * m.bits + 7) / 8;
            size_t ink = 0;
            for (uint32_t r = 0; r < rows; ++r) {
                const uint8_t* row = streamed.data() + size_t(r) * rowBytes;
                for (uint32_t b = 0; b < packed; ++b) ink += (m.bits == 1) ? (row[b] != 0xFF) : (row[b] < 128);
                for (uint32_t b = packed; b < rowBytes; ++b) ASSERT_EQ(row[b], 0) << "row " << r;
            }
            EXPECT_GT(ink, size_t(rows) * packed / 200);
            EXPECT_LT(ink, size_t(rows) * packed * 9 / 10);
        }
    }
}

} // namespace
