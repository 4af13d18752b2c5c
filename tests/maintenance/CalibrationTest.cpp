// Calibration and cleaning with their real dialogs under the virtual display:
// the choice dialog and the message boxes are answered by a hook, the task
// progress dialog runs the library call on its worker thread.
#include <gtest/gtest.h>

#include <windows.h>

#include "MessageBoxRecorder.h"
#include "device/Calibration.h"
#include "device/DriverLink.h"
#include "device/ScannerChecks.h"
#include "SimulatedScanner.h"
#include "ui/resource.h"

namespace {

class CalibrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Loaded());
        Set("Device", "BusyAfterCalibrateMs", "0");
        Set("Device", "Calibrated", "0");
        ASSERT_TRUE(TheScanner().Bind(m_sim.Module()));
        ASSERT_EQ(TheScanner().OpenInterface("Tarvex380"), 0);
    }
    void TearDown() override
    {
        TheScanner().SI_CloseInterface();
        TheScanner().Unload();
    }
    void Set(const char* section, const char* key, const char* value) { ASSERT_TRUE(m_sim.Set(section, key, value)); }

    SimulatedScanner m_sim;
};

TEST_F(CalibrationTest, RequiredCalibrationRunsAndReportsSuccess)
{
    ASSERT_TRUE(IsCalibrationRequired());
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDC_CALIBRATE);
    EXPECT_TRUE(CalibrateOrClean(nullptr, kCalibrationRequired, false));
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    const RecordedBox& dialog = boxes.Boxes()[0];
    EXPECT_EQ(dialog.caption, "Calibration Page");
    EXPECT_TRUE(dialog.Shows(IDC_CALIBRATION_REQUIRED_TEXT));
    EXPECT_TRUE(dialog.Shows(IDC_CALIBRATION_PAPER_TEXT));
    EXPECT_FALSE(dialog.Shows(IDC_CLEANING_PAPER_TEXT));
    EXPECT_FALSE(dialog.Shows(IDC_CLEAN));
    EXPECT_EQ(boxes.Boxes()[1].text, "Calibration was successful.\n");
    EXPECT_FALSE(IsCalibrationRequired());
}

TEST_F(CalibrationTest, CancelledChoiceStopsTheScanBeforeAnything)
{
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDCANCEL);
    EXPECT_FALSE(CheckBeforeScan(nullptr));
    ASSERT_EQ(boxes.Boxes().size(), 1u) << "no paper prompt after the cancelled calibration";
    EXPECT_TRUE(IsCalibrationRequired());
}

TEST_F(CalibrationTest, WithoutPaperThePromptThenTheDialogAgainThenNo)
{
    Set("Feeder", "Pages", "");
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDC_CALIBRATE); // choice
    boxes.Answer(IDOK);          // insert the calibration paper
    boxes.Answer(IDC_CALIBRATE); // choice again
    boxes.Answer(IDNO);          // paper not detected: continue?
    EXPECT_FALSE(CalibrateOrClean(nullptr, kCalibrationChoice, true));
    ASSERT_EQ(boxes.Boxes().size(), 4u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CLEAN));
    EXPECT_EQ(boxes.Boxes()[1].text.rfind("Please insert the black and white calibration paper", 0), 0u);
    EXPECT_EQ(boxes.Boxes()[3].text, "The paper was not detected. Continue anyway?");
    EXPECT_TRUE(IsCalibrationRequired()) << "nothing was sent to the scanner";
}

TEST_F(CalibrationTest, CleaningCancelledInTheProgressDialogStillCountsAsDone)
{
    Set("Cleaning", "DurationMs", "3000");
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CLEAN);
    boxes.AlsoAnswerDialogsWith(IDC_PROGRESS_BAR);
    boxes.Answer(IDC_CLEAN);
    boxes.Answer(IDCANCEL); // the task progress dialog
    const DWORD start = GetTickCount();
    EXPECT_TRUE(CalibrateOrClean(nullptr, kCleaningOnly, true));
    EXPECT_LT(GetTickCount() - start, 2500u) << "the cancel reached the library through the callback";
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CLEANING_PAPER_TEXT));
    EXPECT_FALSE(boxes.Boxes()[0].Shows(IDC_CALIBRATE));
    EXPECT_EQ(boxes.Boxes()[1].caption, "Cleaning...");
}

TEST_F(CalibrationTest, ResultsAndTheirMessages)
{
    struct { const char* result; bool ok; const char* message; } cases[] = {
        {"0x840", true, "White-only calibration was successful."},
        {"18", false, "Scan aborted because a file access or read/write error occurred."},
        {"0xA01", false, "The calibration process has failed."},
    };
    for (const auto& c : cases) {
        Set("Calibration", "Result", c.result);
        MessageBoxRecorder boxes;
        boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
        boxes.Answer(IDC_CALIBRATE);
        EXPECT_EQ(CalibrateOrClean(nullptr, kCalibrationChoice, false), c.ok) << c.result;
        ASSERT_EQ(boxes.Boxes().size(), 2u) << c.result;
        EXPECT_EQ(boxes.Boxes()[1].text.rfind(c.message, 0), 0u) << boxes.Boxes()[1].text;
    }
    EXPECT_EQ(InterpretCalibrationResult(SI_CANCELLED).message, nullptr);
    EXPECT_FALSE(InterpretCalibrationResult(SI_CANCELLED).succeeded);
}

TEST_F(CalibrationTest, WithoutDialogsOnlyWhenReady)
{
    EXPECT_TRUE(CalibrateWithoutDialogs());
    EXPECT_FALSE(IsCalibrationRequired());
    EXPECT_TRUE(CleanWithoutDialogs());
    Set("Faults", "ScannerStatus", "3");
    EXPECT_FALSE(CalibrateWithoutDialogs());
    EXPECT_FALSE(CleanWithoutDialogs());
}

} // namespace
