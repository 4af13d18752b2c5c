// The road with the source's dialog, through DS_Entry: the sheet over the
// disabled application window, a preset click into a transfer, settings
// only, Escape, close, suspend, and closing the source under the sheet.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "HandleCount.h"
#include "SheetFixture.h"
#include "ui/resource.h"

namespace {

TEST_F(SheetTest, PresetClickScansAndTransfers)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    TW_USERINTERFACE ui{};
    EXPECT_TWAIN(app, TWRC_SUCCESS, TWCC_SUCCESS, EnableWithDialog(false, &ui));
    EXPECT_EQ(ui.ModalUI, TRUE) << "written back";
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app.AppWindow())) << "the application's window is disabled under the sheet";
    EXPECT_EQ(Count(MSG_XFERREADY), 0);

    // Preset 4: grey, 200 dpi, business card.
    HWND button = PresetButton(sheet, 3);
    ASSERT_NE(button, nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
    Pump(3000, [&] { return Count(MSG_XFERREADY) > 0; });
    ASSERT_EQ(Count(MSG_XFERREADY), 1);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
    EXPECT_EQ(GetProfile("SHEETAPP", "PropPage"), "0");
    EXPECT_EQ(GetProfile("SHEETAPP", "DPI"), "<absent>") << "a preset scan does not save the settings";

    TW_IMAGEINFO info{};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_SUCCESS);
    EXPECT_EQ(info.XResolution.Whole, 200);
    EXPECT_EQ(info.PixelType, TWPT_GRAY);
    EXPECT_EQ(info.ImageWidth, 354 * 2);
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    Pump(300);
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 1);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(Close(), TWRC_SUCCESS);
}

TEST_F(SheetTest, SettingsOnlySavesThePresetAndSendsCloseOk)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(true), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    SendMessageA(PresetButton(sheet, 0), BM_CLICK, 0, 0);
    Pump(2000, [&] { return Count(MSG_CLOSEDSOK) > 0; });
    EXPECT_EQ(Count(MSG_CLOSEDSOK), 1);
    EXPECT_EQ(Count(MSG_XFERREADY), 0);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_EQ(GetProfile("SHEETAPP", "DPI"), "150") << "preset 1 saved as the application's settings";
    EXPECT_EQ(GetProfile("SHEETAPP", "ScanMode"), "4");
    EXPECT_EQ(GetProfile("SHEETAPP", "PropPage"), "0");
    // Still state 5: enabled, not ready to transfer.
    TW_CUSTOMDSDATA data{};
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, app.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data));
    TW_IMAGEINFO info{};
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, app.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info));
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetTest, EscapeCloseAndSuspendAskToBeClosed)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    // Escape on a preset button, through the application's loop.
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    PostMessageA(PresetButton(sheet, 2), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump(1000, [&] { return Count(MSG_CLOSEDSREQ) > 0; });
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 1);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
    ASSERT_EQ(Disable(), TWRC_SUCCESS);

    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    Pump(1000, [&] { return Count(MSG_CLOSEDSREQ) > 1; });
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 2);
    EXPECT_FALSE(IsWindow(sheet));
    ASSERT_EQ(Disable(), TWRC_SUCCESS);

    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(SendMessageA(sheet, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
    EXPECT_TRUE(IsWindow(sheet)) << "only a suspend closes the sheet";
    EXPECT_EQ(SendMessageA(sheet, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 3);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(Count(MSG_XFERREADY), 0);
}

TEST_F(SheetTest, ClosingTheSourceClosesTheSheet)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(Close(), TWRC_SUCCESS);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
    Pump(200);
    // The module is whole: a second session shows the sheet again.
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    EXPECT_NE(FindSheet(), nullptr);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(FindSheet(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
}

TEST_F(SheetTest, PropPageChoosesTheFirstPage)
{
    PutProfile("SHEETAPP", "PropPage", "0");
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(CurrentIndex(sheet), 0);
    EXPECT_NE(GetDlgItem(CurrentPage(sheet), IDC_PRESET_FIRST), nullptr);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

// PropPage 1 asks for the Custom Settings page; a sheet without that page
// opens on its first page.
TEST_F(SheetTest, PropPageOneChoosesTheCustomPageWhereThereIsOne)
{
    PutProfile("SHEETAPP", "PropPage", "1");
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    const int custom = TabIndex(sheet, "Custom Settings");
    EXPECT_EQ(CurrentIndex(sheet), custom >= 0 ? custom : 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

// The pages' Cancel (IDCANCEL to the sheet) asks to be closed like Escape.
TEST_F(SheetTest, CancelAsksToBeClosed)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Pump(1000, [&] { return Count(MSG_CLOSEDSREQ) > 0; });
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 1);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
    EXPECT_EQ(Count(MSG_XFERREADY), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

int ThreadWindowCount()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(), [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Closing the source with the sheet up, again and again: no window, handle
// or GDI object is left behind.
TEST_F(SheetTest, ClosingUnderTheSheetLeavesNothingBehind)
{
    auto cycle = [&] {
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
        ASSERT_NE(FindSheet(), nullptr);
        Pump(100);
        ASSERT_EQ(Close(), TWRC_SUCCESS);
        Pump(50);
    };
    cycle(); // the first session loads what stays loaded
    const int windows = ThreadWindowCount();
    const long handles = CountProcessHandles();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 4; ++i) cycle();
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_LE(CountProcessHandles(), handles + 2);
    if (gdi > 0) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 4);
    }
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
}

TEST_F(SheetTest, ProcessEventPassesOnWhatIsNotTheSheets)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    MSG own{app.AppWindow(), WM_USER + 5, 0, 0, 0, {}};
    EXPECT_EQ(app.ProcessEvent(&own), TWRC_NOTDSEVENT);
    MSG tab{PresetButton(sheet, 0), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(app.ProcessEvent(&tab), TWRC_DSEVENT) << "the sheet's dialog keys";
    EXPECT_EQ(app.ProcessEvent(nullptr), TWRC_NOTDSEVENT);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

} // namespace
