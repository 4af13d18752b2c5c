// The page store over the simulated scanner: the chain each setting gives,
// the lazy scan, the page file's life and the failures that end a page.
#include <windows.h>

#include <vector>

#include "ScannerFixture.h"
#include "device/ScannerSource.h"
#include "imaging/ImagingQuery.h"
#include "transfer/PageStore.h"

namespace {

bool FileExists(const std::string& path) { return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class PageStoreTest : public ScannerTest {
protected:
    void TearDown() override
    {
        store.CloseAll();
        ScannerTest::TearDown();
    }
    // Reads the page the way a transfer does; gives the rows and their bytes.
    std::vector<uint8_t> ReadAll(uint32_t chunk)
    {
        const uint32_t length = store.Length(true);
        const uint32_t rowBytes = store.RowBytes(true);
        std::vector<uint8_t> page(static_cast<size_t>(length) * rowBytes);
        uint32_t done = 0, got = 0;
        while (done < length) {
            if (store.ReadRows(page.data() + static_cast<size_t>(done) * rowBytes,
                               std::min(chunk, length - done), 0, &got) != kScanOk || got == 0)
                break;
            done += got;
        }
        page.resize(static_cast<size_t>(done) * rowBytes);
        return page;
    }
    CPageStore store;
};

TEST_F(PageStoreTest, ChainFollowsTheSettings)
{
    const bool imaging = store.ImagingAvailable();
    struct Case { const char* name; uint16_t mode; int16_t eop, crop, photo, deskew; uint16_t rotation, drop;
                  int16_t filter, invert; bool buffered, processed; };
    const Case cases[] = {
        {"plain", kModeGray, 0, 0, 0, 0, 0, 0, 0, 0, false, false},
        {"filter and invert", kModeGray, 0, 0, 0, 0, 0, 0, 1, 1, false, false},
        {"end of page", kModeGray, 1, 0, 0, 0, 0, 0, 0, 0, true, false},
        {"deskew", kModeBlackWhite, 0, 0, 0, 1, 0, 0, 0, 0, false, true},
        {"crop with end of page", kModeColor, 1, 1, 0, 0, 0, 0, 0, 0, true, true},
        {"photo", kModeColor, 0, 0, 1, 0, 0, 0, 0, 0, false, true},
        {"rotation", kModeGray, 0, 0, 0, 0, 2, 0, 0, 0, false, true},
        {"dropout in colour", kModeColor, 0, 0, 0, 0, 0, 1, 0, 0, false, false},
        {"dropout in grey", kModeGray, 1, 0, 0, 0, 0, 1, 0, 0, true, true},
    };
    for (const Case& c : cases) {
        ScanSettings s = Settings(c.mode, 150);
        s.DetectEOP = c.eop; s.AutoCrop = c.crop; s.Photo = c.photo; s.Deskew = c.deskew;
        s.Rotation = c.rotation; s.ColorDropType = c.drop; s.Filter = c.filter; s.Invert = c.invert;
        ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened) << c.name;
        const bool processed = c.processed && imaging;
        ASSERT_EQ(store.Count(), 1 + c.buffered + processed) << c.name;
        EXPECT_EQ(store.Item(0), &store.Scanner()) << c.name;
        if (c.buffered)
            EXPECT_EQ(store.Item(1), &store.Buffered()) << c.name;
        if (processed)
            EXPECT_EQ(store.Head(), &store.Processed()) << c.name;
        if (c.drop && c.mode == kModeGray)
            EXPECT_EQ(store.BitsPerPixel(), imaging ? 8u : 24u) << c.name;
        store.CloseAll();
        EXPECT_FALSE(store.IsOpen());
        EXPECT_EQ(store.Count(), 0);
    }
    EXPECT_EQ(SimStatus("Scanning"), 0) << "opening never scans";
}

// The store asks the module's one question: an installed answer decides its
// chain, and the probe's own answer leaves nothing of the library loaded.
TEST_F(PageStoreTest, ChainAsksTheModulesImagingAnswer)
{
    EXPECT_TRUE(ImagingAvailable()) << "the imaging library is beside the test program";
    EXPECT_EQ(GetModuleHandleA("VOZozur.dll"), nullptr);
    ScanSettings s = Settings(kModeGray, 150);
    s.Deskew = 1;
    const ImagingQueryFn previous = SetImagingQuery([] { return false; });
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    EXPECT_EQ(store.Count(), 1) << "no processing stage without the library";
    store.CloseAll();
    SetImagingQuery(previous);
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    EXPECT_EQ(store.Count(), 2);
}

TEST_F(PageStoreTest, OpenTwiceAndClosedStore)
{
    uint32_t got = 5;
    uint8_t row[16];
    EXPECT_EQ(store.ReadRows(row, 1, 0, &got), kStoreNotOpen);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(store.Width(true), 0u);
    EXPECT_EQ(store.Length(true), 0u);
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    ScanSettings other = Settings(kModeColor, 300);
    other.DetectEOP = 1;
    EXPECT_EQ(store.Open(&other, false, nullptr), kStoreAlreadyOpen);
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.BitsPerPixel(), 8u);
    EXPECT_EQ(store.Resolution(), 150u);
    store.CloseAll();
    s.DPI = 111;
    EXPECT_EQ(store.Open(&s, false, nullptr), kStoreScannerFailed);
    EXPECT_FALSE(store.IsOpen());
}

