// The action capabilities against the simulated scanner: calibration and
// cleaning with their dialogs (answered by the message-box hook) or without
// windows, the offline message, and the prefeed.
#include <gtest/gtest.h>

#include "CapClient.h"
#include "MessageBoxRecorder.h"
#include "caps/CustomCaps.h"
#include "ui/resource.h"

namespace {

const char kOfflineText[] =
    "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
    "Please check the hardware connections and try again.";

class ActionCaps : public CapTest {
protected:
    void SetUp() override
    {
        CapTest::SetUp();
        ASSERT_TRUE(m_sim.Set("Device", "Calibrated", "0"));
        ASSERT_TRUE(c.Open());
    }
    void Quiet() { ASSERT_EQ(c.SetOne(CAP_INDICATORS, TWTY_BOOL, 0), TWRC_SUCCESS); }
    void Offline() { ASSERT_TRUE(m_sim.Set("Faults", "ScannerStatus", "3")); }
    CapClient c{true};
};

TEST_F(ActionCaps, CalibrateWithIndicatorsShowsTheRequiredDialogAndTheResult)
{
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDC_CALIBRATE);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CALIBRATION_REQUIRED_TEXT));
    EXPECT_FALSE(boxes.Boxes()[0].Shows(IDC_CLEAN));
    EXPECT_EQ(boxes.Boxes()[1].text, "Calibration was successful.\n");
    Container needs;
    c.Ask(CUSTCAP_NEEDSCALIBRATION, MSG_GETCURRENT, &needs);
    EXPECT_EQ(needs.value, 0u);
}

TEST_F(ActionCaps, CalibrateWithIndicatorsFailedOrCancelled)
{
    ASSERT_TRUE(m_sim.Set("Calibration", "Result", "5"));
    {
        MessageBoxRecorder boxes;
        boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
        boxes.Answer(IDC_CALIBRATE);
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BUMMER, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_EQ(boxes.Boxes()[1].text.rfind("The calibration process has failed.", 0), 0u);
    }
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDCANCEL);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BUMMER, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("Calibrations"), 1) << "the cancelled choice sent nothing";
}

TEST_F(ActionCaps, CalibrateOfflineShowsTheMessageWithoutOwner)
{
    Offline();
    MessageBoxRecorder boxes;
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BUMMER, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_EQ(boxes.Boxes()[0].text, kOfflineText);
    EXPECT_FALSE(boxes.Boxes()[0].owned);
    EXPECT_EQ(m_sim.Status("Calibrations"), 0);
}

TEST_F(ActionCaps, CalibrateWithoutIndicatorsAnswersTheLibrarysResult)
{
    Quiet();
    MessageBoxRecorder boxes;
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
    ASSERT_TRUE(m_sim.Set("Calibration", "Result", "2112"));
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BUMMER, c.SetEnum(CUSTCAP_CALIBRATE, TWTY_BOOL, {0, 1}, 1));
    ASSERT_TRUE(m_sim.Set("Calibration", "Result", "18"));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BUMMER, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("Calibrations"), 3);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 0));
    EXPECT_EQ(m_sim.Status("Calibrations"), 3) << "FALSE does nothing";
    Offline();
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BUMMER, c.SetOne(CUSTCAP_CALIBRATE, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("Calibrations"), 3);
    EXPECT_TRUE(boxes.Boxes().empty()) << "no windows at all";
}

TEST_F(ActionCaps, CleanWithAndWithoutIndicators)
{
    {
        MessageBoxRecorder boxes;
        boxes.AlsoAnswerDialogsWith(IDC_CLEAN);
        boxes.Answer(IDC_CLEAN);
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_CLEAN, TWTY_BOOL, 1));
        ASSERT_EQ(boxes.Boxes().size(), 1u) << "no message after a cleaning";
        EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CLEANING_PAPER_TEXT));
        EXPECT_FALSE(boxes.Boxes()[0].Shows(IDC_CALIBRATE));
        EXPECT_EQ(m_sim.Status("Cleanings"), 1);
    }
    {
        MessageBoxRecorder boxes;
        boxes.AlsoAnswerDialogsWith(IDC_CLEAN);
        boxes.Answer(IDCANCEL);
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BUMMER, c.SetOne(CUSTCAP_CLEAN, TWTY_BOOL, 1));
    }
    Quiet();
    ASSERT_TRUE(m_sim.Set("Cleaning", "Result", "9"));
    MessageBoxRecorder boxes;
    {
        SCOPED_TRACE("result ignored");
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_CLEAN, TWTY_BOOL, 1));
    }
    EXPECT_EQ(m_sim.Status("Cleanings"), 2);
    Offline();
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_CLEAN, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("Cleanings"), 2);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ActionCaps, CleanOfflineWithIndicatorsShowsTheMessage)
{
    Offline();
    MessageBoxRecorder boxes;
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BUMMER, c.SetOne(CUSTCAP_CLEAN, TWTY_BOOL, 1));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, kOfflineText);
}

TEST_F(ActionCaps, PrefeedFeedsOnlineAndAlwaysSucceeds)
{
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_PREFEED, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("Feeds"), 1);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_PREFEED, TWTY_BOOL, 0));
    Offline();
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_PREFEED, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("Feeds"), 1) << "offline: nothing fed";
}

} // namespace
