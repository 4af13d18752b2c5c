// The checks before a scan (paper prompts, calibration), the scanner's
// readiness, the resolution list from the device, and the scan error texts.
#include <windows.h>

#include "MessageBoxRecorder.h"
#include "common/text/DsLanguage.h"
#include "ScannerFixture.h"
#include "device/DriverLink.h"
#include "device/ResolutionList.h"
#include "device/ScanErrorText.h"
#include "device/ScannerChecks.h"
#include "device/UvLamp.h"

namespace {

class ScannerChecksTest : public ScannerTest {
protected:
    void TearDown() override
    {
        SetRequiredCalibrationStep(nullptr);
        ResetResolutionList();
        ScannerTest::TearDown();
    }
};

const char kInsert[] = "Please insert the item to be scanned into the scanner now.";
const char kNotDetected[] = "The paper was not detected. Continue anyway?";

TEST_F(ScannerChecksTest, PaperPresentGoesOnWithoutAsking)
{
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_TRUE(IsPaperPresent());
    EXPECT_TRUE(CheckBeforeScan(nullptr));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ScannerChecksTest, NoPaperAsksTwiceAndOnlyYesGoesOn)
{
    Sim("Feeder", "Pages", "");
    EXPECT_FALSE(IsPaperPresent());
    {
        MessageBoxRecorder boxes;
        boxes.Answer(IDOK);
        boxes.Answer(IDYES);
        EXPECT_TRUE(CheckBeforeScan(nullptr));
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
        EXPECT_EQ(boxes.Boxes()[0].text, kInsert);
        EXPECT_EQ(boxes.Boxes()[1].text, kNotDetected);
    }
    {
        MessageBoxRecorder boxes;
        boxes.Answer(IDOK);
        boxes.Answer(IDNO);
        EXPECT_FALSE(CheckBeforeScan(nullptr));
        EXPECT_EQ(boxes.Boxes().size(), 2u);
    }
    {
        MessageBoxRecorder boxes;
        boxes.Answer(IDCANCEL);
        EXPECT_FALSE(CheckBeforeScan(nullptr));
        EXPECT_EQ(boxes.Boxes().size(), 1u) << "Cancel on the first prompt ends the checks";
    }
}

bool g_calibrationRan = false;
bool FailingCalibration(HWND)
{
    g_calibrationRan = true;
    return false;
}

TEST_F(ScannerChecksTest, RequiredCalibrationRunsFirstAndItsFailureStopsTheScan)
{
    EXPECT_FALSE(IsCalibrationRequired());
    Sim("Device", "Calibrated", "0");
    EXPECT_TRUE(IsCalibrationRequired());
    SetRequiredCalibrationStep(&FailingCalibration);
    Sim("Feeder", "Pages", "");
    MessageBoxRecorder boxes(IDOK);
    g_calibrationRan = false;
    EXPECT_FALSE(CheckBeforeScan(nullptr));
    EXPECT_TRUE(g_calibrationRan);
    EXPECT_TRUE(boxes.Boxes().empty()) << "no paper prompt after a failed calibration";
}

TEST_F(ScannerChecksTest, ReadinessFromTheScannerStatus)
{
    EXPECT_EQ(IsScannerReady(), 1);
    EXPECT_TRUE(WaitScannerReady());
    Sim("Faults", "ScannerStatus", "3");
    EXPECT_EQ(IsScannerReady(), 3);
    DWORD start = GetTickCount();
    EXPECT_FALSE(WaitScannerReady());
    EXPECT_LT(GetTickCount() - start, 150u) << "only a busy scanner is waited for";
    Sim("Faults", "ScannerStatus", "7");
    EXPECT_EQ(IsScannerReady(), 0);
    Sim("Faults", "ScannerStatus", "2");
    start = GetTickCount();
    EXPECT_FALSE(WaitScannerReady());
    EXPECT_GE(GetTickCount() - start, 1900u) << "10 polls 200 ms apart";
    Sim("Faults", "ScannerStatus", "0");
    Sim("Faults", "ScannerStatusResult", "0xA01");
    EXPECT_EQ(IsScannerReady(), 0);
    Sim("Faults", "PaperStatusResult", "0xA09");
    EXPECT_FALSE(IsPaperPresent());
}

TEST_F(ScannerChecksTest, ResolutionListComesFromTheDevice)
{
    Sim("Device", "Resolutions", "100,200,400,800,1200");
    ASSERT_TRUE(ReadResolutionList());
    ASSERT_EQ(ResolutionCount(), 5);
    EXPECT_EQ(ResolutionAt(0), 100);
    EXPECT_EQ(ResolutionAt(4), 1200);
    Sim("Device", "Resolutions", "50,75,100,150,200,250,300,400,600,800,1200,1600");
    ASSERT_TRUE(ReadResolutionList());
    EXPECT_EQ(ResolutionCount(), 12);
}

TEST_F(ScannerChecksTest, UvLampAbsentIsRememberedAndNeverSwitched)
{
    EXPECT_TRUE(IsUvLampPresent());
    SwitchUvLampOn(500);
    EXPECT_TRUE(IsUvLampOn());
    EXPECT_EQ(DeviceValue(46), 500);
    SwitchUvLampOn(50000);
    EXPECT_EQ(DeviceValue(46), 10000) << "limited to the device's range";
    ForgetUvLampPresence();
    Sim("Device", "UvLamp", "0");
    EXPECT_FALSE(IsUvLampPresent());
    EXPECT_FALSE(IsUvLampOn());
    Sim("Device", "UvLamp", "1");
    EXPECT_FALSE(IsUvLampPresent()) << "asked once per process";
}

// A read that failed because the interface was closed says nothing about the
// lamp: it is asked again once the scanner answers.
TEST_F(ScannerChecksTest, UvLampIsNotJudgedWhileTheInterfaceIsClosed)
{
    ForgetUvLampPresence();
    TheScanner().SI_CloseInterface();
    EXPECT_FALSE(IsUvLampPresent());
    ASSERT_EQ(TheScanner().OpenInterface("Tarvex380"), 0);
    EXPECT_TRUE(IsUvLampPresent());
}

TEST(ScanErrorText, MessagesForEveryStatus)
{
    tx::g_languageId = tx::kLangEnglish;
    EXPECT_EQ(ScanErrorText(1),
              "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
              "Please check the hardware connections and try again.");
    EXPECT_EQ(ScanErrorText(2), "Scan aborted by user.");
    EXPECT_EQ(ScanErrorText(8), "Scan aborted because the document ended before any image was captured.");
    EXPECT_EQ(ScanErrorText(3), "Scan aborted because a file access or read/write error occurred.");
    EXPECT_EQ(ScanErrorText(4), "Scan aborted because not enough memory is available.");
    EXPECT_EQ(ScanErrorText(7), "Image processing library error.");
    EXPECT_EQ(ScanErrorText(6), "Inscrutible error");
    EXPECT_EQ(ScanErrorText(0), "Inscrutible error");
}

} // namespace
