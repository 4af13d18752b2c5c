// What the scanner can do wrong while a page is read: deliver nothing for a
// while or at all, fail at a chosen row (whatever the code), or go away in
// the middle of the page. Every mechanism, with and without the page being
// buffered in a temporary file first.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FaultFixture.h"
#include "common/text/DsTexts.h"

namespace {

enum class Mechanism { Native, Memory, Bmp, Tiff };

const char* Name(Mechanism m)
{
    switch (m) {
    case Mechanism::Native: return "Native";
    case Mechanism::Memory: return "Memory";
    case Mechanism::Bmp: return "Bmp";
    case Mechanism::Tiff: return "Tiff";
    }
    return "?";
}

class DeviceFaults : public FaultTest {
protected:
    // One page by the mechanism; a file goes into `folder`. For memory,
    // `rows` receives the rows delivered before the answer; strips are of the
    // preferred size, or of `stripBytes` (once in state 7, where the sizes
    // can no longer be asked).
    TW_UINT16 Transfer(Mechanism m, const TempFolder& folder, int* rows = nullptr, uint32_t stripBytes = 0)
    {
        switch (m) {
        case Mechanism::Native: {
            TW_HANDLE dib = reinterpret_cast<TW_HANDLE>(1);
            const TW_UINT16 rc = Native(&dib);
            EXPECT_EQ(rc == TWRC_XFERDONE, dib != nullptr) << "a handle exactly when the page came";
            if (dib) GlobalFree(dib);
            return rc;
        }
        case Mechanism::Memory: {
            PageRows page;
            const TW_UINT16 rc = Memory(&page, stripBytes);
            if (rows) *rows = static_cast<int>(page.length);
            return rc;
        }
        case Mechanism::Bmp: return FileXfer(folder.File("page.bmp"), TWFF_BMP);
        case Mechanism::Tiff: return FileXfer(folder.File("page.tif"), TWFF_TIFF);
        }
        return TWRC_FAILURE;
    }
};

TEST_F(DeviceFaults, AScannerSlowToStartStillDeliversTheWholePage)
{
    Sim("Faults", "NoDataReads", "6");
    Start();
    MessageBoxRecorder boxes;
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << Describe();
    EXPECT_EQ(FromDibHandle(dib).length, 900u);
    GlobalFree(dib);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(DeviceFaults, NoDataAtAllEndsThePageAsAScannerFault)
{
    Sim("Faults", "NoDataReads", "-1");
    Start();
    const int sheetsOut = sim.Status("SheetsOut");
    MessageBoxRecorder boxes;
    PageRows page;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Memory(&page));
    EXPECT_EQ(page.length, 0u);
    ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
    EXPECT_EQ(sim.Status("SheetsOut"), sheetsOut + 1) << "the sheet was ejected";
    Sim("Faults", "NoDataReads", "0");
    ExpectNextPageScans();
}

struct ReadErrorCase {
    Mechanism mechanism;
    bool buffered;     // end-of-page detection on: the page goes into a temporary file first
    const char* code;  // the device's read error
};

class ReadErrorAtARow : public DeviceFaults, public ::testing::WithParamInterface<ReadErrorCase> {};

TEST_P(ReadErrorAtARow, FailsWithTheScannerMessageAndLeavesNoFile)
{
    const ReadErrorCase c = GetParam();
    // Past the first memory strip of an unbuffered page (289 rows), so that
    // one strip arrives before the fault.
    Sim("Faults", "ReadErrorAfterRows", "400");
    Sim("Faults", "ReadErrorCode", c.code);
    ScanSettings s = Page();
    s.DetectEOP = c.buffered ? 1 : 0;
    Start(s);
    TempFolder target;
    MessageBoxRecorder boxes;
    int rowsBefore = 0;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Transfer(c.mechanism, target, &rowsBefore));
    ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
    if (c.mechanism == Mechanism::Memory && !c.buffered) {
        EXPECT_GT(rowsBefore, 0) << "rows before the fault reached the application";
    }
    EXPECT_NOTHING_LEFT(FilesIn(target.Path()));
    // Asking again does not scan again.
    const int rows = sim.Status("RowsDelivered");
    {
        MessageBoxRecorder again;
        EXPECT_EQ(Transfer(c.mechanism, target, nullptr, 65536), TWRC_FAILURE);
        EXPECT_EQ(sim.Status("RowsDelivered"), rows);
    }
    EXPECT_NOTHING_LEFT(FilesIn(target.Path()));
    Sim("Faults", "ReadErrorAfterRows", "-1");
    ExpectNextPageScans(s);
}

