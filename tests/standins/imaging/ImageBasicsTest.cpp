// Quarter turns, depth conversions and BMP files of the core.
#include "core/BmpFile.h"
#include "core/Rotate.h"

#include <gtest/gtest.h>

namespace {

vz::Image Pattern(int bpp, int w, int h) {
    vz::Image img;
    vz::MakeImage(img, w, h, bpp, 150, 100);
    for (size_t i = 0; i < img.pixels.size(); ++i) img.pixels[i] = static_cast<uint8_t>(i * 37 + 11);
    if (bpp == 1 && w % 8)
        for (int y = 0; y < h; ++y) img.row(y)[img.stride - 1] &= static_cast<uint8_t>(0xFF00u >> (w % 8));
    return img;
}

TEST(ImageBasics, FourQuarterTurnsRestoreEveryDepth) {
    for (int bpp : {1, 8, 24}) {
        vz::Image img = Pattern(bpp, 13, 7);
        vz::Image turned = vz::RotateQuarter(img, 1);
        EXPECT_EQ(7, turned.width);
        EXPECT_EQ(13, turned.height);
        EXPECT_EQ(100, turned.xres) << "resolutions swap with the axes";
        for (int i = 0; i < 3; ++i) turned = vz::RotateQuarter(turned, 1);
        EXPECT_EQ(img.pixels, turned.pixels) << bpp;
        EXPECT_EQ(img.pixels, vz::RotateQuarter(vz::RotateQuarter(img, 2), 2).pixels) << bpp;
        EXPECT_EQ(img.pixels, vz::RotateQuarter(vz::RotateQuarter(img, 3), 1).pixels) << bpp;
    }
}

TEST(ImageBasics, BmpRoundTripAndDamagedFiles) {
    for (int bpp : {1, 8, 24}) {
        vz::Image img = Pattern(bpp, 13, 7);
        std::vector<uint8_t> file;
        ASSERT_EQ(vz::Status::Ok, vz::EncodeBmp(img, file));
        vz::Image back;
        ASSERT_EQ(vz::Status::Ok, vz::DecodeBmp(file.data(), file.size(), back));
        EXPECT_EQ(bpp, back.bpp);
        EXPECT_EQ(img.pixels, back.pixels) << bpp;
        EXPECT_EQ(150, back.xres);
        // Every truncation is refused, none is read past its end.
        for (size_t cut : {size_t(10), size_t(53), file.size() - 1}) {
            std::vector<uint8_t> part(file.begin(), file.begin() + static_cast<long>(cut));
            EXPECT_EQ(vz::Status::Unsupported, vz::DecodeBmp(part.data(), part.size(), back)) << bpp << " " << cut;
        }
    }
    // A 1-bit file whose palette has white first is read with black as 0.
    vz::Image one = Pattern(1, 16, 2);
    std::vector<uint8_t> file;
    ASSERT_EQ(vz::Status::Ok, vz::EncodeBmp(one, file));
    for (int i = 0; i < 3; ++i) { file[54 + i] = 255; file[58 + i] = 0; }
    for (size_t i = 62; i < file.size(); ++i) file[i] = static_cast<uint8_t>(~file[i]);
    vz::Image back;
    ASSERT_EQ(vz::Status::Ok, vz::DecodeBmp(file.data(), file.size(), back));
    EXPECT_EQ(one.pixels, back.pixels);
}

// Resolutions far beyond any scanner's, as a damaged file may give them, are
// neither wrapped on reading nor overflowed on writing.
TEST(ImageBasics, BmpExtremeResolutionsSurviveReadAndWrite) {
    vz::Image img = Pattern(8, 3, 2);
    std::vector<uint8_t> file;
    ASSERT_EQ(vz::Status::Ok, vz::EncodeBmp(img, file));
    for (int i = 0; i < 4; ++i) file[38 + i] = 0xFF; // 4294967295 pixels per metre
    vz::Image back;
    ASSERT_EQ(vz::Status::Ok, vz::DecodeBmp(file.data(), file.size(), back));
    EXPECT_EQ(109092169, back.xres);
    std::vector<uint8_t> again;
    ASSERT_EQ(vz::Status::Ok, vz::EncodeBmp(back, again));
    vz::Image third;
    ASSERT_EQ(vz::Status::Ok, vz::DecodeBmp(again.data(), again.size(), third));
    EXPECT_EQ(109092169, third.xres) << "read back unchanged";
    EXPECT_EQ(100, third.yres);
    back.xres = 2000000000;
    back.yres = -5;
    ASSERT_EQ(vz::Status::Ok, vz::EncodeBmp(back, again));
    ASSERT_EQ(vz::Status::Ok, vz::DecodeBmp(again.data(), again.size(), third));
    EXPECT_EQ(109092169, third.xres) << "the largest count the header holds";
    EXPECT_EQ(300, third.yres) << "no resolution written for a negative one";
}

TEST(ImageBasics, RotationByAngleKeepsSizeAndFillsCorners) {
    vz::Image img;
    vz::MakeImage(img, 100, 60, 8);
    std::fill(img.pixels.begin(), img.pixels.end(), 200);
    vz::Image turned = vz::RotateByAngle(img, 5.0, 17);
    EXPECT_EQ(100, turned.width);
    EXPECT_EQ(60, turned.height);
    EXPECT_EQ(17, turned.row(0)[99]) << "uncovered corner";
    EXPECT_EQ(200, turned.row(30)[50]);
    // Content turns clockwise: a dot right of the centre moves down.
    std::fill(img.pixels.begin(), img.pixels.end(), 0);
    img.row(30)[90] = 255;
    turned = vz::RotateByAngle(img, 10.0, 0);
    int bestY = 0;
    for (int y = 0; y < 60; ++y)
        if (turned.row(y)[89] > turned.row(bestY)[89]) bestY = y;
    EXPECT_GT(bestY, 34);
}

}  // namespace
