// The scanner as the session meets it before a page: open results at
// MSG_OPENDS and again at enable, a busy or not-ready scanner, a calibration
// that fails (required before the scan, or asked for through its
// capability). Each ends with its code and box, in state 4 where the enable
// failed, and the next page scans once the scanner is well.
#include <gtest/gtest.h>

#include <windows.h>

#include "FaultFixture.h"
#include "caps/CustomCaps.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "ui/resource.h"

namespace {

class ConnectionFaults : public FaultTest {
protected:
    TW_UINT16 SetBool(TW_UINT16 cap, bool value)
    {
        HGLOBAL block = GlobalAlloc(GHND, sizeof(TW_ONEVALUE));
        auto* one = static_cast<TW_ONEVALUE*>(GlobalLock(block));
        one->ItemType = TWTY_BOOL;
        one->Item = value ? 1 : 0;
        GlobalUnlock(block);
        TW_CAPABILITY capability{cap, TWON_ONEVALUE, block};
        const TW_UINT16 rc = app.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &capability);
        GlobalFree(block);
        return rc;
    }
    // An enable that fails with the not-connected box and stays in state 4.
    void ExpectEnableRefused()
    {
        MessageBoxRecorder boxes;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Enable());
        ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Disable());
        EXPECT_EQ(Count(MSG_XFERREADY), 0);
    }
};

class OpenResultAtOpen : public ConnectionFaults, public ::testing::WithParamInterface<const char*> {};

TEST_P(OpenResultAtOpen, OpensTheSessionThenRefusesTheEnableUntilTheScannerAnswers)
{
    Sim("Device", "OpenResult", GetParam());
    {
        MessageBoxRecorder boxes;
        EXPECT_TWAIN(app, TWRC_SUCCESS, TWCC_SUCCESS, Open());
        EXPECT_TRUE(boxes.Boxes().empty()) << "no box at the open for " << GetParam();
    }
    EXPECT_EQ(sim.Status("Open"), 0);
    ExpectEnableRefused();
    Sim("Device", "OpenResult", "0");
    ExpectPageScans();
    EXPECT_NOTHING_LEFT(Leftovers());
}

// 11 is the known USB device without its driver: there is no such device on
// this machine, so nothing is repaired and nothing is shown.
INSTANTIATE_TEST_SUITE_P(EachCode, OpenResultAtOpen, ::testing::Values("1", "10", "11", "15", "2048"));

TEST_F(ConnectionFaults, ReconnectPromptAtTheEnableThenThePageScans)
{
    // Closed at the open; at the enable the reopen meets the connection fault
    // that unplugging clears, and the repair opens it.
    Sim("Device", "OpenResult", "10,22,0");
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    Apply(Page());
    MessageBoxRecorder boxes;
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << Describe();
    ExpectOneBox(boxes, tx::dstext::kTxtConnectionRepaired);
    EXPECT_FALSE(boxes.Boxes()[0].owned);
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << Describe();
    EXPECT_EQ(FromDibHandle(dib).length, 900u);
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
}

TEST_F(ConnectionFaults, AnOpenResultThatPersistsAtEveryEnable)
{
    Sim("Device", "OpenResult", "0,15");
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    EXPECT_EQ(sim.Status("Open"), 1);
    // The scanner went away between the open and the enable.
    Sim("Faults", "ScannerStatusResult", "0xA01");
    ExpectEnableRefused();
    ExpectEnableRefused();
    Sim("Faults", "ScannerStatusResult", "0");
    Sim("Device", "OpenResult", "0");
    ExpectPageScans();
}

class NotReady : public ConnectionFaults, public ::testing::WithParamInterface<const char*> {};

