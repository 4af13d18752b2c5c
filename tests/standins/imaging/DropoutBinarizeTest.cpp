// Colour dropout and binarisation of the core on small drawn pages.
#include "core/Binarize.h"
#include "core/ColorDropout.h"

#include <gtest/gtest.h>

namespace {

void Fill(vz::Image& img, int x0, int y0, int x1, int y1, uint8_t r, uint8_t g, uint8_t b) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            uint8_t* p = img.row(y) + 3 * x;
            p[0] = r; p[1] = g; p[2] = b;
        }
}

// Paper with black letter-like bars, a red rule through them, a red speck
// and a blue rule.
vz::Image FormPage() {
    vz::Image img;
    vz::MakeImage(img, 300, 200, 24, 150, 150);
    Fill(img, 0, 0, 300, 200, 242, 240, 232);
    Fill(img, 10, 60, 290, 64, 215, 40, 45);                                     // red rule
    for (int x = 20; x < 280; x += 20) Fill(img, x, 40, x + 6, 90, 25, 25, 30);  // print over it
    Fill(img, 150, 150, 153, 153, 215, 40, 45);                                  // red speck, 9 px
    Fill(img, 10, 120, 290, 123, 40, 70, 200);                                   // blue rule
    return img;
}

uint8_t At(const vz::Image& grey, int x, int y) { return grey.row(y)[x]; }

TEST(ColorDropout, RedRulesGoBlackPrintAndOtherColoursStay) {
    vz::Image img = FormPage();
    vz::DropoutOptions red;  // automatic window 25 either side, as the data source passes it
    ASSERT_EQ(vz::Status::Ok, vz::DropColor(img, red));
    ASSERT_EQ(8, img.bpp);
    EXPECT_GT(At(img, 12, 62), 225) << "red rule left of the print is dropped";
    EXPECT_GT(At(img, 33, 62), 225) << "red rule between two letters is dropped";
    EXPECT_LT(At(img, 22, 62), 60) << "print crossing the rule stays black";
    EXPECT_LT(At(img, 22, 45), 60) << "print stays black";
    EXPECT_LT(At(img, 151, 151), 140) << "a speck below the blob size stays";
    EXPECT_LT(At(img, 100, 121), 140) << "the blue rule stays";

    // Manual window round red (minimum and maximum as the data source passes
    // them for red: ColorDropMin - 60, ColorDropMax - 60).
    img = FormPage();
    vz::DropoutOptions manual;
    manual.threshold = 0;
    manual.minimum = -25;
    manual.maximum = 25;
    ASSERT_EQ(vz::Status::Ok, vz::DropColor(img, manual));
    EXPECT_GT(At(img, 12, 62), 225);
    // A green window leaves red alone.
    img = FormPage();
    manual.minimum = 35;
    manual.maximum = 85;
    ASSERT_EQ(vz::Status::Ok, vz::DropColor(img, manual));
    EXPECT_LT(At(img, 12, 62), 140);

    // Blue dropout removes the blue rule and keeps the red one.
    img = FormPage();
    vz::DropoutOptions blue;
    blue.type = 3;
    ASSERT_EQ(vz::Status::Ok, vz::DropColor(img, blue));
    EXPECT_GT(At(img, 100, 121), 225);
    EXPECT_LT(At(img, 12, 62), 140);
}

TEST(ColorDropout, OutOfRangeValuesAreRefused) {
    vz::Image img = FormPage();
    vz::DropoutOptions o;
    o.saturationMin = 300;
    EXPECT_EQ(vz::Status::BadParameter, vz::DropColor(img, o));
    o = vz::DropoutOptions();
    o.threshold = 10;
    o.minimum = 50;
    o.maximum = 20;
    EXPECT_EQ(vz::Status::BadParameter, vz::DropColor(img, o));
    EXPECT_EQ(24, img.bpp) << "a refused call leaves the image as it was";
}

// Grey paper under a shadow that darkens it to a third towards the right,
// with bars of print across the whole width.
vz::Image ShadowPage() {
    vz::Image img;
    vz::MakeImage(img, 600, 300, 8, 300, 300);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            double light = 1.0 - 0.65 * x / (img.width - 1.0);
            bool print = (y >= 100 && y < 140) && (x % 24) < 5;
            img.row(y)[x] = static_cast<uint8_t>((print ? 30 : 230) * light);
        }
    return img;
}

bool Black(const vz::Image& bw, int x, int y) { return !((bw.row(y)[x >> 3] >> (7 - (x & 7))) & 1); }

TEST(Binarize, AutomaticThresholdKeepsPrintUnderAShadow) {
    vz::Image img = ShadowPage();
    ASSERT_EQ(vz::Status::Ok, vz::Binarize(img, -1));
    ASSERT_EQ(1, img.bpp);
    int printBlack = 0, printTotal = 0, paperBlack = 0, paperTotal = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            bool print = (y >= 102 && y < 138) && (x % 24) >= 1 && (x % 24) < 4;
            bool paper = y < 60 || y >= 200;
            if (print) { ++printTotal; printBlack += Black(img, x, y); }
            if (paper) { ++paperTotal; paperBlack += Black(img, x, y); }
        }
    EXPECT_GT(printBlack, printTotal * 98 / 100);
    EXPECT_LT(paperBlack, paperTotal / 100);

    // A fixed threshold cannot: the shaded paper turns black.
    vz::Image fixed = ShadowPage();
    ASSERT_EQ(vz::Status::Ok, vz::Binarize(fixed, 128));
    EXPECT_TRUE(Black(fixed, 590, 20));
    EXPECT_FALSE(Black(fixed, 10, 20));
    EXPECT_EQ(vz::Status::BadParameter, vz::Binarize(fixed, 256));
}

}  // namespace
