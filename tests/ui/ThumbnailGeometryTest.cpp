// The thumbnail's size in its frame, the rows and percentage due, strides and
// the placement of the draw: plain arithmetic, no windows.
#include <gtest/gtest.h>

#include <cstdint>

#include "ui/ThumbnailGeometry.h"

namespace {

void ExpectSize(ThumbnailSize s, int width, int height)
{
    EXPECT_EQ(s.width, width);
    EXPECT_EQ(s.height, height);
}

TEST(ThumbnailGeometry, FitsTheImageIntoTheFrameLessItsMargin)
{
    // A small image is shown as it is; a large one keeps its aspect ratio.
    ExpectSize(FitThumbnail(60, 100, 308, 408), 60, 100);
    ExpectSize(FitThumbnail(1200, 3000, 308, 408), 160, 400);
    // Wider than tall: the width takes the area.
    ExpectSize(FitThumbnail(3000, 100, 308, 408), 300, 10);
    // Exactly the area is not "smaller": it takes the scaling road and stays.
    ExpectSize(FitThumbnail(300, 400, 308, 408), 300, 400);
    // Larger in one direction only still scales.
    ExpectSize(FitThumbnail(350, 100, 308, 408), 300, 85);
}

TEST(ThumbnailGeometry, WidthIsLoweredToAMultipleOfFour)
{
    ExpectSize(FitThumbnail(1000, 3000, 308, 408), 132, 400); // 133 before rounding
    ExpectSize(FitThumbnail(299, 399, 308, 408), 296, 399);   // unscaled, still rounded
    ExpectSize(FitThumbnail(63, 10, 308, 408), 60, 10);
}

TEST(ThumbnailGeometry, NothingToShowGivesAnEmptyThumbnail)
{
    ExpectSize(FitThumbnail(0, 100, 308, 408), 0, 0);
    ExpectSize(FitThumbnail(100, -5, 308, 408), 0, 0);
    ExpectSize(FitThumbnail(100, 100, 8, 408), 0, 0);     // no area left after the margin
    ExpectSize(FitThumbnail(3, 3000, 308, 408), 0, 0);    // width rounds down to nothing
    ExpectSize(FitThumbnail(100000, 1, 308, 408), 0, 0);  // height scales to nothing
}

TEST(ThumbnailGeometry, HugeImagesDoNotOverflow)
{
    // 2^20 squared: the products exceed 32 bits.
    ExpectSize(FitThumbnail(1 << 20, 1 << 20, 308, 408), 300, 300);
    ExpectSize(FitThumbnail(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), 0x7FFFFFF4, 0x7FFFFFF7);
}

TEST(ThumbnailGeometry, RowsDueAndPercentFollowTheRowsReceived)
{
    EXPECT_EQ(ThumbnailRowsDue(400, 0, 3000), 0);
    EXPECT_EQ(ThumbnailRowsDue(400, 7, 3000), 0);      // 0.93 of a row: not yet
    EXPECT_EQ(ThumbnailRowsDue(400, 8, 3000), 1);
    EXPECT_EQ(ThumbnailRowsDue(400, 1500, 3000), 200);
    EXPECT_EQ(ThumbnailRowsDue(400, 3000, 3000), 400);
    // A device that delivers more rows than announced never overfills.
    EXPECT_EQ(ThumbnailRowsDue(400, 9000, 3000), 400);
    EXPECT_EQ(ThumbnailRowsDue(400, 10, 0), 0);

    EXPECT_EQ(ProgressPercent(1499, 3000), 49);
    EXPECT_EQ(ProgressPercent(1500, 3000), 50);
    EXPECT_EQ(ProgressPercent(3001, 3000), 100);
    EXPECT_EQ(ProgressPercent(int64_t(1) << 40, 3), 100);
    EXPECT_EQ(ProgressPercent(10, 0), 0);
}

TEST(ThumbnailGeometry, RowStridesArePaddedToFourBytes)
{
    EXPECT_EQ(SourceRowBytes(1, 9), 4u);
    EXPECT_EQ(SourceRowBytes(1, 33), 8u);
    EXPECT_EQ(SourceRowBytes(8, 5), 8u);
    EXPECT_EQ(SourceRowBytes(24, 5), 16u);
    EXPECT_EQ(SourceRowBytes(24, 850), 2552u); // 2550 bytes of pixels
    EXPECT_EQ(SourceRowBytes(16, 10), 0u);
    EXPECT_EQ(ThumbnailRowBytes(160), 480u);
    EXPECT_EQ(ThumbnailRowBytes(5), 16u);
}

TEST(ThumbnailGeometry, FilledRowsAreDrawnBottomAlignedAndCentred)
{
    const ThumbnailSize thumb{160, 400};
    const ThumbnailDraw d = PlaceThumbnail(308, 408, thumb, 100);
    EXPECT_EQ(d.x, 74);
    EXPECT_EQ(d.y, 304);
    EXPECT_EQ(d.width, 160);
    EXPECT_EQ(d.height, 100);
    EXPECT_EQ(d.sourceX, 0);
    EXPECT_EQ(d.sourceY, 300); // from the bottom: the top 100 rows of a top-down bitmap
    EXPECT_EQ(d.firstLine, 0);
    EXPECT_EQ(d.lines, 400);

    const ThumbnailDraw full = PlaceThumbnail(308, 408, thumb, 999);
    EXPECT_EQ(full.height, 400);
    EXPECT_EQ(full.y, 4);
    EXPECT_EQ(full.sourceY, 0);
}

} // namespace
