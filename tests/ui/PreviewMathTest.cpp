// The preview's arithmetic as plain functions: the frame from mouse points
// and back, the zoom's scroll range, the rulers' marks, the read-outs, the
// display tone table, the frame's handles, and the preview file reader's
// checks on what it reads from disk.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "TempFolder.h"
#include "ui/FrameTracker.h"
#include "ui/PreviewDib.h"
#include "ui/PreviewMath.h"

namespace {

ScanSettings FullFrame(uint16_t mode, int16_t dpi)
{
    ScanSettings s{};
    s.ScanMode = mode;
    s.DPI = dpi;
    s.Right = 432;
    s.Bottom = 1000;
    s.Gamma = 10;
    s.Highlight = 255;
    return s;
}

TEST(PreviewMath, FrameFromPointsRoundsToHundredthsAndClampsToTheArea)
{
    ScanSettings s{};
    FrameFromPoints(10, 10, 60, 100, 134, 318, s);
    EXPECT_EQ(s.Left, 32);
    EXPECT_EQ(s.Right, 193);
    EXPECT_EQ(s.Top, 31);
    EXPECT_EQ(s.Bottom, 314);
    FrameFromPoints(60, 100, 10, 10, 134, 318, s);   // corners either way round
    EXPECT_EQ(s.Left, 32);
    EXPECT_EQ(s.Bottom, 314);
    FrameFromPoints(-20, -5, 400, 900, 134, 318, s);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Right, 432);
    EXPECT_EQ(s.Bottom, 1000);
    const ScanSettings before = s;
    FrameFromPoints(1, 1, 5, 5, 0, 0, s);   // no client yet
    EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0);

    const PixelRect r = TrackerFromFrame(FullFrame(kModeColor, 300), 134, 318);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 134);
    EXPECT_EQ(r.bottom, 318);
}

TEST(PreviewMath, A75DpiPreviewCountsAs74DpiAndScrollsInQuarterInches)
{
    EXPECT_EQ(PreviewResolution(2952), 74);
    EXPECT_EQ(PreviewResolution(0), 30);
    EXPECT_EQ(324 * 100 / PreviewResolution(2952), 437);
    EXPECT_EQ(ZoomScrollMax(324, 74, 1, 432), 0);
    EXPECT_EQ(ZoomScrollMax(324, 74, 2, 432), 8);
    EXPECT_EQ(ZoomScrollMax(712, 74, 2, 1000), 18);
    EXPECT_EQ(ZoomScrollMax(100, 0, 2, 432), 0);
}

std::vector<int> Positions(const std::vector<RulerMark>& marks, bool longTicks)
{
    std::vector<int> out;
    for (const RulerMark& m : marks)
        if (m.longTick == longTicks) out.push_back(m.position);
    return out;
}

TEST(PreviewMath, InchRulerMarksAndLabels)
{
    const std::vector<RulerMark> zoom1 = RulerMarks(true, 1, 1, 0, 134);
    EXPECT_EQ(Positions(zoom1, true), (std::vector<int>{0, 31, 62, 93, 124}));
    EXPECT_EQ(Positions(zoom1, false), (std::vector<int>{15, 46, 77, 108}));
    std::vector<int> labels;
    for (const RulerMark& m : zoom1)
        if (m.label >= 0) labels.push_back(m.label);
    EXPECT_EQ(labels, (std::vector<int>{0, 1, 2, 3})) << "no label within 14 pixels of the end";

    const std::vector<RulerMark> zoom2 = RulerMarks(true, 1, 2, 0, 134);
    EXPECT_EQ(Positions(zoom2, true), (std::vector<int>{0, 62, 124}));
    EXPECT_EQ(Positions(zoom2, false), (std::vector<int>{31, 93}));
    ASSERT_EQ(zoom2.size(), 5u);
    EXPECT_EQ(zoom2[0].label, 0);
    EXPECT_EQ(zoom2[2].label, 1);
    EXPECT_EQ(zoom2[4].label, -1);

    // Scrolled a quarter inch in at zoom 2: the first whole inch is 1, 75 hundredths on.
    const std::vector<RulerMark> scrolled = RulerMarks(true, 1, 2, 25, 134);
    ASSERT_FALSE(scrolled.empty());
    EXPECT_FALSE(scrolled[0].longTick) << "the half inch before the first mark";
    EXPECT_EQ(scrolled[0].position, 75 * 2 * 134 / 432 - 31);
    EXPECT_EQ(scrolled[1].position, 75 * 2 * 134 / 432);
    EXPECT_EQ(scrolled[1].label, 1);
}

