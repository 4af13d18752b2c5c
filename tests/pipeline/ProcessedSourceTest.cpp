// The processing stage as the page store drives it: loading the library,
// the page's geometry before and after processing, serving the rows in any
// read size, rotation by a fixed code, and the page given up at EndPage.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "PipelineFixture.h"
#include "TestPageSource.h"
#include "TestPages.h"
#include "imaging/ImagingLibrary.h"

namespace {

void ExpectSamePixels(const vz::Image& want, const vz::Image& got)
{
    ASSERT_EQ(want.width, got.width);
    ASSERT_EQ(want.height, got.height);
    ASSERT_EQ(want.bpp, got.bpp);
    for (int y = 0; y < want.height; ++y)
        for (int x = 0; x < want.width; ++x)
            ASSERT_EQ(pages::Pixel(want, x, y), pages::Pixel(got, x, y)) << "at " << x << "," << y;
    if (want.bpp != 24)
        return;
    for (int y = 0; y < want.height; ++y)
        ASSERT_EQ(0, memcmp(want.row(y), got.row(y), want.stride)) << "row " << y;
}

TEST(ProcessedSourceLoad, NullSettingsOnlyCheckTheLibraryBesideTheModule)
{
    g_scanStatus = kScanFileError;
    CProcessedSource stage;
    EXPECT_EQ(kImagingNotLoaded, stage.LoadState());
    EXPECT_TRUE(stage.Open(nullptr, false, nullptr));
    EXPECT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(kImagingLoaded, stage.LoadState());
    stage.Close();
    EXPECT_EQ(kImagingNotLoaded, stage.LoadState());

    g_scanStatus = kScanDeviceFailed;
    EXPECT_TRUE(CProcessedSource::LibraryLoads());
    EXPECT_EQ(kScanDeviceFailed, g_scanStatus) << "the probe leaves a pending status alone";
    g_scanStatus = kScanOk;
}

TEST(ProcessedSourceLoad, AFailedLoadIsNotTriedAgain)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "tx_pipeline_late.dll";
    DeleteFileA(path.c_str());

    CProcessedSource stage(path);
    EXPECT_FALSE(stage.Open(nullptr, false, nullptr));
    EXPECT_EQ(kImagingLoadFailed, stage.LoadState());
    // The library appearing later does not change the answer.
    ASSERT_TRUE(CopyFileA(RecordingLibrary::Path().c_str(), path.c_str(), FALSE));
    const vz::Image page = pages::Pattern(20, 10, 8);
    CTestPageSource upstream(page);
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray);
    s.Photo = 1;
    EXPECT_FALSE(stage.Open(&s, false, nullptr));
    EXPECT_FALSE(stage.Open(nullptr, false, nullptr));
    stage.Close();
    EXPECT_EQ(kImagingLoadFailed, stage.LoadState());
    DeleteFileA(path.c_str());
}

TEST(ProcessedSourceLoad, LibraryWithoutEveryExportIsNotUsed)
{
    // A library that lacks the exports (here: a system library) fails to bind.
    CProcessedSource stage(std::string("user32.dll"));
    EXPECT_FALSE(stage.Open(nullptr, false, nullptr));
    EXPECT_EQ(kImagingLoadFailed, stage.LoadState());
}

TEST(ProcessedSourceGeometry, UpstreamValuesUntilProcessedThenTheProcessedOnes)
{
    const vz::Image page = pages::Pattern(64, 42, 8);
    CTestPageSource upstream(page, 200);
    CProcessedSource stage;
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray, 200);
    s.Rotation = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    EXPECT_EQ(200u, stage.Resolution());
    EXPECT_EQ(64u, stage.Width(false));
    EXPECT_EQ(42u, stage.Length(false));
    EXPECT_EQ(64u, stage.RowBytes(false));
    EXPECT_EQ(8u, stage.BitsPerPixel());
    EXPECT_EQ(0u, upstream.reads) << "nothing is read before the final size is asked for";

    EXPECT_EQ(42u, stage.Width(true));
    EXPECT_TRUE(stage.HasProcessedPage());
    EXPECT_EQ(64u, stage.Length(false));
    EXPECT_EQ(44u, stage.RowBytes(false)) << "42 grey pixels widen to 44 bytes";
    EXPECT_EQ(64u, stage.Length(true));
    const uint32_t reads = upstream.reads;
    stage.RowBytes(true);
    EXPECT_EQ(reads, upstream.reads) << "a side is processed once";

    stage.EndPage();
    EXPECT_FALSE(stage.HasProcessedPage());
    EXPECT_EQ(64u, stage.Width(false)) << "after EndPage the stage before answers again";
    EXPECT_EQ(42u, stage.Length(false));
    stage.Close();
}

TEST(ProcessedSourceGeometry, DropoutOutsideColourReportsTheDepthOfTheResult)
{
    const vz::Image page = pages::Pattern(16, 8, 24);
    CTestPageSource upstream(page);
    CProcessedSource stage;
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray);
    s.ColorDropType = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    EXPECT_EQ(8u, stage.BitsPerPixel());
    s.ScanMode = kModeBlackWhite;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    EXPECT_EQ(1u, stage.BitsPerPixel());
    s.ScanMode = kModeColor;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    EXPECT_EQ(24u, stage.BitsPerPixel());
    s.ScanMode = kModeGray;
    s.ColorDropType = 0;
    s.Photo = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    EXPECT_EQ(24u, stage.BitsPerPixel()) << "without dropout the stage before's depth";
    stage.Close();
}

