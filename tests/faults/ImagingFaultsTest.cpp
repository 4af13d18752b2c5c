// The imaging library failing in the middle of a page, through DS_Entry. A
// copy of the source sits in a folder of its own beside the recording
// library, built under the library's name, which passes every call on to
// our library one folder up or fails the call a test names. Each failure
// ends with its box and code, no temporary file and no library image left,
// and the next page is processed again.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "FaultFixture.h"
#include "RecorderState.h"
#include "common/text/DsTexts.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (slash) slash[1] = '\0';
    return path;
}

const std::string kFolder = "faults_imaging\\";

class ImagingFaults : public FaultTest {
protected:
    void SetUp() override
    {
        FaultTest::SetUp();
        if (HasFatalFailure()) return;
        m_recorder = LoadLibraryA((ProgramFolder() + kFolder + "VOZozur.dll").c_str());
        ASSERT_NE(m_recorder, nullptr);
        auto state = reinterpret_cast<RecorderStateFn*>(GetProcAddress(m_recorder, "Recorder_State"));
        auto reset = reinterpret_cast<RecorderResetFn*>(GetProcAddress(m_recorder, "Recorder_Reset"));
        ASSERT_TRUE(state && reset);
        reset();
        m_state = state();
        // The copy of the source that loads the recording library.
        ASSERT_TRUE(app.Load((kFolder + "TARVX380.ds").c_str()));
        ASSERT_EQ(app.GiveEntryPoints(), TWRC_SUCCESS);
        SourceHarness::ClearRecords();
    }
    void TearDown() override
    {
        FaultTest::TearDown();
        if (m_recorder) FreeLibrary(m_recorder);
    }
    void Fail(const char* call, int32_t result)
    {
        std::memset(m_state->failCall, 0, sizeof m_state->failCall);
        std::strncpy(m_state->failCall, call, sizeof m_state->failCall - 1);
        m_state->failResult = result;
        m_state->calls[0] = '\0';
    }
    // A half turn keeps the page's size; with end-of-page detection the page
    // is buffered in a temporary file before it is processed.
    static ScanSettings Turned(bool buffered)
    {
        ScanSettings s = Page();
        s.Rotation = 2;
        s.DetectEOP = buffered ? 1 : 0;
        return s;
    }

    HMODULE m_recorder = nullptr;
    RecorderState* m_state = nullptr;
};

struct ImagingCase {
    const char* call;
    int32_t result;
    bool memory;   // a memory transfer, else native
    bool buffered;
};

class LibraryFailsMidPage : public ImagingFaults, public ::testing::WithParamInterface<ImagingCase> {};

TEST_P(LibraryFailsMidPage, EndsThePageWithTheLibrarysMessage)
{
    const ImagingCase c = GetParam();
    Fail(c.call, c.result);
    Start(Turned(c.buffered));
    MessageBoxRecorder boxes;
    if (c.memory) {
        PageRows page;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Memory(&page));
        EXPECT_EQ(page.length, 0u);
    } else {
        TW_HANDLE dib = nullptr;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Native(&dib));
        EXPECT_EQ(dib, nullptr);
    }
    ExpectOneBox(boxes, c.result == IPT_OUT_OF_MEMORY ? tx::dstext::kTxtScanOutOfMemory
                                                      : tx::dstext::kTxtImagingLibraryError);
    EXPECT_NE(std::string(m_state->calls).find(c.call), std::string::npos) << m_state->calls;
    EXPECT_EQ(m_state->liveImages, 0) << "no image of the library is left";
    Fail("", 0);
    ExpectNextPageScans(Turned(c.buffered));
    EXPECT_NE(std::string(m_state->calls).find("IPT_Rotate"), std::string::npos)
        << "the next page was processed: " << m_state->calls;
    EXPECT_EQ(m_state->liveImages, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LibraryFailsMidPage,
    ::testing::Values(ImagingCase{"IPT_Rotate", IPT_BAD_PARAMETER, false, false},
                      ImagingCase{"IPT_Rotate", IPT_OUT_OF_MEMORY, true, true},
                      ImagingCase{"IPT_CreateImageFromMemory", IPT_OUT_OF_MEMORY, false, true},
                      ImagingCase{"IPT_GetProperties", IPT_UNSUPPORTED, true, false},
                      ImagingCase{"IPT_SaveImageToMemory", IPT_BAD_PARAMETER, false, true}));

} // namespace