TEST_F(PageStoreTest, WithoutDetectionTheLengthIsTheDevicesAndNothingIsScanned)
{
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    store.SelectSide(0);
    EXPECT_EQ(store.Length(true), 1500u);
    EXPECT_EQ(store.RowBytes(true), 648u);
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("RowsDelivered"), 0);
}

TEST_F(PageStoreTest, ShortSheetWithDetectionIsBufferedInADtsFileGoneAfterEndPage)
{
    UsePage("04-short-sheet.png");
    Sim("Feeder", "Loop", "1");   // the same sheet again for the direct read
    ScanSettings s = Settings(kModeColor, 150);
    s.Right = 401;   // 601 pixels, 1803 bytes widened to 1804
    s.DetectEOP = 1;
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    store.SelectSide(0);
    EXPECT_EQ(store.Length(false), 1500u);
    const uint32_t length = store.Length(true);
    EXPECT_GT(length, 0u);
    EXPECT_LT(length, 1500u);
    EXPECT_EQ(g_scanStatus, kScanOk);
    EXPECT_EQ(SimStatus("Scanning"), 0) << "the scan ran inside Length(true)";

    const std::string path = store.Buffered().PageFilePath();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    EXPECT_EQ(path.rfind(std::string(temp) + "DTS", 0), 0u) << path;
    EXPECT_TRUE(FileExists(path));
    const std::vector<uint8_t> page = ReadAll(100);
    EXPECT_EQ(page.size(), static_cast<size_t>(length) * 1804);

    // The same sheet read by the scanner source alone gives the same bytes.
    store.EndPage();
    EXPECT_FALSE(FileExists(path));
    store.CloseAll();
    CScannerSource direct;
    ASSERT_TRUE(direct.Open(&s, false, nullptr));
    direct.SelectSide(0);
    std::vector<uint8_t> again(static_cast<size_t>(1500) * 1804);
    uint32_t done = 0, got = 0;
    while (g_scanStatus == kScanOk) {
        direct.ReadRows(again.data() + done * 1804, 100, 0, &got);
        done += got;
    }
    EXPECT_EQ(g_scanStatus, kScanEndOfPage);
    ASSERT_EQ(done, length);
    again.resize(page.size());
    EXPECT_TRUE(again == page);
    for (uint32_t r = 0; r < length; ++r) {
        ASSERT_EQ(page[r * 1804 + 1803], 0) << "row " << r << " padding";
    }
}

