// Faults during processing: a library call that fails (out of memory or
// otherwise), no memory for the page, and a stage before that fails or
// stops delivering. Each ends in the right status with no library image
// left behind and nothing served.
#include <gtest/gtest.h>

#include <cstring>

#include "PipelineFixture.h"
#include "TestPageSource.h"
#include "TestPages.h"

namespace {

class ProcessingFailure : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(recorder.Loaded());
        recorder.Reset();
        g_scanStatus = kScanOk;
    }
    void TearDown() override { g_scanStatus = kScanOk; }

    ScanSettings AllSteps() const
    {
        ScanSettings s = PlainSettings(kModeBlackWhite, 100);
        s.Deskew = 1;
        s.AutoCrop = 1;
        s.ColorDropType = 1;
        s.Rotation = 1;
        return s;
    }

    RecordingLibrary recorder;
};

TEST_F(ProcessingFailure, EachFailingCallStopsThereWithStatus7Or4)
{
    const vz::Image page = pages::ColourForm();
    const char* calls[] = {"IPT_CreateImageFromMemory", "IPT_RemoveBorder", "IPT_DropColor", "IPT_Binarize",
                           "IPT_Rotate", "IPT_GetProperties", "IPT_SaveImageToMemory"};
    for (const char* call : calls) {
        for (int32_t result : {IPT_OUT_OF_MEMORY, IPT_BAD_PARAMETER, IPT_UNSUPPORTED}) {
            SCOPED_TRACE(testing::Message() << call << " result " << result);
            recorder.Reset();
            recorder.FailCall(call, result);
            CTestPageSource upstream(page, 100);
            CProcessedSource stage(RecordingLibrary::Path());
            stage.SetUpstream(&upstream);
            const ScanSettings settings = AllSteps();
            ASSERT_TRUE(stage.Open(&settings, false, nullptr));
            stage.SelectSide(0);
            // The size falls back to the stage before's.
            EXPECT_EQ(upstream.Width(false), stage.Width(true));
            EXPECT_EQ(result == IPT_OUT_OF_MEMORY ? kScanOutOfMemory : kScanImagingError, g_scanStatus);
            EXPECT_FALSE(stage.HasProcessedPage());
            // Processing stopped at the failing call.
            const std::string noted = recorder.Calls();
            const size_t at = noted.find(call);
            ASSERT_NE(std::string::npos, at);
            const std::string after = noted.substr(at + strlen(call));
            EXPECT_TRUE(after.empty() || after == ",IPT_FreeImage") << noted;
            EXPECT_EQ(0, recorder.State().liveImages);
            // Nothing is served and the status stays until the next Open.
            std::vector<uint8_t> buffer(upstream.RowBytes(false) * 4u);
            uint32_t got = 99;
            const int32_t status = g_scanStatus;
            stage.ReadRows(buffer.data(), 4, 0, &got);
            EXPECT_EQ(0u, got);
            EXPECT_EQ(status, g_scanStatus);
            ASSERT_TRUE(stage.Open(&settings, false, nullptr));
            EXPECT_EQ(kScanOk, g_scanStatus);
            stage.Close();
        }
    }
}

TEST_F(ProcessingFailure, NoMemoryForThePageIsStatus4BeforeAnythingIsRead)
{
    const vz::Image page = pages::Pattern(60000, 4, 24);
    CTestPageSource upstream(page, 300);
    upstream.ClaimLength(0x3FFFFFFF);   // 180000 bytes a row: far beyond any memory
    CProcessedSource stage(RecordingLibrary::Path());
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeColor);
    s.Photo = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    stage.SelectSide(0);
    std::vector<uint8_t> buffer(180000);
    uint32_t got = 7;
    stage.ReadRows(buffer.data(), 1, 0, &got);
    EXPECT_EQ(0u, got);
    EXPECT_EQ(kScanOutOfMemory, g_scanStatus);
    EXPECT_EQ(0u, upstream.reads);
    EXPECT_EQ(std::string::npos, recorder.Calls().find("IPT_CreateImageFromMemory"));
    stage.Close();
}

TEST_F(ProcessingFailure, AFailingStageBeforeEndsTheReadWithItsOwnStatus)
{
    const vz::Image page = pages::Pattern(80, 400, 8);
    for (int32_t status : {kScanDeviceFailed, kScanCancelled, kScanFileError}) {
        SCOPED_TRACE(status);
        recorder.Reset();
        CTestPageSource upstream(page, 100);
        upstream.FailAfter(100, status);   // two strips of 50 rows come, then the fault
        CProcessedSource stage(RecordingLibrary::Path());
        stage.SetUpstream(&upstream);
        ScanSettings s = PlainSettings(kModeGray, 100);
        s.Deskew = 1;
        ASSERT_TRUE(stage.Open(&s, false, nullptr));
        const ServedPage served = ReadProcessedPage(stage);
        EXPECT_EQ(status, g_scanStatus);
        EXPECT_EQ(3u, upstream.reads);
        EXPECT_EQ(0u, served.rows.size());
        EXPECT_EQ(400u, served.length) << "the size stays the stage before's";
        EXPECT_EQ("IPT_Initialize", recorder.Calls()) << "the library never saw the page";
        stage.Close();
        g_scanStatus = kScanOk;
    }
}

TEST_F(ProcessingFailure, AnEarlyEndOfTheSheetShortensThePage)
{
    const vz::Image page = pages::Pattern(80, 400, 8);
    CTestPageSource upstream(page, 100);
    upstream.FailAfter(130, kScanEndOfPage);
    CProcessedSource stage(RecordingLibrary::Path());
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray, 100);
    s.Photo = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    const ServedPage served = ReadProcessedPage(stage);
    EXPECT_EQ(kScanOk, g_scanStatus);
    EXPECT_EQ(130u, served.length);
    EXPECT_EQ(130, recorder.State().description.height);
    ASSERT_EQ(130, served.image.height);
    EXPECT_EQ(0, memcmp(served.image.row(129), page.row(129), 80));
    stage.Close();
}

TEST_F(ProcessingFailure, AStageBeforeThatDeliversNothingDoesNotHang)
{
    const vz::Image page = pages::Pattern(80, 400, 8);
    CTestPageSource upstream(page, 100);
    upstream.FailAfter(60, kScanOk);   // from row 60 on: no rows and no status
    CProcessedSource stage(RecordingLibrary::Path());
    stage.SetUpstream(&upstream);
    ScanSettings s = PlainSettings(kModeGray, 100);
    s.Photo = 1;
    ASSERT_TRUE(stage.Open(&s, false, nullptr));
    stage.SelectSide(0);
    EXPECT_EQ(400u, stage.Length(true));
    EXPECT_EQ(kScanDeviceFailed, g_scanStatus);
    EXPECT_EQ(0, recorder.State().liveImages);
    stage.Close();
}

TEST_F(ProcessingFailure, AStageWithoutSettingsOrUpstreamServesNothing)
{
    CProcessedSource stage(RecordingLibrary::Path());
    ScanSettings s = PlainSettings(kModeGray);
    s.Photo = 1;
    EXPECT_FALSE(stage.Open(&s, false, nullptr)) << "nothing before it";
    EXPECT_EQ(0u, stage.Width(true));
    uint8_t buffer[16] = {};
    uint32_t got = 5;
    stage.SelectSide(0);
    stage.ReadRows(buffer, 1, 0, &got);
    EXPECT_EQ(0u, got);
    EXPECT_EQ(kScanImagingError, g_scanStatus);
    stage.Close();
}

}  // namespace
