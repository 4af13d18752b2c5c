// The sheet as a person sees it, for the screenshots: the Pre-set page, the
// Advanced Settings and Information pages, the preset editor and a preset button's tooltip. Each
// test checks what it shows and, when TX_UI_PAUSE_MS is set, holds it on the
// screen that long while the loop pumps.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "DialogDriver.h"
#include "SheetFixture.h"
#include "ui/resource.h"

namespace {

DWORD PauseMs()
{
    const char* pause = std::getenv("TX_UI_PAUSE_MS");
    return pause ? static_cast<DWORD>(std::atoi(pause)) : 0;
}

// Pumps this thread's messages for `ms` (inside a modal loop too).
void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

// The visible tooltip windows of this thread.
int VisibleTooltips()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM p) -> BOOL {
            char cls[64] = {};
            GetClassNameA(window, cls, sizeof cls);
            if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && IsWindowVisible(window)) ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class SheetLook : public SheetTest {
protected:
    HWND Show()
    {
        EXPECT_EQ(Open(), TWRC_SUCCESS);
        EXPECT_EQ(EnableWithDialog(), TWRC_SUCCESS);
        HWND sheet = FindSheet();
        if (sheet) {
            SetForegroundWindow(sheet);
            SetActiveWindow(sheet);
        }
        return sheet;
    }
    void Hold() { Pump(PauseMs()); }
    // Brings the tab titled `title` to the front; false when there is none.
    static bool ShowTab(HWND sheet, const char* title)
    {
        const int i = TabIndex(sheet, title);
        if (i < 0) return false;
        SendMessageA(sheet, PSM_SETCURSEL, i, 0);
        return CurrentIndex(sheet) == i;
    }
};

} // namespace

TEST_F(SheetLook, PresetPage)
{
    HWND sheet = Show();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(CurrentIndex(sheet), 1) << "the profile's PropPage 1 opens the Custom Settings page";
    for (int n = 0; n < 5; ++n) EXPECT_TRUE(IsWindowVisible(PresetButton(sheet, n))) << n;
    EXPECT_EQ(CurrentIndex(sheet), 0);
    Hold();
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetLook, InformationPage)
{
    HWND sheet = Show();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(ShowTab(sheet, "Information"));
    Hold();
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetLook, AdvancedSettingsPage)
{
    HWND sheet = Show();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(ShowTab(sheet, "Advanced Settings"));
    Hold();
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetLook, PresetEditor)
{
    HWND sheet = Show();
    ASSERT_NE(sheet, nullptr);
    bool holding = false;
    DialogDriver driver(IDC_EDIT_SIZE, [&](HWND editor) {
        if (holding) return false;
        holding = true;
        PumpFor(PauseMs());
        DialogDriver::Press(editor, IDCANCEL);
        return true;
    });
    PostMessageA(PresetButton(sheet, 3), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    Pump(PauseMs() + 3000, [&] { return driver.Acted() > 0; });
    Pump(200);
    EXPECT_EQ(driver.Acted(), 1);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

// The mouse rests on preset 3: its tooltip comes up.
TEST_F(SheetLook, PresetTooltip)
{
    HWND sheet = Show();
    ASSERT_NE(sheet, nullptr);
    Pump(300);
    HWND button = PresetButton(sheet, 3);
    ASSERT_NE(button, nullptr);
    RECT rc = {};
    GetWindowRect(button, &rc);
    const POINT centre = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    SetCursorPos(centre.x - 2, centre.y - 2);
    Pump(100);
    SetCursorPos(centre.x, centre.y);
    POINT client = centre;
    ScreenToClient(button, &client);
    PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    Pump(3000, [] { return VisibleTooltips() > 0; });
    EXPECT_GT(VisibleTooltips(), 0);
    Hold();
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}
