// The processing stage at the end of the page store's chain, on a page of
// the simulated scanner: the business card with its red form lines, scanned
// with end-of-page detection, deskewed, cropped, its colour dropped and
// turned, against the card as the same scanner delivers it unprocessed.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ScannerFixture.h"
#include "imaging/PipelineRecords.h"
#include "imaging/ProcessedSource.h"
#include "transfer/PageStore.h"

namespace {

class PageStoreProcessing : public ScannerTest {
protected:
    // Reads the whole page of an open store, side 0.
    std::vector<uint8_t> ReadPage(CPageStore& store)
    {
        store.SelectSide(0);
        const uint32_t length = store.Length(true);
        const uint32_t rowBytes = store.RowBytes(true);
        std::vector<uint8_t> rows(static_cast<size_t>(rowBytes) * length);
        uint32_t done = 0;
        while (done < length) {
            uint32_t got = 0;
            const int32_t status = store.ReadRows(&rows[static_cast<size_t>(done) * rowBytes],
                                                  std::min(64u, length - done), 0, &got);
            EXPECT_EQ(kScanOk, status);
            if (status != kScanOk || got == 0)
                break;
            done += got;
        }
        rows.resize(static_cast<size_t>(rowBytes) * done);
        return rows;
    }
};

TEST_F(PageStoreProcessing, CardIsDeskewedCroppedDroppedAndTurned)
{
    UsePage("02-business-card.png");
    Sim("Feeder", "Loop", "1");   // the same card again for the processed scan
    CPageStore store;
    ASSERT_TRUE(store.ImagingAvailable());

    // The card as scanned, grey: where the sheet lies on the dark backing.
    ScanSettings plain = Settings(kModeGray, 150);
    plain.DetectEOP = 1;
    ASSERT_EQ(kStoreOpened, store.Open(&plain, false, nullptr));
    const uint32_t scanWidth = store.Width(true);
    const uint32_t scanRowBytes = store.RowBytes(true);
    const std::vector<uint8_t> scan = ReadPage(store);
    store.EndPage();
    store.CloseAll();
    ASSERT_FALSE(scan.empty());
    const uint32_t scanLength = static_cast<uint32_t>(scan.size() / scanRowBytes);
    uint32_t left = scanWidth, right = 0, top = scanLength, bottom = 0;
    for (uint32_t y = 0; y < scanLength; ++y)
        for (uint32_t x = 0; x < scanWidth; ++x)
            if (scan[static_cast<size_t>(y) * scanRowBytes + x] > 2 * kBorderBackgroundLevel) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_LT(left, right);
    const int sheetWidth = static_cast<int>(right - left + 1);
    const int sheetLength = static_cast<int>(bottom - top + 1);

    ScanSettings s = plain;
    s.Deskew = 1;
    s.AutoCrop = 1;
    s.Rotation = 1;
    s.ColorDropType = 1;
    s.ColorDropMin = 35;
    s.ColorDropMax = 85;
    s.ColorDropSatMin = 75;
    s.ColorDropLumMin = 25;
    s.ColorDropBlobMin = 25;
    ASSERT_EQ(kStoreOpened, store.Open(&s, false, nullptr));
    ASSERT_EQ(3, store.Count());
    ASSERT_EQ(store.Head(), &store.Processed());
    EXPECT_EQ(8u, store.BitsPerPixel()) << "scanned in colour for the dropout, delivered grey";
    const std::vector<uint8_t> page = ReadPage(store);
    const uint32_t width = store.Width(false);
    const uint32_t length = store.Length(false);
    EXPECT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(PaddedRowBytes(width, 8), store.RowBytes(false));
    EXPECT_EQ(static_cast<size_t>(store.RowBytes(false)) * length, page.size());
    // A quarter turn: the sheet's length across, less the margin of 3 at
    // 150 dpi on each side.
    const int margin = -BorderMargin(true, true, 150);
    EXPECT_NEAR(sheetLength - 2 * margin, static_cast<int>(width), 4);
    EXPECT_NEAR(sheetWidth - 2 * margin, static_cast<int>(length), 4);
    store.EndPage();
    store.CloseAll();
}

}  // namespace
