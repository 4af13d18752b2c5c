// Our VOZozur.dll through its IPT_ exports, as the data source calls it:
// records checked, bad input refused with a code, packed output, rotation
// codes and the pipeline's sequence of calls.
#include "imaging/ImagingLibrary.h"

#include "PageGenerator.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

class LibraryApi : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib.Load()); }
    void TearDown() override { lib.Unload(); }

    // Rows of `bytesPerRow` from packed rows.
    IptImage Create(int bpp, int w, int h, const std::vector<uint8_t>& rows, int bytesPerRow, int dpi = 300) {
        IptImageDescription d = {};
        d.size = sizeof d;
        d.pixels = rows.data();
        d.bitsPerPixel = bpp;
        d.xResolution = d.yResolution = dpi;
        d.width = w;
        d.height = h;
        d.bytesPerRow = bytesPerRow;
        IptImage image = nullptr;
        EXPECT_EQ(IPT_OK, lib.CreateImageFromMemory(&image, &d));
        return image;
    }
    IptProperties Properties(IptImage image) {
        IptProperties p = {};
        p.size = sizeof p;
        EXPECT_EQ(IPT_OK, lib.GetProperties(image, &p));
        return p;
    }
    std::vector<uint8_t> Save(IptImage image) {
        IptProperties p = Properties(image);
        std::vector<uint8_t> out(static_cast<size_t>((p.bitsPerPixel * p.width + 7) / 8) * p.height, 0xAB);
        IptMemoryOutput o = {};
        o.size = sizeof o;
        o.buffer = out.data();
        o.bufferSize = static_cast<int64_t>(out.size());
        EXPECT_EQ(IPT_OK, lib.SaveImageToMemory(image, &o));
        return out;
    }

    ImagingLibrary lib;
};

TEST_F(LibraryApi, OneBitRowsAreRepackedAndPaddingBitsCleared) {
    // 13 pixels wide: 2 packed bytes per row, 4 with the caller's padding.
    const int w = 13, h = 3, stride = 4;
    std::vector<uint8_t> rows(stride * h, 0xEE);
    for (int y = 0; y < h; ++y) { rows[y * stride] = static_cast<uint8_t>(0x10 * (y + 1)); rows[y * stride + 1] = 0xFF; }
    IptImage image = Create(1, w, h, rows, stride);
    IptProperties p = Properties(image);
    EXPECT_EQ(1, p.bitsPerPixel);
    EXPECT_EQ(13, p.width);
    EXPECT_EQ(3, p.height);
    std::vector<uint8_t> packed = Save(image);
    ASSERT_EQ(6u, packed.size());
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(0x10 * (y + 1), packed[y * 2]);
        EXPECT_EQ(0xF8, packed[y * 2 + 1]) << "bits past the width must be cleared, row " << y;
    }
    EXPECT_EQ(IPT_OK, lib.FreeImage(image));
}

TEST_F(LibraryApi, RotationCodesAreClockwiseQuarterTurns) {
    // 24-bit 3 x 2 image with one red pixel at the top left.
    const int w = 3, h = 2, stride = 12;
    std::vector<uint8_t> rows(stride * h, 0);
    rows[0] = 255;
    IptImage image = Create(24, w, h, rows, stride);
    IptRotation r = {};
    r.size = sizeof r;
    r.rotation = 1;
    ASSERT_EQ(IPT_OK, lib.Rotate(image, &r));
    IptProperties p = Properties(image);
    EXPECT_EQ(2, p.width);
    EXPECT_EQ(3, p.height);
    std::vector<uint8_t> out = Save(image);
    EXPECT_EQ(255, out[(0 * 2 + 1) * 3]) << "top left goes to the top right after a clockwise turn";
    r.rotation = 2;
    ASSERT_EQ(IPT_OK, lib.Rotate(image, &r));
    out = Save(image);
    EXPECT_EQ(255, out[(2 * 2 + 0) * 3]) << "then to the bottom left";
    for (int bad : {0, 4, -1}) {
        r.rotation = bad;
        EXPECT_EQ(IPT_BAD_PARAMETER, lib.Rotate(image, &r)) << bad;
    }
    lib.FreeImage(image);
}