TEST(ProcessedSourceRoundTrip, PhotoAloneGivesThePageBackUnchangedAtEveryDepth)
{
    RecordingLibrary recorder;
    ASSERT_TRUE(recorder.Loaded());
    for (int bpp : {1, 8, 24}) {
        SCOPED_TRACE(bpp);
        recorder.Reset();
        const vz::Image page = pages::Pattern(401, 97, bpp);
        CTestPageSource upstream(page, 300);
        CProcessedSource stage(RecordingLibrary::Path());
        stage.SetUpstream(&upstream);
        ScanSettings s = PlainSettings(bpp == 24 ? kModeColor : bpp == 8 ? kModeGray : kModeBlackWhite);
        s.Photo = 1;
        ASSERT_TRUE(stage.Open(&s, false, nullptr));
        const ServedPage served = ReadProcessedPage(stage);
        EXPECT_EQ(kScanOk, g_scanStatus);
        EXPECT_EQ(static_cast<uint32_t>(bpp), served.bitsPerPixel);
        EXPECT_EQ(PaddedRowBytes(401, bpp), served.rowBytes);
        ExpectSamePixels(page, served.image);
        EXPECT_EQ("IPT_Initialize,IPT_CreateImageFromMemory,IPT_GetProperties,IPT_SaveImageToMemory,IPT_FreeImage",
                  recorder.Calls());
        EXPECT_EQ(0, recorder.State().liveImages);
        EXPECT_EQ(static_cast<int32_t>(PaddedRowBytes(401, bpp)), recorder.State().description.bytesPerRow);
        EXPECT_EQ(300, recorder.State().description.xResolution);
        EXPECT_EQ(300, recorder.State().description.yResolution);
        stage.Close();
        EXPECT_EQ(1, recorder.State().uninitializeCount);
    }
}

TEST(ProcessedSourceRoundTrip, SideIsReadInStripsOfHalfTheResolution)
{
    const vz::Image page = pages::Pattern(50, 700, 8);
    CTestPageSource upstream(page, 300);
    CProcessedSource stage;
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray);
    s.Photo = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    stage.SelectSide(0);
    EXPECT_EQ(700u, stage.Length(true));
    EXPECT_EQ(150u, upstream.largestRead);
    EXPECT_EQ(5u, upstream.reads);   // 4 x 150 + 100
    EXPECT_EQ(0, upstream.lastSide);
    stage.Close();
}

TEST(ProcessedSourceRoundTrip, ReadsAreClampedToThePageAndRestartAtSelectSide)
{
    const vz::Image page = pages::Pattern(30, 20, 8);
    CTestPageSource upstream(page, 100);
    CProcessedSource stage;
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray, 100);
    s.Photo = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    stage.SelectSide(0);
    std::vector<uint8_t> buffer(32 * 100, 0);
    uint32_t got = 0;
    stage.ReadRows(buffer.data(), 15, 0, &got);
    EXPECT_EQ(15u, got);
    stage.ReadRows(buffer.data(), 100, 0, &got);
    EXPECT_EQ(5u, got) << "no more rows than the page has left";
    stage.ReadRows(buffer.data(), 100, 0, &got);
    EXPECT_EQ(0u, got);
    EXPECT_EQ(kScanOk, g_scanStatus);

    // Selecting the side again serves the same processed page from its top.
    const uint32_t reads = upstream.reads;
    stage.SelectSide(0);
    stage.ReadRows(buffer.data(), 1, 0, &got);
    EXPECT_EQ(1u, got);
    EXPECT_EQ(0, memcmp(buffer.data(), page.row(0), 30));
    EXPECT_EQ(reads, upstream.reads);
    stage.Close();
}

TEST(ProcessedSourceRotation, FixedCodesTurnThePageClockwise)
{
    const vz::Image page = pages::Pattern(64, 42, 8);
    for (uint16_t code : {1, 2, 3}) {
        SCOPED_TRACE(code);
        CTestPageSource upstream(page, 200);
        CProcessedSource stage;
        stage.SetUpstream(&upstream);
        ScanSettings s = PlainSettings(kModeGray, 200);
        s.Rotation = code;
        ASSERT_TRUE(stage.Open(&s, false, nullptr));
        const ServedPage served = ReadProcessedPage(stage);
        EXPECT_EQ(code == 2 ? 64u : 42u, served.width);
        EXPECT_EQ(code == 2 ? 42u : 64u, served.length);
        ExpectSamePixels(pages::TurnClockwise(page, code), served.image);
        stage.Close();
    }
}

TEST(ProcessedSourceRotation, RotationOutOfRangeLeavesThePageAsItIs)
{
    const vz::Image page = pages::Pattern(64, 42, 24);
    CTestPageSource upstream(page, 200);
    CProcessedSource stage;
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeColor, 200);
    s.Rotation = 7;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    const ServedPage served = ReadProcessedPage(stage);
    EXPECT_EQ(kScanOk, g_scanStatus);
    ExpectSamePixels(page, served.image);
    stage.Close();
}

}  // namespace
