// Continuous scanning: after each page the continue-scan dialog waits for the
// next document; it ends by itself when paper arrives, and the scan ends with
// Finish or when the time is up. Applications that must not scan
// continuously never see the dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "DialogDriver.h"
#include "SourceHarness.h"
#include "XferFixture.h"
#include "caps/CapValues.h"
#include "session/DataSourceApp.h"
#include "session/Router.h"
#include "ui/resource.h"

namespace {

const char kThreeSheets[] = "samples\\01-letter.png;samples\\01-letter.png;samples\\01-letter.png";

class Continuous : public XferTest {
protected:
    explicit Continuous(const char* product = "Harness App") : XferTest(product) {}
    void StartContinuous(const char* pages)
    {
        UsePages(pages, false);
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        ScanSettings s = Settings();
        s.ContinuousScan = 1;
        Apply(s);
        ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    }
    void TransferOne()
    {
        TW_HANDLE dib = nullptr;
        ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        GlobalFree(dib);
    }
    // Transfers the sheets in the feeder; each end of page but the last
    // continues by itself once the next sheet is detected.
    void TransferSheets(int sheets)
    {
        EXPECT_EQ(Pending(MSG_GET), -1);
        for (int i = 0; i < sheets - 1; ++i) {
            TransferOne();
            const DWORD start = GetTickCount();
            EXPECT_EQ(Pending(MSG_ENDXFER), -1) << "sheet " << i;
            EXPECT_LT(GetTickCount() - start, 3000u) << "paper in the slot ends the wait at once";
        }
        TransferOne();
    }
};

TEST_F(Continuous, ThreeSheetsEndedByFinish)
{
    StartContinuous(kThreeSheets);
    TransferSheets(3);
    DialogDriver finish(IDC_CONTINUE_TEXT, [this](HWND dialog) {
        if (sim.Status("PaperPresent") != 0) return false;
        DialogDriver::Press(dialog, IDCANCEL);
        return true;
    });
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(finish.Acted(), 1);
    app.PumpEvents(300);
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 1);
    EXPECT_EQ(Count(MSG_XFERREADY), 1) << "further pages come without a new MSG_XFERREADY";
}

TEST_F(Continuous, ThreeSheetsEndedByTheTimeOut)
{
    StartContinuous(kThreeSheets);
    TransferSheets(3);
    int lowest = 99;
    DialogDriver watch(IDC_CONTINUE_COUNTDOWN, [&lowest](HWND dialog) {
        char text[64] = {};
        GetDlgItemTextA(dialog, IDC_CONTINUE_COUNTDOWN, text, sizeof text);
        lowest = std::min(lowest, atoi(text));
        return false;
    }, 200);
    const DWORD start = GetTickCount();
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 14000u);
    EXPECT_LT(waited, 17500u);
    EXPECT_LE(lowest, 1);
}

TEST_F(Continuous, PaperArrivingDuringTheCountdownContinues)
{
    StartContinuous("samples\\01-letter.png");
    TransferOne();
    int ticks = 0;
    DialogDriver insert(IDC_CONTINUE_TEXT, [this, &ticks](HWND) {
        if (++ticks != 10) return false;   // about half a second into the wait
        return sim.Set("Feeder", "Pages", "samples\\01-letter.png");
    });
    EXPECT_EQ(Pending(MSG_ENDXFER), -1);
    EXPECT_EQ(insert.Acted(), 1);
    TransferOne();
}

class QuillexApplication : public Continuous {
protected:
    QuillexApplication() : Continuous("Quillex Capture") {}
};

TEST_F(QuillexApplication, NeverScansContinuously)
{
    StartContinuous(kThreeSheets);
    EXPECT_EQ(Pending(MSG_GET), 1);
    TransferOne();
    int dialogs = 0;
    DialogDriver seen(IDC_CONTINUE_TEXT, [&dialogs](HWND dialog) {
        ++dialogs;
        DialogDriver::Press(dialog, IDCANCEL);
        return true;
    });
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(dialogs, 0);
}

// With CAP_XFERCOUNT 1 the settings' continuous scanning is switched off when
// the acquisition starts (the source's own operations, in this process).
TEST(ContinuousInProcess, TransferCountOneSwitchesContinuousScanningOff)
{
    SimulatedScanner sim;
    sim.Set("Device", "BusyAfterScanMs", "0");
    TW_IDENTITY origin{};
    std::strcpy(origin.ProductName, "Harness App");
    TW_ENTRYPOINT ep = SourceHarness::ManagerEntryPoints();
    ASSERT_EQ(Dispatch(&origin, DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &ep), TWRC_SUCCESS);
    TW_IDENTITY ds{};
    ASSERT_EQ(Dispatch(&origin, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    TheApp().m_settings.ContinuousScan = 1;
    TheCapValues().transferCount = 1;
    TW_USERINTERFACE ui{FALSE, FALSE, nullptr};
    ASSERT_EQ(Dispatch(&origin, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui), TWRC_SUCCESS);
    EXPECT_EQ(TheApp().m_settings.ContinuousScan, 0);
    EXPECT_EQ(TheApp().m_pendingXfers, 1);
    EXPECT_EQ(TheApp().m_twainState, kStateXferReady);
    TW_PENDINGXFERS pending{};
    EXPECT_EQ(Dispatch(&origin, DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending), TWRC_SUCCESS);
    EXPECT_EQ(Dispatch(&origin, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui), TWRC_SUCCESS);
    EXPECT_EQ(Dispatch(&origin, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);

    // With the count back at -1 the settings' continuous scanning stands.
    ASSERT_EQ(Dispatch(&origin, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    TheApp().m_settings.ContinuousScan = 1;
    ASSERT_EQ(Dispatch(&origin, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui), TWRC_SUCCESS);
    EXPECT_EQ(TheApp().m_pendingXfers, -1);
    EXPECT_EQ(Dispatch(&origin, DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending), TWRC_SUCCESS);
    EXPECT_EQ(Dispatch(&origin, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    SourceHarness::ClearRecords();
}

} // namespace
