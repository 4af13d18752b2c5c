// The Custom Settings page in the source's own sheet, through DS_Entry: the
// page the sheet opens on by default, the free-space read-out refreshed when
// the sheet is activated, and its settings saved by the sheet's OK.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

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
    SendMessageA(sheet, WM_ACTIVATE, WA_INACTIVE, 0);
    Pump(100);
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