TEST_F(LibraryApi, BadRecordsPointersAndHandlesFailCleanly) {
    std::vector<uint8_t> rows(8 * 8, 200);
    IptImage image = Create(8, 8, 8, rows, 8);
    IptImage out = nullptr;
    IptImageDescription d = {};
    d.size = sizeof d;
    d.pixels = rows.data();
    d.bitsPerPixel = 8;
    d.xResolution = d.yResolution = 300;
    d.width = d.height = 8;
    d.bytesPerRow = 8;
    IptImageDescription bad = d;
    bad.size = 32;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&out, &bad));
    bad = d; bad.bitsPerPixel = 16;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&out, &bad));
    bad = d; bad.bytesPerRow = 6;  // not a multiple of 4
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&out, &bad));
    bad = d; bad.bytesPerRow = 4;  // shorter than the row
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&out, &bad));
    bad = d; bad.pixels = nullptr;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&out, &bad));
    bad = d; bad.width = -5;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&out, &bad));
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(nullptr, &d));
    EXPECT_EQ(nullptr, out);

    IptBorderRemoval br = {};
    br.size = 16;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.RemoveBorder(image, &br));
    br.size = sizeof br;
    br.crop = 2;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.RemoveBorder(image, &br));
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.RemoveBorder(image, nullptr));
    IptColorDropout cd = {};
    cd.size = sizeof cd;
    cd.type = 4;
    cd.threshold = -1;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.DropColor(image, &cd));
    cd.type = 0;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.DropColor(image, &cd));
    cd.type = 1;
    cd.size = 36;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.DropColor(image, &cd));
    IptBinarization bz = {};
    bz.size = sizeof bz;
    bz.threshold = 256;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.Binarize(image, &bz));
    bz.threshold = -2;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.Binarize(image, &bz));
    IptOrientation o = {};
    o.size = 8;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.DetectOrientation(image, &o));
    IptProperties p = {};
    p.size = 40;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.GetProperties(image, &p));
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.GetProperties(image, nullptr));

    // Output buffer too small or missing.
    std::vector<uint8_t> small(63);
    IptMemoryOutput mo = {};
    mo.size = sizeof mo;
    mo.buffer = small.data();
    mo.bufferSize = 63;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.SaveImageToMemory(image, &mo));
    mo.buffer = nullptr;
    mo.bufferSize = 64;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.SaveImageToMemory(image, &mo));

    // Handles that are not images of the library, or no longer are.
    int notAnImage = 0;
    EXPECT_EQ(IPT_BAD_IMAGE, lib.GetProperties(&notAnImage, &p));
    EXPECT_EQ(IPT_BAD_IMAGE, lib.FreeImage(nullptr));
    EXPECT_EQ(IPT_OK, lib.FreeImage(image));
    p.size = sizeof p;
    EXPECT_EQ(IPT_BAD_IMAGE, lib.GetProperties(image, &p));
    EXPECT_EQ(IPT_BAD_IMAGE, lib.FreeImage(image));
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromFile(&out, nullptr));
    EXPECT_EQ(IPT_FILE_ERROR, lib.CreateImageFromFile(&out, "C:\\no\\such\\file.bmp"));
}

TEST_F(LibraryApi, FilesAndCopiesKeepTheirOwnPixels) {
    std::vector<uint8_t> rows(12 * 5, 0);
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<uint8_t>(i * 7);
    IptImage image = Create(24, 4, 5, rows, 12, 200);
    IptImage copy = nullptr;
    ASSERT_EQ(IPT_OK, lib.Copy(&copy, image));
    std::vector<uint8_t> before = Save(copy);

    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    std::string path = std::string(temp) + "vozozur_test.bmp";
    ASSERT_EQ(IPT_OK, lib.SaveImageToFile(image, path.c_str()));
    IptRotation r = {};
    r.size = sizeof r;
    r.rotation = 2;
    ASSERT_EQ(IPT_OK, lib.Rotate(image, &r));  // changes the original only
    EXPECT_EQ(before, Save(copy));
    IptImage loaded = nullptr;
    ASSERT_EQ(IPT_OK, lib.CreateImageFromFile(&loaded, path.c_str()));
    IptProperties p = Properties(loaded);
    EXPECT_EQ(24, p.bitsPerPixel);
    EXPECT_EQ(200, p.xResolution);
    EXPECT_EQ(before, Save(loaded));
    DeleteFileA(path.c_str());
    lib.FreeImage(image);
    lib.FreeImage(copy);
    lib.FreeImage(loaded);
}

// The calls the post-scan pipeline makes for a colour page with deskew,
// crop, colour dropout to black and white, and automatic rotation.
TEST_F(LibraryApi, PipelineSequenceOnAScannedPage) {
    bench::PageSpec params;
    params.dpi = 150;
    params.skewDegrees = 3.4;
    params.quarterTurns = 1;
    bench::GeneratedPage page = bench::GeneratePage(params);
    const int stride = (3 * page.image.width + 3) / 4 * 4;
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * page.image.height);
    for (int y = 0; y < page.image.height; ++y)
        std::memcpy(&rows[static_cast<size_t>(y) * stride], page.image.row(y), page.image.stride);
    IptImage image = Create(24, page.image.width, page.image.height, rows, stride, 150);

    IptBorderRemoval br = {};
    br.size = sizeof br;
    br.deskew = 1;
    br.crop = 1;
    br.backgroundLevel = 48;
    br.margin = -3;  // trunc(150 * -0.02)
    ASSERT_EQ(IPT_OK, lib.RemoveBorder(image, &br));
    IptColorDropout cd = {};
    cd.size = sizeof cd;
    cd.type = 1;
    cd.threshold = -1;
    cd.minimum = cd.maximum = 25;
    cd.saturationMin = 75;
    cd.luminanceMin = 25;
    cd.blobMin = 25;
    ASSERT_EQ(IPT_OK, lib.DropColor(image, &cd));
    EXPECT_EQ(8, Properties(image).bitsPerPixel);
    IptBinarization bz = {};
    bz.size = sizeof bz;
    bz.threshold = -1;
    ASSERT_EQ(IPT_OK, lib.Binarize(image, &bz));
    IptOrientation o = {};
    o.size = sizeof o;
    ASSERT_EQ(IPT_OK, lib.DetectOrientation(image, &o));
    EXPECT_EQ(page.uprightTurn, o.orientation) << "confidence " << o.confidence;
    IptRotation r = {};
    r.size = sizeof r;
    r.rotation = o.orientation;
    ASSERT_EQ(IPT_OK, lib.Rotate(image, &r));
    IptProperties p = Properties(image);
    EXPECT_EQ(1, p.bitsPerPixel);
    // Upright again and cropped to the sheet less 3 pixels each side.
    EXPECT_NEAR(page.truthBox.h - 6, p.width, 2);
    EXPECT_NEAR(page.truthBox.w - 6, p.height, 2);
    EXPECT_EQ(static_cast<size_t>((p.width + 7) / 8) * p.height, Save(image).size());
    lib.FreeImage(image);
}

}  // namespace
