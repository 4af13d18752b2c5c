// Deskew and crop of the core on generated scans with known skew and a known
// place of the sheet on the dark background.
#include "PageGenerator.h"

#include "core/BorderRemoval.h"
#include "core/Skew.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectBoxNear(const vz::Box& truth, const vz::Box& got, int tolerance, const char* what) {
    EXPECT_NEAR(truth.x, got.x, tolerance) << what;
    EXPECT_NEAR(truth.y, got.y, tolerance) << what;
    EXPECT_NEAR(truth.x + truth.w, got.x + got.w, tolerance) << what;
    EXPECT_NEAR(truth.y + truth.h, got.y + got.h, tolerance) << what;
}

TEST(DeskewCrop, KnownSkewsAreCorrectedAndTheSheetCutOut) {
    for (double skew : {-9.3, -4.15, 0.7, 6.6}) {
        bench::PageSpec params;
        params.dpi = 150;
        params.skewDegrees = skew;
        params.quarterTurns = skew > 0 ? 1 : 0;
        params.seed = static_cast<uint32_t>(100 + skew * 10);
        bench::GeneratedPage page = bench::GeneratePage(params);
        vz::Image img = page.image;
        vz::BorderOptions options;
        options.deskew = true;
        options.crop = true;
        vz::BorderReport report;
        ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(img, options, &report));
        EXPECT_TRUE(report.skewFound);
        EXPECT_NEAR(skew, report.skewDegrees, 0.15) << "skew " << skew;
        ExpectBoxNear(page.truthBox, report.box, 2, "page box");
        EXPECT_EQ(report.box.w, img.width);
        EXPECT_EQ(report.box.h, img.height);
        EXPECT_EQ(24, img.bpp);
        // What is left is the sheet: no background pixels along its edges,
        // and the corners that the scan cut off the turned sheet are paper.
        vz::Image grey = vz::ToGrey(img);
        int dark = 0;
        for (int x = 0; x < grey.width; ++x) dark += grey.row(2)[x] <= 48;
        EXPECT_LT(dark, grey.width / 50) << "background left at the top, skew " << skew;
    }
}

TEST(DeskewCrop, MarginGrowsOrCutsAndCropAloneKeepsTheSkew) {
    bench::PageSpec params;
    params.dpi = 150;
    params.skewDegrees = 0.0;
    bench::GeneratedPage page = bench::GeneratePage(params);
    vz::BorderOptions options;
    options.crop = true;
    options.margin = -3;
    vz::Image img = page.image;
    vz::BorderReport report;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(img, options, &report));
    EXPECT_NEAR(page.truthBox.w - 6, img.width, 2);
    EXPECT_NEAR(page.truthBox.h - 6, img.height, 2);
    options.margin = 10;
    img = page.image;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(img, options, &report));
    EXPECT_NEAR(page.truthBox.w + 20, img.width, 2);
    // A margin larger than the page leaves a valid image, not an empty one.
    options.margin = -100000;
    img = page.image;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(img, options, &report));
    EXPECT_GE(img.width, 1);
    EXPECT_GE(img.height, 1);

    // Crop without deskew: the box holds the whole turned sheet.
    params.skewDegrees = 2.0;
    page = bench::GeneratePage(params);
    img = page.image;
    options.margin = 0;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(img, options, &report));
    double a = 2.0 * 3.14159265358979 / 180.0;
    double expectW = page.truthBox.w * std::cos(a) + page.truthBox.h * std::sin(a);
    EXPECT_NEAR(expectW, img.width, 3);
    EXPECT_EQ(0.0, report.skewDegrees);
}

TEST(DeskewCrop, OneBitScanAndBlankSheetAreHandled) {
    bench::PageSpec params;
    params.dpi = 150;
    params.skewDegrees = -3.0;
    bench::GeneratedPage page = bench::GeneratePage(params);
    vz::Image bw = vz::GreyToBinary(vz::ToGrey(page.image), 128);
    vz::BorderOptions options;
    options.deskew = true;
    options.crop = true;
    vz::BorderReport report;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(bw, options, &report));
    EXPECT_EQ(1, bw.bpp);
    EXPECT_NEAR(-3.0, report.skewDegrees, 0.2);
    ExpectBoxNear(page.truthBox, report.box, 3, "1-bit page box");

    // A blank sheet is straightened by its edges.
    params.blank = true;
    params.skewDegrees = 4.0;
    page = bench::GeneratePage(params);
    vz::Image img = page.image;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(img, options, &report));
    EXPECT_NEAR(4.0, report.skewDegrees, 0.3);
    ExpectBoxNear(page.truthBox, report.box, 3, "blank page box");
}

TEST(DeskewCrop, PageWithoutBackgroundOrPrintIsLeftAlone) {
    vz::Image plain;
    ASSERT_TRUE(vz::MakeImage(plain, 300, 200, 8, 150, 150));
    std::fill(plain.pixels.begin(), plain.pixels.end(), 235);
    vz::BorderOptions options;
    options.deskew = true;
    options.crop = true;
    vz::BorderReport report;
    ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(plain, options, &report));
    EXPECT_FALSE(report.skewFound);
    EXPECT_EQ(300, plain.width);
    EXPECT_EQ(200, plain.height);
    options.backgroundLevel = 300;
    EXPECT_EQ(vz::Status::BadParameter, vz::RemoveBorder(plain, options, &report));
}

}  // namespace