TEST(PreviewMath, CentimetreRulerNumbersEveryFifthMark)
{
    const std::vector<RulerMark> marks = RulerMarks(false, 0, 1, 0, 318);
    ASSERT_EQ(marks.size(), 25u);
    for (const RulerMark& m : marks) EXPECT_LT(m.position, 318);
    EXPECT_TRUE(marks[0].longTick);
    EXPECT_EQ(marks[0].label, 0);
    EXPECT_FALSE(marks[1].longTick);
    EXPECT_EQ(marks[1].label, -1);
    EXPECT_EQ(marks[1].position, 318 * 10000 / (254 * 1000));
    EXPECT_TRUE(marks[5].longTick);
    EXPECT_EQ(marks[5].label, 5);
    EXPECT_EQ(marks[20].label, 20);
    EXPECT_TRUE(RulerMarks(true, 1, 1, 0, 0).empty());
}

TEST(PreviewMath, ReadOutTexts)
{
    EXPECT_EQ(LengthText("Width", 432, 1), "Width: 4.3 in");
    EXPECT_EQ(LengthText("Width", 432, 0), "Width: 11.0 cm");
    EXPECT_EQ(ImageSizeText("Image size", FullFrame(kModeColor, 300)), "Image size: 11.12 MB");
    ScanSettings small = FullFrame(kModeBlackWhite, 100);
    small.Right = 100;
    small.Bottom = 100;
    EXPECT_EQ(ImageSizeText("Image size", small), "Image size: 1.6 KB");   // 16 bytes x 100 rows
    EXPECT_EQ(ImageSizeText("Image size", FullFrame(kModeColor, 1200)), "Image size: 177.98 MB");
    EXPECT_EQ(ImageSizeText("Image size", FullFrame(kModeColor, 5000)), "Image size: 3.02 GB");
    ScanSettings inverted = FullFrame(kModeGray, 300);
    inverted.Left = 400;
    inverted.Right = 100;
    EXPECT_EQ(ImageSizeText("Image size", inverted), "Image size: 0.0 KB");

    EXPECT_EQ(FreeSpaceText("Free disk space", true, 10ull << 30), "Free disk space: 10.00 GB");
    EXPECT_EQ(FreeSpaceText("Free disk space", true, 500ull << 20), "Free disk space: 500.00 MB");
    EXPECT_EQ(FreeSpaceText("Free disk space", true, (500ull << 20) + 4095), "Free disk space: 500.00 MB");
    EXPECT_EQ(FreeSpaceText("Free disk space", false, 0), "Free disk space: xxx");
}

TEST(PreviewMath, ToneTableNeverFallsAndFollowsModeAndInvert)
{
    uint8_t t[256];
    BuildToneTable(t, 0, 0, 2, 255, 0);   // gamma 1.0, neutral
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[255], 255);
    for (int i = 1; i < 256; ++i) EXPECT_GE(t[i], t[i - 1]) << i;
    EXPECT_NEAR(t[128], 128, 2);

    BuildToneTable(t, 50, 0, 2, 200, 40);
    EXPECT_EQ(t[39], 0) << "below the shadow";
    EXPECT_EQ(t[201], 255) << "above the highlight";
    for (int i = 1; i < 256; ++i) EXPECT_GE(t[i], t[i - 1]) << i;
    uint8_t brighter[256];
    BuildToneTable(brighter, 100, 0, 2, 255, 0);
    uint8_t neutral[256];
    BuildToneTable(neutral, 0, 0, 2, 255, 0);
    EXPECT_GT(brighter[100], neutral[100]);
    // Out-of-range values are limited, not trusted.
    BuildToneTable(t, 900, -900, 2, 0, 300);
    for (int i = 1; i < 256; ++i) EXPECT_GE(t[i], t[i - 1]) << i;

    ScanSettings bw = FullFrame(kModeBlackWhite, 300);
    DisplayToneTable(t, bw);
    for (int i = 0; i < 256; ++i) EXPECT_TRUE(t[i] == 0 || t[i] == 255) << i;
    EXPECT_EQ(t[40], 0);
    EXPECT_EQ(t[220], 255);
    bw.Invert = 1;
    DisplayToneTable(t, bw);
    EXPECT_EQ(t[40], 255);
    EXPECT_EQ(t[220], 0);
}

TEST(PreviewMath, FrameHandlesAndDrags)
{
    const PixelRect r = {20, 30, 80, 130};
    EXPECT_EQ(TrackerHitTest(r, 5, 5), kHitNothing);
    EXPECT_EQ(TrackerHitTest(r, 21, 31), kHitTopLeft);
    EXPECT_EQ(TrackerHitTest(r, 78, 128), kHitBottomRight);
    EXPECT_EQ(TrackerHitTest(r, 50, 80), kHitMiddle);
    EXPECT_EQ(TrackerHitTest(r, 47, 31), kHitTop);
    EXPECT_EQ(TrackerHitTest(r, 80, 80), kHitNothing) << "the right edge is outside";

    const PixelRect moved = TrackerDrag(r, kHitMiddle, 50, 80, 500, 500, 134, 318);
    EXPECT_EQ(moved.right, 134);
    EXPECT_EQ(moved.bottom, 318);
    EXPECT_EQ(moved.right - moved.left, 60) << "a move keeps the size";
    const PixelRect sized = TrackerDrag(r, kHitBottomRight, 78, 128, 100, 150, 134, 318);
    EXPECT_EQ(sized.left, 20);
    EXPECT_EQ(sized.top, 30);
    EXPECT_GT(sized.right, 80);
    EXPECT_GT(sized.bottom, 130);
}

