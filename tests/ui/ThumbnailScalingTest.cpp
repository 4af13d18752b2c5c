// The box filter on small images with known means, for each depth.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/ThumbnailGeometry.h"
#include "ui/ThumbnailScaling.h"

namespace {

constexpr uint8_t kUntouched = 0xAB;

std::vector<uint8_t> ThumbBuffer(int width, int rows)
{
    return std::vector<uint8_t>(ThumbnailRowBytes(width) * rows, kUntouched);
}

TEST(BoxFilter, BandsPutTheLargerOnesFirst)
{
    EXPECT_EQ(BandBoundaries(5, 3), (std::vector<int>{0, 2, 4, 5}));
    EXPECT_EQ(BandBoundaries(6, 3), (std::vector<int>{0, 2, 4, 6}));
    EXPECT_EQ(BandBoundaries(7, 1), (std::vector<int>{0, 7}));
    EXPECT_TRUE(BandBoundaries(3, 5).empty()); // cannot enlarge
    EXPECT_TRUE(BandBoundaries(4, 0).empty());
}

TEST(BoxFilter, ColourAveragesEachChannelAndWritesBlueGreenRed)
{
    // 4 x 2 pixels in red, green, blue order into 2 x 1.
    const uint8_t src[] = {
        10, 20, 30, 12, 22, 32, 100, 0, 0,  0, 0, 255,
        11, 21, 31, 13, 23, 33, 50, 50, 50, 1, 2, 3,
    };
    std::vector<uint8_t> thumb = ThumbBuffer(2, 1);
    ASSERT_TRUE(BoxFilterRows(src, 4, 2, 24, thumb.data(), 2, 1));
    // Left block: red 46/4, green 86/4, blue 126/4, truncated.
    EXPECT_EQ(thumb[0], 31);
    EXPECT_EQ(thumb[1], 21);
    EXPECT_EQ(thumb[2], 11);
    // Right block: red 151/4, green 52/4, blue 308/4.
    EXPECT_EQ(thumb[3], 77);
    EXPECT_EQ(thumb[4], 13);
    EXPECT_EQ(thumb[5], 37);
    // The row's padding is not written.
    EXPECT_EQ(thumb[6], kUntouched);
    EXPECT_EQ(thumb[7], kUntouched);
}

TEST(BoxFilter, GreyReadsRowsAtTheirPaddedStride)
{
    // 3 x 3 grey pixels, rows 4 bytes apart with a bright padding byte that
    // must not leak into any mean; into 2 x 2 (columns 2 + 1, rows 2 + 1).
    const uint8_t src[] = {
        10, 20, 200, 255,
        30, 40, 100, 255,
        7, 8, 9, 255,
    };
    std::vector<uint8_t> thumb = ThumbBuffer(2, 2);
    ASSERT_TRUE(BoxFilterRows(src, 3, 3, 8, thumb.data(), 2, 2));
    const uint8_t row0[] = {25, 25, 25, 150, 150, 150, kUntouched, kUntouched};
    const uint8_t row1[] = {7, 7, 7, 9, 9, 9, kUntouched, kUntouched};
    EXPECT_EQ(std::vector<uint8_t>(thumb.begin(), thumb.begin() + 8), std::vector<uint8_t>(row0, row0 + 8));
    EXPECT_EQ(std::vector<uint8_t>(thumb.begin() + 8, thumb.end()), std::vector<uint8_t>(row1, row1 + 8));
}

TEST(BoxFilter, OneBitCountsOnesMostSignificantBitFirst)
{
    // 10 pixels: 1111 000 101, then unused bits set; a second row all 0.
    const uint8_t src[] = {
        0xF1, 0x7F, 0xFF, 0xFF,
        0x00, 0x3F, 0xFF, 0xFF,
    };
    std::vector<uint8_t> thumb = ThumbBuffer(3, 1);
    ASSERT_TRUE(BoxFilterRows(src, 10, 1, 1, thumb.data(), 3, 1));
    EXPECT_EQ(thumb[0], 255); // 4 of 4
    EXPECT_EQ(thumb[3], 0);   // 0 of 3
    EXPECT_EQ(thumb[6], 170); // 2 of 3: 510 / 3
    EXPECT_EQ(thumb[7], 170);
    EXPECT_EQ(thumb[8], 170);

    thumb = ThumbBuffer(3, 1);
    ASSERT_TRUE(BoxFilterRows(src, 10, 2, 1, thumb.data(), 3, 1));
    EXPECT_EQ(thumb[0], 127); // 4 of 8
    EXPECT_EQ(thumb[3], 0);
    EXPECT_EQ(thumb[6], 85);  // 2 of 6
}

TEST(BoxFilter, AUniformPageStaysUniformAtFullWidth)
{
    // A 1200-pixel colour page into a 160-pixel thumbnail: every pixel of
    // every row comes out the page's colour, so no stride is off.
    const int width = 1200, rows = 30, tw = 160, th = 4;
    const size_t stride = SourceRowBytes(24, width);
    std::vector<uint8_t> page(stride * rows, 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            page[y * stride + 3 * x] = 200;
            page[y * stride + 3 * x + 1] = 100;
            page[y * stride + 3 * x + 2] = 50;
        }
    std::vector<uint8_t> thumb = ThumbBuffer(tw, th);
    ASSERT_TRUE(BoxFilterRows(page.data(), width, rows, 24, thumb.data(), tw, th));
    for (int y = 0; y < th; ++y)
        for (int x = 0; x < tw; ++x) {
            const uint8_t* px = &thumb[y * ThumbnailRowBytes(tw) + 3 * x];
            ASSERT_EQ(px[0], 50) << x << "," << y;
            ASSERT_EQ(px[1], 100) << x << "," << y;
            ASSERT_EQ(px[2], 200) << x << "," << y;
        }
}

TEST(BoxFilter, RefusesWhatItCannotDoWithoutWriting)
{
    const uint8_t src[16] = {};
    std::vector<uint8_t> thumb = ThumbBuffer(4, 4);
    EXPECT_FALSE(BoxFilterRows(src, 2, 2, 8, thumb.data(), 4, 1)); // wider than the source
    EXPECT_FALSE(BoxFilterRows(src, 4, 1, 8, thumb.data(), 4, 2)); // more rows than given
    EXPECT_FALSE(BoxFilterRows(src, 4, 2, 16, thumb.data(), 2, 1));
    EXPECT_FALSE(BoxFilterRows(nullptr, 4, 2, 8, thumb.data(), 2, 1));
    EXPECT_FALSE(BoxFilterRows(src, 4, 2, 8, thumb.data(), 0, 1));
    for (uint8_t b : thumb)
        ASSERT_EQ(b, kUntouched);
}

} // namespace
