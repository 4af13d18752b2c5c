// Calibrate and Clean against the simulated scanner, with the confirmation
// dialog and the message boxes answered by the hook; and the driver binding
// of Scanner and SIScanner.
#include <gtest/gtest.h>

#include <windows.h>

#include "MessageBoxRecorder.h"
#include "SimulatedScanner.h"
#include "WIAUI/MaintenanceFlows.h"
#include "WIAUI/Scanner.h"
#include "WIAUI/resource.h"

using namespace tx::wiaui;

namespace {

const char kNotConnected[] =
    "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
    "Please check the hardware connections and try again.";

class FlowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Loaded());
        Set("Device", "BusyAfterCalibrateMs", "0");
        m_boxes.AlsoAnswerDialogsWith(IDC_CONFIRM_TEXT);
    }
    void TearDown() override { SetDriverLibraryName(nullptr); }
    void Set(const char* section, const char* key, const char* value) { ASSERT_TRUE(m_sim.Set(section, key, value)); }
    const std::vector<RecordedBox>& Boxes() const { return m_boxes.Boxes(); }

    SimulatedScanner m_sim;
    MessageBoxRecorder m_boxes{IDCANCEL};
};

TEST_F(FlowsTest, CalibrationSucceeds)
{
    Set("Device", "Calibrated", "0");
    m_boxes.Answer(IDOK);
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCalibrateFlow(nullptr), S_OK);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].caption, "Calibrate");
    EXPECT_TRUE(Boxes()[0].Shows(IDC_CONFIRM_TEXT));
    EXPECT_EQ(Boxes()[1].caption, "Calibrate");
    EXPECT_EQ(Boxes()[1].text, "Calibration was successful.\n");
    EXPECT_EQ(m_sim.Status("Calibrated"), 1);
    EXPECT_EQ(m_sim.Status("Open"), 0) << "the interface is closed again";
}

TEST_F(FlowsTest, WithoutPaperTheDialogComesAgain)
{
    Set("Feeder", "Pages", "");
    m_boxes.Answer(IDOK);      // no paper: asked again
    m_boxes.Answer(IDOK);      // still none: asked again
    m_boxes.Answer(IDCANCEL);  // the user gives up
    EXPECT_EQ(RunCalibrateFlow(nullptr), S_OK) << "declining is no failure";
    ASSERT_EQ(Boxes().size(), 3u);
    for (const RecordedBox& b : Boxes()) EXPECT_TRUE(b.Shows(IDC_CONFIRM_TEXT));
    EXPECT_EQ(m_sim.Status("Calibrations"), 0);
}

TEST_F(FlowsTest, WhiteOnlyCalibrationCountsAsFailureHere)
{
    Set("Calibration", "Result", "0x840");
    m_boxes.Answer(IDOK);
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCalibrateFlow(nullptr), E_FAIL);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text.rfind("The calibration process has failed.", 0), 0u) << Boxes()[1].text;
}

TEST_F(FlowsTest, CleaningShowsNoResult)
{
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCleanFlow(nullptr), S_OK);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "Clean");
    EXPECT_EQ(m_sim.Status("Cleanings"), 1);

    Set("Cleaning", "Result", "0xA05");
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCleanFlow(nullptr), E_FAIL);
    EXPECT_EQ(Boxes().size(), 2u) << "no message after a failed cleaning either";
}

TEST_F(FlowsTest, MissingLibraryOrUnpluggedScannerShowsNotConnected)
{
    SetDriverLibraryName("TX380_ABSENT.dll");
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCalibrateFlow(nullptr), E_FAIL);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kNotConnected);
    EXPECT_EQ(Boxes()[0].caption, "Calibrate");

    SetDriverLibraryName(nullptr);
    Set("Device", "OpenResult", "14");
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCleanFlow(nullptr), E_FAIL);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, kNotConnected);
    EXPECT_EQ(Boxes()[1].caption, "Clean");
}

TEST_F(FlowsTest, PaperStatusFailureEndsWithoutMessage)
{
    Set("Faults", "PaperStatusResult", "0xA05");
    m_boxes.Answer(IDOK);
    EXPECT_EQ(RunCalibrateFlow(nullptr), E_FAIL);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(m_sim.Status("Calibrations"), 0);
}

TEST(ScannerBinding, OpensBindsAndPassesCallsOn)
{
    SimulatedScanner sim;
    Scanner scanner;
    int status = 0;
    EXPECT_EQ(scanner.GetPaperStatus(&status), kNoScannerLibrary);
    EXPECT_EQ(scanner.Calibrate(0, nullptr), kNoScannerLibrary);
    EXPECT_FALSE(scanner.Open("TX380_ABSENT.dll"));
    EXPECT_FALSE(scanner.IsOpen());
    EXPECT_FALSE(scanner.Open("kernel32.dll")) << "a library without the SI_ functions";
    EXPECT_FALSE(scanner.IsOpen());
    EXPECT_TRUE(scanner.Open("tx_partial_driver.dll")) << "SI_UserData is not needed";
    scanner.Close();
    ASSERT_TRUE(scanner.Open("TARVX380.dll"));
    EXPECT_EQ(scanner.LibraryName(), "TARVX380.dll");
    EXPECT_EQ(scanner.OpenInterface("Tarvex380"), 0);
    EXPECT_EQ(scanner.GetScannerStatus(&status), 0);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(scanner.GetPaperStatus(&status), 0);
    EXPECT_EQ(status, 1);
    char text[256] = {};
    EXPECT_EQ(scanner.GetLastErrorText(text), 0);
    EXPECT_EQ(scanner.CloseInterface(), 0);
    EXPECT_FALSE(scanner.Open("TX380_ABSENT.dll")) << "another name closes the first library";
    EXPECT_FALSE(scanner.IsOpen());
    EXPECT_EQ(scanner.Feed(), kNoScannerLibrary);
}

}  // namespace
