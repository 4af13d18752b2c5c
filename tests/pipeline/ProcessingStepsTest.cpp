// The library steps the settings ask for, seen twice: in the records the
// recording library received, and in the pixels the stage serves afterwards.
#include <gtest/gtest.h>

#include "PageGenerator.h"
#include "PipelineFixture.h"
#include "TestPageSource.h"
#include "TestPages.h"

namespace {

class ProcessingSteps : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(recorder.Loaded());
        recorder.Reset();
        g_scanStatus = kScanOk;
    }

    // Processes `page` with the settings through the recording library.
    ServedPage Process(const vz::Image& page, const ScanSettings& s, uint32_t dpi)
    {
        CTestPageSource upstream(page, dpi);
        CProcessedSource stage(RecordingLibrary::Path());
        stage.SetUpstream(&upstream);
        EXPECT_TRUE(stage.Open(&s, false, nullptr));
        reportedBits = stage.BitsPerPixel();
        ServedPage served = ReadProcessedPage(stage);
        stage.Close();
        return served;
    }

    RecordingLibrary recorder;
    uint32_t reportedBits = 0;
};

TEST_F(ProcessingSteps, BorderRemovalMarginFollowsResolutionAndBothSwitches)
{
    const vz::Image page = pages::Pattern(120, 90, 8);
    struct Case {
        int16_t deskew, crop;
        uint32_t dpi;
        int32_t margin;
    } cases[] = {{1, 1, 300, -6}, {1, 1, 75, -1}, {1, 0, 300, 0}, {0, 1, 300, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "deskew " << c.deskew << " crop " << c.crop << " dpi " << c.dpi);
        recorder.Reset();
        ScanSettings s = PlainSettings(kModeGray, static_cast<int16_t>(c.dpi));
        s.Deskew = c.deskew;
        s.AutoCrop = c.crop;
        Process(page, s, c.dpi);
        EXPECT_EQ(kScanOk, g_scanStatus);
        const IptBorderRemoval& r = recorder.State().border;
        EXPECT_EQ(24, r.size);
        EXPECT_EQ(c.deskew, r.deskew);
        EXPECT_EQ(c.crop, r.crop);
        EXPECT_EQ(48, r.backgroundLevel);
        EXPECT_EQ(c.margin, r.margin);
        EXPECT_EQ(0, recorder.State().liveImages);
    }
}

TEST_F(ProcessingSteps, AutomaticDropoutThresholdHandsTheWindow25To25)
{
    ScanSettings s = PlainSettings(kModeGray);
    s.ColorDropType = 1;
    s.ColorDropThreshold = -1;
    s.ColorDropMin = 90;
    s.ColorDropMax = 150;
    Process(pages::ColourForm(), s, 300);
    const IptColorDropout& r = recorder.State().dropout;
    EXPECT_EQ(40, r.size);
    EXPECT_EQ(1, r.type);
    EXPECT_EQ(-1, r.threshold);
    EXPECT_EQ(25, r.minimum);
    EXPECT_EQ(25, r.maximum);
    EXPECT_EQ(75, r.saturationMin);
    EXPECT_EQ(25, r.luminanceMin);
    EXPECT_EQ(25, r.blobMin);
    EXPECT_EQ(std::string::npos, recorder.Calls().find("IPT_Binarize")) << "grey is not binarised";
}

TEST_F(ProcessingSteps, GreyDropoutRemovesTheRedRulesAndKeepsThePrint)
{
    ScanSettings s = PlainSettings(kModeGray);
    s.ColorDropType = 1;
    const ServedPage served = Process(pages::ColourForm(), s, 300);
    ASSERT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(8u, reportedBits) << "reported before the page was processed";
    EXPECT_EQ(8u, served.bitsPerPixel);
    EXPECT_EQ(static_cast<uint32_t>(pages::kFormWidth), served.width);
    EXPECT_EQ(static_cast<uint32_t>(pages::kFormHeight), served.length);
    EXPECT_EQ(404u, served.rowBytes);
    ASSERT_EQ(served.image.height, pages::kFormHeight);
    int ruleDark = 0, printLight = 0;
    for (int y = 0; y < pages::kFormHeight; ++y)
        for (int x = 0; x < pages::kFormWidth; ++x) {
            const int v = pages::Pixel(served.image, x, y);
            if (pages::IsRule(x, y) && v < 200)
                ++ruleDark;
            if (pages::IsPrint(x, y) && v > 80)
                ++printLight;
        }
    EXPECT_EQ(0, ruleDark) << "red rule pixels left on the page";
    EXPECT_EQ(0, printLight) << "print pixels lost";
}

