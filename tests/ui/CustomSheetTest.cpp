// The Custom Settings page in the source's own sheet, through DS_Entry: the
// page the sheet opens on by default, the free-space read-out refreshed when
// the sheet is activated, its settings saved by the sheet's OK, and a scan
// started from it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "SheetFixture.h"
#include "ui/resource.h"

namespace {

std::string Text(HWND window, int id)
{
    char buf[256] = {};
    GetDlgItemTextA(window, id, buf, sizeof buf);
    return buf;
}

TEST_F(SheetTest, CustomPageRefreshesFreeSpaceOnActivationAndItsSettingsAreSaved)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(true), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(CurrentIndex(sheet), 1) << "the default page";
    HWND page = CurrentPage(sheet);
    ASSERT_NE(GetDlgItem(page, IDC_CUSTOM_PREVIEW_WINDOW), nullptr);
    EXPECT_EQ(Text(page, IDC_CUSTOM_SCAN), "OK") << "settings only";
    const std::string freeSpace = Text(page, IDC_CUSTOM_FREE_SPACE);
    EXPECT_EQ(freeSpace.rfind("Free disk space: ", 0), 0u) << freeSpace;

    SetDlgItemTextA(page, IDC_CUSTOM_FREE_SPACE, "stale");
    // Checked without pumping: a real activation from the desktop (other
    // programs come and go beside the tests) would refresh it too.
    SendMessageA(sheet, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(Text(page, IDC_CUSTOM_FREE_SPACE), "stale") << "only an activation refreshes";
    SendMessageA(sheet, WM_ACTIVATE, WA_ACTIVE, 0);
    Pump(200, [&] { return Text(page, IDC_CUSTOM_FREE_SPACE) != "stale"; });
    EXPECT_EQ(Text(page, IDC_CUSTOM_FREE_SPACE).rfind("Free disk space: ", 0), 0u);

    HWND slider = GetDlgItem(page, IDC_CUSTOM_BRIGHTNESS);
    SendMessageA(slider, TBM_SETPOS, TRUE, -20);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, -20), reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(Text(page, IDC_CUSTOM_BRIGHTNESS_VALUE), "-20%");
    SendMessageA(GetDlgItem(page, IDC_CUSTOM_BLACKWHITE), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(page, IDC_CUSTOM_SCAN), BM_CLICK, 0, 0);
    Pump(2000, [&] { return Count(MSG_CLOSEDSOK) > 0; });
    EXPECT_EQ(Count(MSG_CLOSEDSOK), 1);
    EXPECT_EQ(GetProfile("SHEETAPP", "Brightness"), "-20");
    EXPECT_EQ(GetProfile("SHEETAPP", "ScanMode"), "2");
    EXPECT_EQ(GetProfile("SHEETAPP", "PropPage"), "1");
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

} // namespace

namespace {

TEST_F(SheetTest, ScanFromTheCustomPageTransfersWhatItShows)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    HWND sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);
    ASSERT_NE(GetDlgItem(page, IDC_CUSTOM_PREVIEW_WINDOW), nullptr);
    EXPECT_EQ(Text(page, IDC_CUSTOM_SCAN), "Scan");

    SendMessageA(GetDlgItem(page, IDC_CUSTOM_GRAYSCALE), BM_CLICK, 0, 0);
    HWND resolution = GetDlgItem(page, IDC_CUSTOM_RESOLUTION);
    ASSERT_GT(SendMessageA(resolution, CB_GETCOUNT, 0, 0), 0);
    char first[16] = {};
    SendMessageA(resolution, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    SendMessageA(resolution, CB_SETCURSEL, 0, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_RESOLUTION, CBN_SELCHANGE), reinterpret_cast<LPARAM>(resolution));
    HWND size = GetDlgItem(page, IDC_CUSTOM_SIZE);
    SendMessageA(size, CB_SETCURSEL, 1, 0);   // the business card
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_SIZE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(size));

    SendMessageA(GetDlgItem(page, IDC_CUSTOM_SCAN), BM_CLICK, 0, 0);
    Pump(3000, [&] { return Count(MSG_XFERREADY) > 0; });
    ASSERT_EQ(Count(MSG_XFERREADY), 1);
    EXPECT_FALSE(IsWindow(sheet));
    TW_IMAGEINFO info{};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_SUCCESS);
    EXPECT_EQ(info.PixelType, TWPT_GRAY);
    EXPECT_EQ(info.XResolution.Whole, std::atoi(first));
    EXPECT_EQ(info.ImageWidth, 354 * std::atoi(first) / 100);
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(GetProfile("SHEETAPP", "PropPage"), "1") << "the sheet opens on this page again";
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(Close(), TWRC_SUCCESS);
}

} // namespace