// A BMP file written byte by byte, so that its header can lie.
void WriteBmp(const std::string& path, uint32_t offBits, int32_t width, int32_t height, uint16_t bits,
              uint32_t compression, size_t pixelBytes, uint32_t headerSize = 40)
{
    std::vector<uint8_t> file(offBits + pixelBytes, 0x5A);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = offBits;
    fh.bfSize = static_cast<DWORD>(file.size());
    std::memcpy(file.data(), &fh, sizeof fh);
    BITMAPINFOHEADER ih = {};
    ih.biSize = headerSize;
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = bits;
    ih.biCompression = compression;
    ih.biXPelsPerMeter = 2952;
    if (offBits >= 14 + sizeof ih) std::memcpy(file.data() + 14, &ih, sizeof ih);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
}

TEST(PreviewDibReader, ReadsA24BitFileAndRefusesWhatItCannotShow)
{
    TempFolder folder;
    HDC dc = GetDC(nullptr);
    CPreviewDib dib;
    const std::string good = folder.File("good.bmp");
    WriteBmp(good, 54, 10, 4, 24, BI_RGB, 32 * 4);
    EXPECT_EQ(dib.Load(good, dc), kDibLoaded);
    EXPECT_EQ(dib.Width(), 10);
    EXPECT_EQ(dib.Height(), 4);
    EXPECT_EQ(dib.Resolution(), 74);
    ASSERT_NE(dib.Bits(), nullptr);
    EXPECT_EQ(dib.Bits()[0], 0x5A);

    EXPECT_EQ(dib.Load(folder.File("absent.bmp"), dc), kDibCannotOpen);
    EXPECT_FALSE(dib.Loaded());
    const std::string rle = folder.File("rle.bmp");
    WriteBmp(rle, 54 + 1024, 10, 4, 8, BI_RLE8, 64);
    EXPECT_EQ(dib.Load(rle, dc), kDibCompressed);
    const std::string deep = folder.File("deep.bmp");
    WriteBmp(deep, 54, 10, 4, 32, BI_RGB, 160);
    EXPECT_EQ(dib.Load(deep, dc), kDibBadDepth);
    const std::string v5 = folder.File("v5.bmp");
    WriteBmp(v5, 54 + 84, 10, 4, 24, BI_RGB, 128, 124);
    EXPECT_EQ(dib.Load(v5, dc), kDibNotBitmap) << "only core and info headers";
    const std::string text = folder.File("text.bmp");
    std::ofstream(text) << "not a picture at all, but long enough to hold a header";
    EXPECT_EQ(dib.Load(text, dc), kDibNotBitmap);
    ReleaseDC(nullptr, dc);
}

TEST(PreviewDibReader, OversizedHeadersAndPixelDataAreNotTrusted)
{
    TempFolder folder;
    HDC dc = GetDC(nullptr);
    CPreviewDib dib;
    // A header area larger than the 1064-byte block.
    const std::string bigHeader = folder.File("header.bmp");
    WriteBmp(bigHeader, 14 + 4000, 10, 4, 24, BI_RGB, 128);
    EXPECT_EQ(dib.Load(bigHeader, dc), kDibNotBitmap);
    // An offset inside the file header.
    const std::string tiny = folder.File("tiny.bmp");
    WriteBmp(tiny, 54, 10, 4, 24, BI_RGB, 128);
    {
        std::fstream f(tiny, std::ios::binary | std::ios::in | std::ios::out);
        const uint32_t off = 8;
        f.seekp(10);
        f.write(reinterpret_cast<const char*>(&off), 4);
    }
    EXPECT_EQ(dib.Load(tiny, dc), kDibNotBitmap);
    // Far more pixel data than the picture holds: cut to the section.
    const std::string longData = folder.File("long.bmp");
    WriteBmp(longData, 54, 2, 2, 24, BI_RGB, 1 << 20);
    EXPECT_EQ(dib.Load(longData, dc), kDibLoaded);
    EXPECT_EQ(dib.Height(), 2);
    // A picture claiming to be enormous.
    const std::string huge = folder.File("huge.bmp");
    WriteBmp(huge, 54, 0x7FFFFFFF, 0x7FFFFFFF, 24, BI_RGB, 64);
    EXPECT_NE(dib.Load(huge, dc), kDibLoaded);
    EXPECT_FALSE(dib.Loaded());
    ReleaseDC(nullptr, dc);
}

} // namespace
