// Memory strips of exactly the preferred size, of the minimum size and of an
// odd size, each strip checked field by field against the image info.
#include <gtest/gtest.h>

#include "XferFixture.h"

namespace {

class StripGeometry : public XferTest, public ::testing::WithParamInterface<std::tuple<uint16_t, int>> {};

TEST_P(StripGeometry, EveryStripMatchesTheImageInfo)
{
    const auto [mode, sizeKind] = GetParam();
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    Apply(Settings(mode, 150, 200, 300));
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    TW_IMAGEINFO info{};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_SUCCESS);
    TW_SETUPMEMXFER setup{};
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
    ASSERT_LE(setup.MinBufSize, setup.Preferred);
    ASSERT_LE(setup.Preferred, setup.MaxBufSize);
    const uint32_t rowBytes = (static_cast<uint32_t>(info.ImageWidth) * info.BitsPerPixel + 7) / 8;
    const uint32_t size = sizeKind == 0 ? setup.Preferred : sizeKind == 1 ? setup.MinBufSize : 3 * rowBytes + 7;
    ASSERT_GE(size, rowBytes);
    std::vector<uint8_t> buffer(size);
    uint32_t rows = 0;
    TW_UINT16 rc = TWRC_SUCCESS;
    for (int strip = 0; strip < 10000 && rc == TWRC_SUCCESS; ++strip) {
        TW_IMAGEMEMXFER xfer{};
        xfer.Memory = {TWMF_APPOWNS | TWMF_POINTER, size, buffer.data()};
        rc = app.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer);
        ASSERT_TRUE(rc == TWRC_SUCCESS || rc == TWRC_XFERDONE) << "strip " << strip << " " << app.Describe(rc);
        EXPECT_EQ(xfer.Compression, TWCP_NONE);
        EXPECT_EQ(xfer.Columns, static_cast<TW_UINT32>(info.ImageWidth)) << "strip " << strip;
        EXPECT_GE(xfer.BytesPerRow, rowBytes) << "strip " << strip;
        EXPECT_EQ(xfer.XOffset, 0u);
        EXPECT_EQ(xfer.YOffset, rows) << "strip " << strip;
        EXPECT_EQ(xfer.BytesWritten, xfer.BytesPerRow * xfer.Rows) << "strip " << strip;
        EXPECT_LE(xfer.BytesWritten, size) << "strip " << strip;
        if (rc == TWRC_SUCCESS) EXPECT_GT(xfer.Rows, 0u) << "strip " << strip;
        if (rc == TWRC_SUCCESS && sizeKind != 2)
            EXPECT_EQ(xfer.Rows, size / xfer.BytesPerRow) << "a full strip before the last";
        rows += xfer.Rows;
    }
    EXPECT_EQ(rc, TWRC_XFERDONE);
    EXPECT_EQ(rows, static_cast<uint32_t>(info.ImageLength));
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
}

// Black and white has narrow rows: its minimum once came out above the
// preferred size.
INSTANTIATE_TEST_SUITE_P(PreferredMinimumOdd, StripGeometry,
                         ::testing::Combine(::testing::Values(kModeBlackWhite, kModeGray, kModeColor),
                                            ::testing::Values(0, 1, 2)));

} // namespace
