// Transfers that do not complete: a cancel in the progress dialog, a device
// fault mid-page, a file that cannot be written. Each is answered as the
// application expects, leaves no file behind and leaves the source usable.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "DialogDriver.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"
#include "XferFixture.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "ui/resource.h"

namespace {

int TemporaryBmps()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "tmp*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int n = 0;
    do ++n; while (FindNextFileA(search, &found));
    FindClose(search);
    return n;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Failures : public XferTest {
protected:
    void Start(const ScanSettings& s = Settings(kModeGray, 150, 300, 600))
    {
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        Apply(s);
        ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    }
    // After a failed page: the end of it, and a whole page again.
    void ExpectUsableAgain()
    {
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        EXPECT_EQ(Disable(), TWRC_SUCCESS);
        ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
        TW_HANDLE dib = nullptr;
        ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        EXPECT_EQ(FromDibHandle(dib).length, 900u);
        GlobalFree(dib);
    }
};

enum class Mechanism { Native, Memory, File, Tiff };

class CancelDuring : public Failures, public ::testing::WithParamInterface<Mechanism> {};

TEST_P(CancelDuring, AnswersCancelWithoutAMessageAndEjectsTheSheet)
{
    Sim("Device", "RowsPerSecond", "1500");
    Start();
    MessageBoxRecorder boxes;
    bool pressed = false;
    DialogDriver cancel(IDC_PROGRESS_BAR, [&pressed](HWND dialog) {
        if (pressed) return false;
        DialogDriver::Press(dialog, IDCANCEL);
        return pressed = true;
    });
    const int sheetsOut = sim.Status("SheetsOut");
    TempFolder folder;
    const std::string target = folder.File("cancelled.bmp");
    TW_UINT16 rc = TWRC_FAILURE;
    switch (GetParam()) {
    case Mechanism::Native: {
        TW_HANDLE dib = nullptr;
        rc = Native(&dib);
        EXPECT_EQ(dib, nullptr);
        break;
    }
    case Mechanism::Memory: {
        PageRows page;
        rc = Memory(&page);
        break;
    }
    case Mechanism::File: rc = FileXfer(target, TWFF_BMP); break;
    case Mechanism::Tiff: rc = FileXfer(target, TWFF_TIFF); break;
    }
    EXPECT_EQ(rc, TWRC_CANCEL);
    EXPECT_GE(cancel.Acted(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(Pending(MSG_GET), 0);
    EXPECT_EQ(sim.Status("SheetsOut"), sheetsOut + 1) << "the scan sequence ejected the sheet";
    EXPECT_EQ(sim.Status("Scanning"), 0);
    EXPECT_FALSE(Exists(target));
    Sim("Device", "RowsPerSecond", "0");
    ExpectUsableAgain();
}

INSTANTIATE_TEST_SUITE_P(EachMechanism, CancelDuring,
                         ::testing::Values(Mechanism::Native, Mechanism::Memory, Mechanism::File,
                                           Mechanism::Tiff));

TEST_F(Failures, DeviceFaultMidPageShowsItsMessageAndTheNextPageWorks)
{
    Sim("Faults", "ReadErrorAfterRows", "200");
    Start();
    MessageBoxRecorder boxes;
    TW_HANDLE dib = nullptr;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Native(&dib));
    EXPECT_EQ(dib, nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, tx::DsText(tx::dstext::kTxtScannerNotConnected));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_EQ(Pending(MSG_GET), 0);
    // Later strips of the failed page fail as well.
    PageRows page;
    EXPECT_EQ(Memory(&page), TWRC_FAILURE);
    Sim("Faults", "ReadErrorAfterRows", "-1");
    ExpectUsableAgain();
}

TEST_F(Failures, DeviceFaultMidTiffLeavesNoPartOfTheFile)
{
    Sim("Faults", "ReadErrorAfterRows", "200");
    Start();
    MessageBoxRecorder boxes;
    TempFolder folder;
    const std::string target = folder.File("faulted.tif");
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, FileXfer(target, TWFF_TIFF));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, tx::DsText(tx::dstext::kTxtScannerNotConnected));
    EXPECT_FALSE(Exists(target)) << "the rows written before the fault are gone with their file";
    EXPECT_EQ(Pending(MSG_GET), 0);
    Sim("Faults", "ReadErrorAfterRows", "-1");
    ExpectUsableAgain();
}

TEST_F(Failures, FileIntoAMissingFolderLeavesNothingBehind)
{
    Start();
    TempFolder folder;
    const int temporaries = TemporaryBmps();
    MessageBoxRecorder boxes;
    const std::string bmp = folder.File("missing\\page.bmp");
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, FileXfer(bmp, TWFF_BMP));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, tx::DsText(tx::dstext::kTxtScanFileError));
    EXPECT_FALSE(Exists(bmp));
    EXPECT_EQ(Pending(MSG_GET), 0);

    ExpectUsableAgain();
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    ASSERT_EQ(Enable(), TWRC_SUCCESS);
    const std::string tiff = folder.File("missing\\page.tif");
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, FileXfer(tiff, TWFF_TIFF));
    EXPECT_FALSE(Exists(tiff));
    EXPECT_EQ(TemporaryBmps(), temporaries) << "no temporary file is left";

    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    ASSERT_EQ(Enable(), TWRC_SUCCESS);
    const std::string good = folder.File("page.tif");
    EXPECT_EQ(FileXfer(good, TWFF_TIFF), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    EXPECT_TRUE(Exists(good));
    EXPECT_EQ(TemporaryBmps(), temporaries) << "nor after success";
}

} // namespace
