// The core's fast paths against plain reference computations: the
// background as runs from the scanline fill against a pixel-by-pixel flood
// fill, ink maps read from packed 1-bit and colour rows against the same map
// from grey, the three-shear 1-bit rotation against rotating the grey image,
// 1-bit crops at every bit offset, and skew measured on the reduced maps of
// 300-dpi scans at every depth against known angles.
#include "PageGenerator.h"

#include "core/BorderRemoval.h"
#include "core/InkMap.h"
#include "core/PageBox.h"
#include "core/Rotate.h"
#include "core/Skew.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Dark pixels 4-connected to the edge, one pixel at a time.
std::vector<uint8_t> ReferenceBackground(const vz::Image& image, int level) {
    vz::Image grey = vz::ToGrey(image);
    const int w = grey.width, h = grey.height;
    std::vector<uint8_t> bg(static_cast<size_t>(w) * h, 0);
    std::vector<int> stack;
    auto visit = [&](int x, int y) {
        size_t i = static_cast<size_t>(y) * w + x;
        if (bg[i] || grey.row(y)[x] > level) return;
        bg[i] = 1;
        stack.push_back(static_cast<int>(i));
    };
    for (int x = 0; x < w; ++x) { visit(x, 0); visit(x, h - 1); }
    for (int y = 0; y < h; ++y) { visit(0, y); visit(w - 1, y); }
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        int x = i % w, y = i / w;
        if (x > 0) visit(x - 1, y);
        if (x + 1 < w) visit(x + 1, y);
        if (y > 0) visit(x, y - 1);
        if (y + 1 < h) visit(x, y + 1);
    }
    return bg;
}

std::vector<uint8_t> MaskOf(const vz::Background& bg) {
    std::vector<uint8_t> mask(static_cast<size_t>(bg.w) * bg.h, 0);
    for (int y = 0; y < bg.h; ++y)
        for (const vz::Run* r = bg.begin(y); r != bg.end(y); ++r)
            for (int x = r->x0; x < r->x1; ++x) mask[static_cast<size_t>(y) * bg.w + x] = 1;
    return mask;
}

bool Bit(const vz::Image& img, int x, int y) { return (img.row(y)[x >> 3] >> (7 - (x & 7))) & 1; }

TEST(PackedPaths, BackgroundRunsMatchAPixelFloodFillAtEveryDepth) {
    bench::PageSpec params;
    params.dpi = 100;
    params.skewDegrees = -6.2;
    bench::GeneratedPage page = bench::GeneratePage(params);
    // A dark channel that winds into the page and back up: the fill must
    // go up, down and sideways to follow it.
    vz::Image colour = page.image;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 6; ++x) {
            uint8_t* p = colour.row(y) + 3 * (120 + x);
            p[0] = p[1] = p[2] = 10;
            if (y < 100) continue;  // the second arm is reached from below only
            p = colour.row(y) + 3 * (180 + x);
            p[0] = p[1] = p[2] = 10;
        }
    for (int x = 120; x < 186; ++x)
        for (int y = 300; y < 306; ++y) {
            uint8_t* p = colour.row(y) + 3 * x;
            p[0] = p[1] = p[2] = 10;
        }
    for (int bpp : {1, 8, 24}) {
        vz::Image img = bpp == 24 ? colour : bpp == 8 ? vz::ToGrey(colour) : vz::GreyToBinary(vz::ToGrey(colour), 128);
        vz::Background bg = vz::FindBackground(img, 48);
        std::vector<uint8_t> want = ReferenceBackground(img, 48);
        ASSERT_EQ(want, MaskOf(bg)) << bpp << " bits";
        size_t count = 0;
        for (uint8_t v : want) count += v;
        EXPECT_EQ(count, bg.pixels) << bpp;
        // The channel is background, the sheet's middle is not.
        EXPECT_EQ(1, want[static_cast<size_t>(150) * img.width + 182]) << bpp;
        EXPECT_EQ(0, want[static_cast<size_t>(150) * img.width + 150]) << bpp;
        vz::Box box = vz::PageBoxOf(bg, vz::MinPagePixels(img.xres));
        EXPECT_LT(box.x, page.image.width / 5) << bpp;
        EXPECT_GT(box.w, page.image.width / 2) << bpp;
    }
}

TEST(PackedPaths, InkMapsFromPackedAndColourRowsEqualTheMapFromGrey) {
    bench::PageSpec params;
    params.dpi = 150;
    params.skewDegrees = 2.5;
    bench::GeneratedPage page = bench::GeneratePage(params);
    vz::Image grey = vz::ToGrey(page.image);
    vz::Image bw = vz::GreyToBinary(grey, 128);
    for (vz::Outline outline : {vz::Outline::Keep, vz::Outline::Add, vz::Outline::Clear}) {
        for (int reduction : {1, 2, 3}) {
            vz::Background bg = vz::FindBackground(grey, 48);
            vz::InkMap fromGrey = vz::BuildInkMap(grey, bg, reduction, 230, outline);
            vz::InkMap fromColour = vz::BuildInkMap(page.image, bg, reduction, 230, outline);
            EXPECT_EQ(fromGrey.cells, fromColour.cells) << reduction;
            vz::Background bwBg = vz::FindBackground(bw, 48);
            vz::InkMap fromBits = vz::BuildInkMap(bw, bwBg, reduction, 255, outline);
            vz::InkMap fromBitsAsGrey = vz::BuildInkMap(vz::ToGrey(bw), bwBg, reduction, 255, outline);
            EXPECT_EQ(fromBitsAsGrey.cells, fromBits.cells) << reduction;
            EXPECT_EQ(fromBitsAsGrey.count, fromBits.count) << reduction;
            EXPECT_GT(fromBits.count, 1000u) << reduction;
        }
    }
}