std::string CaseName(const ::testing::TestParamInfo<ReadErrorCase>& info)
{
    std::string code = info.param.code;
    for (char& ch : code)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return std::string(Name(info.param.mechanism)) + (info.param.buffered ? "Buffered" : "Direct") + "_" + code;
}

INSTANTIATE_TEST_SUITE_P(
    EachMechanism, ReadErrorAtARow,
    ::testing::Values(ReadErrorCase{Mechanism::Memory, false, "0xA06"}, ReadErrorCase{Mechanism::Bmp, false, "0xA06"},
                      ReadErrorCase{Mechanism::Native, true, "0xA06"}, ReadErrorCase{Mechanism::Memory, true, "0xA06"},
                      ReadErrorCase{Mechanism::Bmp, true, "0xA09"}, ReadErrorCase{Mechanism::Tiff, true, "18"},
                      ReadErrorCase{Mechanism::Native, false, "20"}, ReadErrorCase{Mechanism::Memory, false, "1"}),
    CaseName);

TEST_F(DeviceFaults, AFailedBufferedPageClosedAtOnceLeavesNothing)
{
    Sim("Faults", "ReadErrorAfterRows", "500");
    ScanSettings s = Page();
    s.DetectEOP = 1;
    Start(s);
    {
        MessageBoxRecorder boxes;
        TW_HANDLE dib = nullptr;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Native(&dib));
        ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
    }
    // The application gives up without ending the transfer.
    EXPECT_EQ(Close(), TWRC_SUCCESS);
    EXPECT_NOTHING_LEFT(Leftovers());
    EXPECT_EQ(sim.Status("Scanning"), 0);
    EXPECT_EQ(sim.Status("Open"), 0);
    Sim("Faults", "ReadErrorAfterRows", "-1");
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ExpectPageScans(s);
}

// Unplugged mid-page: reads fail as on a closed interface, the status cannot
// be read, and the scanner is not found when opened again.
class Unplugged : public DeviceFaults {
protected:
    void Unplug(const char* afterRows = "200")
    {
        Sim("Faults", "ReadErrorAfterRows", afterRows);
        Sim("Faults", "ReadErrorCode", "0xA01");
        Sim("Faults", "ScannerStatusResult", "0xA01");
        Sim("Device", "OpenResult", "10");
    }
    void PlugBackIn()
    {
        Sim("Faults", "ReadErrorAfterRows", "-1");
        Sim("Faults", "ReadErrorCode", "0xA06");
        Sim("Faults", "ScannerStatusResult", "0");
        Sim("Device", "OpenResult", "0");
    }
};

TEST_F(Unplugged, DuringAScanFailsThePageThenTheEnableUntilItIsBack)
{
    Start();
    Unplug();
    MessageBoxRecorder boxes;
    TW_HANDLE dib = nullptr;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Native(&dib));
    EXPECT_EQ(dib, nullptr);
    ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_NOTHING_LEFT(Leftovers());
    {
        MessageBoxRecorder again;
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Enable());
        ExpectOneBox(again, tx::dstext::kTxtScannerNotConnected);
        EXPECT_FALSE(again.Boxes()[0].owned);
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Disable()); // still in state 4
    }
    PlugBackIn();
    ExpectPageScans();
    EXPECT_EQ(sim.Status("Open"), 1);
}

TEST_F(Unplugged, DuringAMemoryTransferAfterTheFirstStrip)
{
    Start();
    Unplug("300");
    MessageBoxRecorder boxes;
    PageRows page;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Memory(&page));
    EXPECT_GT(page.length, 0u);
    EXPECT_LT(page.length, 900u);
    ExpectOneBox(boxes, tx::dstext::kTxtScannerNotConnected);
    PlugBackIn();
    ExpectNextPageScans();
}

} // namespace