TEST_P(NotReady, TheEnableWaitsThenFailsWithTheScannerMessageOverTheApplication)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    Apply(Page());
    Sim("Faults", "ScannerStatus", GetParam());
    MessageBoxRecorder boxes;
    const DWORD started = GetTickCount();
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Enable());
    const DWORD waited = GetTickCount() - started;
    ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
    EXPECT_TRUE(boxes.Boxes()[0].owned) << "the box of a failed acquisition has the application's window";
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Disable());
    EXPECT_EQ(sim.Status("Scanning"), 0);
    if (std::string(GetParam()) == "2") {
        EXPECT_GE(waited, 1500u) << "a busy scanner is given two seconds";
    }
    Sim("Faults", "ScannerStatus", "0");
    ExpectPageScans();
}

// 2 busy, 3 not ready, 7 a status the source does not know.
INSTANTIATE_TEST_SUITE_P(EachStatus, NotReady, ::testing::Values("2", "3", "7"));

TEST_F(ConnectionFaults, AScannerStillBusyFromThePageBeforeIsWaitedFor)
{
    Sim("Device", "BusyAfterScanMs", "700");
    Start();
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << Describe();
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    ExpectPageScans();
}

class CalibrationFaults : public ConnectionFaults {
protected:
    void SetUp() override
    {
        ConnectionFaults::SetUp();
        Sim("Device", "Calibrated", "0");
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        Apply(Page());
    }
};

TEST_F(CalibrationFaults, ARequiredCalibrationThatFailsRefusesTheEnable)
{
    const struct {
        const char* result;
        const tx::TextTable& text;
    } results[] = {{"0xA0A", tx::dstext::kTxtCalibrationFailed}, {"18", tx::dstext::kTxtScanFileError}};
    int calibrations = 0;
    for (const auto& r : results) {
        SCOPED_TRACE(r.result);
        Sim("Calibration", "Result", r.result);
        MessageBoxRecorder boxes;
        boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
        boxes.Answer(IDC_CALIBRATE);
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Enable());
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CALIBRATION_REQUIRED_TEXT));
        EXPECT_EQ(boxes.Boxes()[1].text, tx::DsText(r.text));
        EXPECT_EQ(sim.Status("Calibrations"), ++calibrations);
        EXPECT_EQ(sim.Status("Calibrated"), 0);
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Disable());
        EXPECT_EQ(Count(MSG_XFERREADY), 0);
    }
    // A good calibration, then the page.
    Sim("Calibration", "Result", "0");
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDC_CALIBRATE);
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << Describe();
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, tx::DsText(tx::dstext::kTxtCalibrationSuccessful));
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << Describe();
    EXPECT_EQ(FromDibHandle(dib).length, 900u);
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    ExpectPageScans();   // calibrated now: no dialog
}

TEST_F(CalibrationFaults, AFailedCalibrationThroughTheCapabilityLeavesTheScannerAsItWas)
{
    Sim("Device", "Calibrated", "1");
    Sim("Device", "BusyAfterCalibrateMs", "0");
    Sim("Calibration", "Result", "0xA0A");
    {
        MessageBoxRecorder boxes;
        boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
        boxes.Answer(IDC_CALIBRATE);
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_BUMMER, SetBool(CUSTCAP_CALIBRATE, true));
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_EQ(boxes.Boxes()[1].text, tx::DsText(tx::dstext::kTxtCalibrationFailed));
    }
    ASSERT_EQ(SetBool(CAP_INDICATORS, false), TWRC_SUCCESS);
    {
        MessageBoxRecorder boxes;
        Sim("Calibration", "Result", "18");
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_BUMMER, SetBool(CUSTCAP_CALIBRATE, true));
        EXPECT_TRUE(boxes.Boxes().empty()) << "without indicators the code says it all";
        Sim("Faults", "ScannerStatus", "2");
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_BUMMER, SetBool(CUSTCAP_CALIBRATE, true));
        EXPECT_TRUE(boxes.Boxes().empty());
        Sim("Faults", "ScannerStatus", "0");
    }
    EXPECT_EQ(sim.Status("Calibrations"), 2) << "the busy scanner was not asked";
    ExpectPageScans();
}

} // namespace