TEST_F(ProcessingSteps, BlackAndWhiteDropoutIsBinarisedAndWidenedToFourByteRows)
{
    ScanSettings s = PlainSettings(kModeBlackWhite);
    s.ColorDropType = 1;
    s.ColorDropBWThreshold = 128;
    const ServedPage served = Process(pages::ColourForm(), s, 300);
    ASSERT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(1u, reportedBits);
    EXPECT_EQ(1u, served.bitsPerPixel);
    EXPECT_EQ(52u, served.rowBytes) << "401 pixels pack into 51 bytes, widened to 52";
    EXPECT_EQ("IPT_Initialize,IPT_CreateImageFromMemory,IPT_DropColor,IPT_Binarize,IPT_GetProperties,"
              "IPT_SaveImageToMemory,IPT_FreeImage,IPT_Uninitialize",
              recorder.Calls());
    EXPECT_EQ(128, recorder.State().binarization.threshold);
    ASSERT_EQ(pages::kFormHeight, served.image.height);
    // Bits straight from the served rows: MSB first, 0 black.
    int wrong = 0;
    for (int y = 0; y < pages::kFormHeight; ++y) {
        const uint8_t* row = &served.rows[static_cast<size_t>(y) * served.rowBytes];
        for (int x = 0; x < pages::kFormWidth; ++x) {
            const int bit = (row[x / 8] >> (7 - x % 8)) & 1;
            if (bit != (pages::IsPrint(x, y) ? 0 : 1))
                ++wrong;
        }
    }
    EXPECT_EQ(0, wrong);
    // The last pixel of a row sits alone in the MSB of byte 50 (a print block
    // reaches it in rows 60..79).
    EXPECT_EQ(0, served.rows[static_cast<size_t>(70) * 52 + 50] & 0x80);
    EXPECT_EQ(0x80, served.rows[static_cast<size_t>(10) * 52 + 50] & 0x80);
}

TEST_F(ProcessingSteps, DeskewAndCropCutTheSheetFromASkewedScan)
{
    bench::PageSpec params;
    params.dpi = 100;
    params.skewDegrees = 3.5;
    params.formLines = false;
    const bench::GeneratedPage page = bench::GeneratePage(params);
    ScanSettings s = PlainSettings(kModeColor, 100);
    s.Deskew = 1;
    s.AutoCrop = 1;
    const ServedPage served = Process(page.image, s, 100);
    ASSERT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(-2, recorder.State().border.margin);
    // The sheet, less the margin cut in on every side.
    EXPECT_NEAR(page.truthBox.w - 4, static_cast<int>(served.width), 3);
    EXPECT_NEAR(page.truthBox.h - 4, static_cast<int>(served.length), 3);
    EXPECT_EQ(PaddedRowBytes(served.width, 24), served.rowBytes);
    // No dark backing left at the corners.
    ASSERT_GT(served.image.height, 0);
    for (int y : {0, served.image.height - 1})
        for (int x : {0, served.image.width - 1})
            EXPECT_GT(pages::Pixel(served.image, x, y), 150) << "corner " << x << "," << y;
}

TEST_F(ProcessingSteps, AutomaticRotationTurnsByTheDetectedCode)
{
    bench::PageSpec params;
    params.dpi = 200;
    params.quarterTurns = 1;
    const bench::GeneratedPage page = bench::GeneratePage(params);
    ScanSettings s = PlainSettings(kModeColor, 200);
    s.AutoRotate = 1;
    s.Rotation = 2;   // automatic rotation takes precedence over the fixed code
    const ServedPage served = Process(page.image, s, 200);
    ASSERT_EQ(kScanOk, g_scanStatus);
    EXPECT_NE(std::string::npos, recorder.Calls().find("IPT_DetectOrientation,IPT_Rotate"));
    EXPECT_EQ(page.uprightTurn, recorder.State().rotation.rotation);
    EXPECT_EQ(static_cast<uint32_t>(page.image.height), served.width);
    EXPECT_EQ(static_cast<uint32_t>(page.image.width), served.length);
    EXPECT_EQ(page.uprightTurn, LastDetectedOrientation().orientation);
    EXPECT_GT(LastDetectedOrientation().confidence, 0.0f);
}

TEST_F(ProcessingSteps, NoRotationWhenNoOrientationIsFound)
{
    recorder.State().forceOrientation = 0;
    ScanSettings s = PlainSettings(kModeGray);
    s.AutoRotate = 1;
    const vz::Image page = pages::Pattern(40, 30, 8);
    const ServedPage served = Process(page, s, 300);
    EXPECT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(std::string::npos, recorder.Calls().find("IPT_Rotate"));
    EXPECT_EQ(40u, served.width);
    EXPECT_EQ(0, LastDetectedOrientation().orientation);
}

TEST_F(ProcessingSteps, DetectedCodeOutOfRangeIsALibraryError)
{
    recorder.State().forceOrientation = 9;
    ScanSettings s = PlainSettings(kModeGray);
    s.AutoRotate = 1;
    const ServedPage served = Process(pages::Pattern(40, 30, 8), s, 300);
    EXPECT_EQ(kScanImagingError, g_scanStatus);
    EXPECT_EQ(0u, served.rows.size());
    EXPECT_EQ(0, recorder.State().liveImages);
    g_scanStatus = kScanOk;
}

}  // namespace
