// The scanner source: the page's geometry at open, the lazy start, the end
// of the sheet, and every way a page can fail (the document is always
// ejected and the status tells why).
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ScannerFixture.h"
#include "device/ScanSequence.h"
#include "device/ScannerSource.h"

namespace {

class ScannerSourceTest : public ScannerTest {
protected:
    // Reads the whole page in chunks; gives the rows read and leaves the status.
    uint32_t ReadPage(CScannerSource& source, uint32_t chunk, std::vector<uint8_t>* page = nullptr)
    {
        std::vector<uint8_t> buffer(static_cast<size_t>(chunk) * source.RowBytes(false));
        uint32_t total = 0;
        source.SelectSide(0);
        while (total < source.Length(false) && g_scanStatus == kScanOk) {
            uint32_t got = 0;
            source.ReadRows(buffer.data(), chunk, 0, &got);
            if (page)
                page->insert(page->end(), buffer.begin(), buffer.begin() + got * source.RowBytes(false));
            total += got;
            if (got == 0)
                break;
        }
        return total;
    }
};

TEST(ScanBitsPerPixel, DropoutScansInColour)
{
    ScanSettings s = {};
    s.ScanMode = kModeColor;
    EXPECT_EQ(ScanBitsPerPixel(s), 24u);
    s.ScanMode = kModeGray;
    EXPECT_EQ(ScanBitsPerPixel(s), 8u);
    s.ScanMode = kModeBlackWhite;
    EXPECT_EQ(ScanBitsPerPixel(s), 1u);
    s.ColorDropType = 2;
    EXPECT_EQ(ScanBitsPerPixel(s), 24u);
    s.ScanMode = kModeGray;
    EXPECT_EQ(ScanBitsPerPixel(s), 24u);
}

TEST_F(ScannerSourceTest, OpenSizesThePageWithoutScanning)
{
    CScannerSource source;
    ScanSettings s = Settings(kModeBlackWhite, 200);
    s.Right = 401;   // 802 pixels: 101 bytes, padded to 104
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    EXPECT_EQ(source.Width(true), 802u);
    EXPECT_EQ(source.Length(true), 2000u);
    EXPECT_EQ(source.RowBytes(true), 104u);
    EXPECT_EQ(source.BitsPerPixel(), 1u);
    EXPECT_EQ(source.Resolution(), 200u);
    EXPECT_EQ(SimStatus("Scanning"), 0);
    s.DPI = 123;
    EXPECT_FALSE(source.Open(&s, false, nullptr)) << "a resolution the device refuses";
    EXPECT_FALSE(source.Open(nullptr, false, nullptr));
}

TEST_F(ScannerSourceTest, WholePageIsReadThenTheScanEnds)
{
    CScannerSource source;
    ScanSettings s = Settings(kModeColor, 150);
    s.Bottom = 300;
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    const int out = SimStatus("SheetsOut");
    EXPECT_EQ(ReadPage(source, 64), 450u);
    EXPECT_EQ(g_scanStatus, kScanOk);
    EXPECT_EQ(SimStatus("Scanning"), 0) << "the scan ends with the last row";
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
    uint32_t got = 7;
    std::vector<uint8_t> buffer(source.RowBytes(false) * 10);
    source.ReadRows(buffer.data(), 10, 0, &got);
    EXPECT_EQ(got, 0u) << "no rows past the page, and no device failure";
    EXPECT_EQ(g_scanStatus, kScanOk);
}

TEST_F(ScannerSourceTest, ShortSheetWithDetectionEndsWithStatusSix)
{
    UsePage("04-short-sheet.png");
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    s.DetectEOP = 1;
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    const uint32_t rows = ReadPage(source, 100);
    EXPECT_EQ(g_scanStatus, kScanEndOfPage);
    EXPECT_LT(rows, 1500u);
    EXPECT_EQ(source.Length(false), rows);
    EXPECT_EQ(SimStatus("Scanning"), 0);
}

TEST_F(ScannerSourceTest, ShortSheetWithoutDetectionFailsAndEjects)
{
    UsePage("04-short-sheet.png");
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    const int out = SimStatus("SheetsOut");
    ReadPage(source, 100);
    EXPECT_EQ(g_scanStatus, kScanDeviceFailed);
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
}

TEST_F(ScannerSourceTest, ReadErrorMidPageFailsEjectsAndBlocksLaterReads)
{
    Sim("Faults", "ReadErrorAfterRows", "120");
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    const int out = SimStatus("SheetsOut");
    const uint32_t rows = ReadPage(source, 50);
    EXPECT_EQ(g_scanStatus, kScanDeviceFailed);
    EXPECT_LE(rows, 120u);
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
    std::vector<uint8_t> buffer(source.RowBytes(false) * 10);
    uint32_t got = 9;
    source.ReadRows(buffer.data(), 10, 0, &got);
    EXPECT_EQ(got, 0u);
}

TEST_F(ScannerSourceTest, StartFailureIsADeviceFailure)
{
    Sim("Faults", "StartScanResult", "0xA0C");
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    EXPECT_EQ(ReadPage(source, 50), 0u);
    EXPECT_EQ(g_scanStatus, kScanDeviceFailed);
}

TEST_F(ScannerSourceTest, DeviceThatNeverDeliversTimesOutAndEjects)
{
    Sim("Faults", "NoDataReads", "-1");
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    const int out = SimStatus("SheetsOut");
    static unsigned long waited;
    static int pauses;
    waited = 0;
    pauses = 0;
    const ScanPause previous = SetScanPause([](unsigned long ms) { waited += ms; ++pauses; });
    EXPECT_EQ(ReadPage(source, 100), 0u);
    SetScanPause(previous);
    EXPECT_EQ(g_scanStatus, kScanDeviceFailed);
    EXPECT_EQ(waited, 239u * 50u) << "240 empty reads, 50 ms apart: 12 s of the device's time";
    EXPECT_EQ(pauses, 239);
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
}

TEST_F(ScannerSourceTest, ReadingWithoutASelectedSideReadsNothing)
{
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    std::vector<uint8_t> buffer(source.RowBytes(false) * 10);
    uint32_t got = 99;
    source.ReadRows(buffer.data(), 10, 0, &got);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(g_scanStatus, kScanOk);
    EXPECT_EQ(SimStatus("Scanning"), 0) << "no scan is started without a side";
}

TEST_F(ScannerSourceTest, ProgressDialogIsFedAndCancelEndsTheScan)
{
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    CScannerSource source;
    ScanSettings s = Settings(kModeGray, 150);
    s.Bottom = 200;
    ASSERT_TRUE(source.Open(&s, true, parent));
    source.SelectSide(0);
    std::vector<uint8_t> buffer(source.RowBytes(false) * 100);
    uint32_t got = 0;
    source.ReadRows(buffer.data(), 100, 0, &got);
    EXPECT_EQ(got, 100u);
    ASSERT_TRUE(source.ProgressShown());
    EXPECT_FALSE(IsWindowEnabled(parent)) << "the parent is disabled under the dialog";
    // This thread's dialog: other test programs may show theirs meanwhile.
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) -> BOOL {
            char caption[32] = {};
            GetWindowTextA(w, caption, sizeof caption);
            if (lstrcmpA(caption, "Tarvex 380") != 0 || !GetDlgItem(w, 1110)) return TRUE;
            *reinterpret_cast<HWND*>(found) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    ASSERT_NE(dialog, nullptr) << "the real progress dialog is up";
    EXPECT_EQ(SendDlgItemMessageA(dialog, 1110 /* progress bar */, PBM_GETPOS, 0, 0), 33);

    // The user presses Cancel; the click is taken by the dialog's pump at the
    // next read, which then ends the scan.
    const int out = SimStatus("SheetsOut");
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    source.ReadRows(buffer.data(), 100, 0, &got);
    EXPECT_EQ(g_scanStatus, kScanCancelled);
    EXPECT_FALSE(source.ProgressShown());
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
    DestroyWindow(parent);
}

} // namespace