TEST(PackedPaths, OneBitRotationByShearsMatchesTheGreyRotation) {
    bench::PageSpec params;
    params.dpi = 100;
    params.quarterTurns = 1;
    bench::GeneratedPage page = bench::GeneratePage(params);
    vz::Image bw = vz::GreyToBinary(vz::ToGrey(page.image), 128);
    for (double degrees : {-9.7, -0.3, 4.4}) {
        for (uint8_t fill : {uint8_t(0), uint8_t(255)}) {
            vz::Image turned = vz::RotateByAngle(bw, degrees, fill);
            auto differFromGrey = [&](double angle) {
                vz::Image viaGrey = vz::GreyToBinary(vz::RotateByAngle(vz::ToGrey(bw), angle, fill), 128);
                long differ = 0;
                for (int y = 0; y < bw.height; ++y)
                    for (int x = 0; x < bw.width; ++x) differ += Bit(turned, x, y) != Bit(viaGrey, x, y);
                return differ;
            };
            ASSERT_EQ(bw.width, turned.width);
            ASSERT_EQ(bw.height, turned.height);
            ASSERT_EQ(1, turned.bpp);
            // Only the edges of strokes (two pixels wide at 100 dpi) fall the
            // other way; half a degree off differs far more.
            const long differ = differFromGrey(degrees);
            EXPECT_LT(differ, static_cast<long>(bw.width) * bw.height * 3 / 100) << degrees;
            EXPECT_LT(2 * differ, differFromGrey(degrees + 0.5)) << degrees;
            EXPECT_EQ(fill >= 128, Bit(turned, 0, 0)) << "uncovered corner, " << degrees;
            // The bits after the last pixel of each row stay clear.
            if (bw.width % 8) {
                for (int y = 0; y < bw.height; ++y) {
                    ASSERT_EQ(0, turned.row(y)[turned.stride - 1] & (0xFF >> (bw.width % 8))) << y;
                }
            }
        }
    }
    // Content turns clockwise: a black dot right of the centre moves down.
    vz::Image dot;
    vz::MakeImage(dot, 200, 120, 1);
    std::fill(dot.pixels.begin(), dot.pixels.end(), 0xFF);
    dot.row(60)[180 >> 3] &= static_cast<uint8_t>(~(0x80 >> (180 & 7)));
    vz::Image turned = vz::RotateByAngle(dot, 10.0, 255);
    int foundY = -1;
    for (int y = 0; y < 120; ++y)
        for (int x = 170; x < 185; ++x)
            if (!Bit(turned, x, y)) foundY = y;
    EXPECT_GT(foundY, 70);
}

TEST(PackedPaths, OneBitCropAtEveryBitOffset) {
    vz::Image img;
    vz::MakeImage(img, 37, 5, 1);
    for (size_t i = 0; i < img.pixels.size(); ++i) img.pixels[i] = static_cast<uint8_t>(i * 37 + 11);
    for (int y = 0; y < img.height; ++y) img.row(y)[img.stride - 1] &= 0xF8;  // 37 = 4 * 8 + 5
    for (int x0 = 0; x0 < 12; ++x0) {
        for (int w : {1, 7, 8, 9, 37 - x0 - 3}) {
            vz::Box box{x0, 1, w, 3};
            vz::Image cut = vz::Crop(img, box);
            ASSERT_EQ(w, cut.width);
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < w; ++x) ASSERT_EQ(Bit(img, x0 + x, y + 1), Bit(cut, x, y)) << x0 << " " << w;
                if (w % 8) {
                    ASSERT_EQ(0, cut.row(y)[cut.stride - 1] & (0xFF >> (w % 8))) << x0 << " " << w;
                }
            }
        }
    }
}

TEST(PackedPaths, SkewOnReducedMapsOfThreeHundredDpiScansAtEveryDepth) {
    for (double skew : {-7.85, 5.3}) {
        bench::PageSpec params;
        params.dpi = 300;
        params.skewDegrees = skew;
        params.seed = static_cast<uint32_t>(700 + skew * 10);
        bench::GeneratedPage page = bench::GeneratePage(params);
        vz::Image grey = vz::ToGrey(page.image);
        vz::Image bw = vz::GreyToBinary(grey, 128);
        for (const vz::Image* img : {&bw, &grey, &page.image}) {
            vz::SkewResult found = vz::MeasurePageSkew(*img, 48);
            EXPECT_TRUE(found.found) << skew << " at " << img->bpp;
            EXPECT_NEAR(skew, found.degrees, 0.05) << img->bpp << " bits";
        }
        // Deskew and crop of the 1-bit scan: straight, 1 bit, the sheet's box.
        vz::BorderOptions options;
        options.deskew = true;
        options.crop = true;
        vz::BorderReport report;
        vz::Image straight = bw;
        ASSERT_EQ(vz::Status::Ok, vz::RemoveBorder(straight, options, &report));
        EXPECT_EQ(1, straight.bpp);
        EXPECT_NEAR(page.truthBox.x, report.box.x, 2) << skew;
        EXPECT_NEAR(page.truthBox.y, report.box.y, 2) << skew;
        EXPECT_NEAR(page.truthBox.w, report.box.w, 3) << skew;
        EXPECT_NEAR(page.truthBox.h, report.box.h, 3) << skew;
    }
}

}  // namespace