// A sheet that ends before its first row: the page is empty, said so once,
// and asking again neither scans again nor turns it into a device fault.
TEST_F(PageStoreTest, SheetEndingBeforeItsFirstRowIsAnEmptyPage)
{
    UsePage("04-short-sheet.png");
    ScanSettings s = Settings(kModeGray, 150);
    s.Top = 950; // the frame starts below the end of the sheet
    s.Bottom = 1000;
    s.DetectEOP = 1;
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    store.SelectSide(0);
    EXPECT_EQ(store.Length(true), 0u);
    EXPECT_EQ(g_scanStatus, kScanEmptyPage);
    const int sheetsOut = SimStatus("SheetsOut");
    EXPECT_EQ(store.Length(true), 0u);
    EXPECT_EQ(g_scanStatus, kScanEmptyPage) << "not a scanner that is switched off";
    EXPECT_EQ(SimStatus("SheetsOut"), sheetsOut) << "no second scan";
    uint8_t row[1024];
    uint32_t got = 7;
    EXPECT_EQ(store.ReadRows(row, 1, 0, &got), kScanEmptyPage);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(SimStatus("Scanning"), 0);
}

TEST_F(PageStoreTest, NextPageOfAContinuousScanStartsANewScan)
{
    ScanSettings s = Settings(kModeGray, 150);
    s.Bottom = 200;
    s.DetectEOP = 1;
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    const int out = SimStatus("SheetsOut");
    store.SelectSide(0);
    EXPECT_EQ(ReadAll(64).size(), 300u * 648);
    store.EndPage();
    store.ResetSide();
    store.SelectSide(0);
    EXPECT_EQ(ReadAll(64).size(), 300u * 648);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 2);
}

TEST_F(PageStoreTest, ReadErrorMidPageThroughTheBufferLeavesNothingBehind)
{
    Sim("Faults", "ReadErrorAfterRows", "200");
    ScanSettings s = Settings(kModeGray, 150);
    s.DetectEOP = 1;
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    const int out = SimStatus("SheetsOut");
    store.SelectSide(0);
    uint8_t* none = nullptr;
    std::vector<uint8_t> rows(648 * 50);
    uint32_t got = 3;
    EXPECT_EQ(store.ReadRows(rows.data(), 50, 0, &got), kScanDeviceFailed);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(store.ReadRows(none, 50, 0, &got), kScanDeviceFailed) << "later reads deliver nothing";
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
    const std::string path = store.Buffered().PageFilePath();
    store.CloseAll();
    EXPECT_FALSE(FileExists(path));
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    EXPECT_EQ(g_scanStatus, kScanOk) << "a new open clears the status";
}

TEST_F(PageStoreTest, UnwritableTemporaryFolderIsAFileErrorBeforeAnyScan)
{
    char saved[MAX_PATH] = {};
    const DWORD had = GetEnvironmentVariableA("TMP", saved, MAX_PATH);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string missing = std::string(temp) + "tx-no-such-folder\\";
    SetEnvironmentVariableA("TMP", missing.c_str());
    SetEnvironmentVariableA("TEMP", missing.c_str());

    ScanSettings s = Settings(kModeGray, 150);
    s.DetectEOP = 1;
    ASSERT_EQ(store.Open(&s, false, nullptr), kStoreOpened);
    store.SelectSide(0);
    EXPECT_EQ(store.Length(true), 1500u) << "the expected length: the page is not known";
    EXPECT_EQ(g_scanStatus, kScanFileError);
    EXPECT_EQ(SimStatus("RowsDelivered"), 0);
    EXPECT_EQ(SimStatus("Scanning"), 0);
    uint32_t got = 1;
    std::vector<uint8_t> rows(648);
    EXPECT_EQ(store.ReadRows(rows.data(), 1, 0, &got), kScanFileError);
    store.CloseAll();
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);

    SetEnvironmentVariableA("TMP", had ? saved : nullptr);
    SetEnvironmentVariableA("TEMP", had ? saved : nullptr);
}

} // namespace
