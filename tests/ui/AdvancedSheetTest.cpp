// The Advanced Settings page in the source's own sheet, through DS_Entry: its
// controls reach the source's settings (read back through the custom-data
// blob once the sheet has closed), Reset keeps what other pages own, a
// preset's values show when the page is brought to the front, and continuous
// scanning switched on here carries into a scan from a preset.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "DialogDriver.h"
#include "SheetFixture.h"
#include "ui/resource.h"

namespace {

constexpr int kAdvancedIndex = 2;
constexpr int kCustomIndex = 1;
const char kOneSheet[] = "samples\\01-letter.png";

class AdvancedSheet : public SheetTest {
protected:
    // The settings the source holds before the sheet opens: black and white
    // with red dropout, 200 dpi, the business card, brightness and contrast
    // off their defaults.
    static ScanSettings Start()
    {
        ScanSettings s = Settings(kModeBlackWhite, 200, 354, 217);
        s.Brightness = 10;
        s.Contrast = -20;
        s.ColorDropType = 1;
        return s;
    }
    // Opens the source with `settings` and shows the sheet.
    HWND OpenSheet(const ScanSettings& settings, bool settingsOnly)
    {
        if (Open() != TWRC_SUCCESS) return nullptr;
        Apply(settings);
        if (EnableWithDialog(settingsOnly) != TWRC_SUCCESS) return nullptr;
        return FindSheet();
    }
    // Test programs running beside this one can take the activation away;
    // the sheet gets it back before it is driven.
    void Activate(HWND sheet)
    {
        for (int i = 0; i < 40 && GetActiveWindow() != sheet; ++i) {
            SetForegroundWindow(sheet);
            SetActiveWindow(sheet);
            if (GetActiveWindow() != sheet) Pump(50);
        }
    }
    // Brings page `index` to the front as a click on its tab would.
    HWND ShowPage(HWND sheet, int index)
    {
        Activate(sheet);
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        Pump(50);
        page = CurrentIndex(sheet) == index ? CurrentPage(sheet) : nullptr;
        return page;
    }

    HWND Item(int id) const { return GetDlgItem(page, id); }
    std::string Text(int id) const
    {
        char text[64] = {};
        GetDlgItemTextA(page, id, text, sizeof text);
        return text;
    }
    bool Checked(int id) const { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    int Position(int id) const { return static_cast<int>(SendMessageA(Item(id), TBM_GETPOS, 0, 0)); }
    int Selected(int id) const { return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)); }
    // The user drags a trackbar to `position` and lets go.
    void Scroll(int id, int position)
    {
        SendMessageA(Item(id), TBM_SETPOS, TRUE, position);
        SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(Item(id)));
        SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(Item(id)));
    }
    void Click(int id)
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        Pump(20);
    }
    // The user types into an edit and moves on to the next control.
    void TypeAndLeave(int id, const char* text)
    {
        SetWindowTextA(Item(id), text);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(Item(id)));
    }
    // OK on the Custom Settings page of a sheet enabled for settings only:
    // saved, MSG_CLOSEDSOK, then back to state 4 where the blob can be read.
    ScanSettings SaveAndRead(HWND sheet)
    {
        if (!ShowPage(sheet, kCustomIndex)) return ScanSettings{};
        const int before = Count(MSG_CLOSEDSOK);
        SendMessageA(Item(IDC_CUSTOM_SCAN), BM_CLICK, 0, 0);
        Pump(2000, [&] { return Count(MSG_CLOSEDSOK) > before; });
        EXPECT_EQ(Count(MSG_CLOSEDSOK), before + 1);
        EXPECT_EQ(Disable(), TWRC_SUCCESS);
        return Current();
    }
    // A right click on preset n; `act` gets the editor and ends it.
    int EditPreset(HWND sheet, int n, const std::function<void(HWND)>& act)
    {
        DialogDriver driver(IDC_EDIT_SIZE, [&](HWND editor) {
            act(editor);
            return true;
        });
        PostMessageA(PresetButton(sheet, n), WM_RBUTTONDOWN, MK_RBUTTON, 0);
        Pump(1500, [&] { return driver.Acted() > 0; });
        Pump(200);
        return driver.Acted();
    }
    void TransferOne()
    {
        TW_HANDLE dib = nullptr;
        ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        GlobalFree(dib);
    }

    HWND page = nullptr;
};

TEST_F(AdvancedSheet, ToneAndThresholdControlsReachTheSourcesSettings)
{
    HWND sheet = OpenSheet(Start(), false);
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(ShowPage(sheet, kAdvancedIndex), nullptr);
    ASSERT_NE(Item(IDC_ADV_HIGHLIGHT), nullptr);
    ASSERT_EQ(SendMessageA(Item(IDC_ADV_DROP_COLOR), CB_GETCOUNT, 0, 0), 4) << "the imaging library's controls";
    EXPECT_EQ(Selected(IDC_ADV_DROP_COLOR), 1) << "the source's red dropout";
    EXPECT_EQ(Text(IDC_ADV_HIGHLIGHT_VALUE), "255");

    // Highlight comes down to 100 with Shadow at 120: Shadow follows to 95.
    Scroll(IDC_ADV_SHADOW, 120);
    EXPECT_EQ(Position(IDC_ADV_HIGHLIGHT), 255) << "far enough above";
    Scroll(IDC_ADV_HIGHLIGHT, 100);
    EXPECT_EQ(Position(IDC_ADV_SHADOW), 95);
    EXPECT_EQ(Text(IDC_ADV_SHADOW_VALUE), " 95");
    Scroll(IDC_ADV_GAMMA, 25);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 2.5");

    // The black-and-white threshold: Manual, then 200 typed.
    EXPECT_TRUE(Checked(IDC_ADV_BW_AUTO));
    Click(IDC_ADV_BW_MANUAL);
    EXPECT_EQ(Text(IDC_ADV_BW_VALUE), "127");
    TypeAndLeave(IDC_ADV_BW_VALUE, "200");
    EXPECT_EQ(Position(IDC_ADV_BW_SLIDER), 200);
    EXPECT_TRUE(Checked(IDC_ADV_BW_MANUAL));
    Click(IDC_ADV_AUTO_ROTATE);

    // Scan from the Custom Settings page: the page's values are saved with
    // the settings and hold for the transfer.
    ASSERT_NE(ShowPage(sheet, kCustomIndex), nullptr);
    SendMessageA(Item(IDC_CUSTOM_SCAN), BM_CLICK, 0, 0);
    Pump(3000, [&] { return Count(MSG_XFERREADY) > 0; });
    ASSERT_EQ(Count(MSG_XFERREADY), 1);
    TransferOne();
    EXPECT_EQ(Pending(MSG_ENDXFER), 0) << "continuous scanning stayed off";
    EXPECT_EQ(GetProfile("SHEETAPP", "Highlight"), "100");
    EXPECT_EQ(GetProfile("SHEETAPP", "ColorDropBWThreshold"), "200");
    EXPECT_EQ(Disable(), TWRC_SUCCESS);

    const ScanSettings s = Current();
    EXPECT_EQ(s.Highlight, 100);
    EXPECT_EQ(s.Shadow, 95);
    EXPECT_EQ(s.Gamma, 25);
    EXPECT_EQ(s.ColorDropType, 1);
    EXPECT_EQ(s.ColorDropBWThreshold, 200);
    EXPECT_EQ(s.AutoRotate, 1);
    EXPECT_EQ(s.ContinuousScan, 0);
}

TEST_F(AdvancedSheet, ResetKeepsModeResolutionFrameBrightnessAndContrast)
{
    ScanSettings start = Start();
    start.Gamma = 30;
    start.Highlight = 200;
    start.Shadow = 20;
    start.ColorDropBWThreshold = 150;
    start.ContinuousScan = 1;
    HWND sheet = OpenSheet(start, true);
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(ShowPage(sheet, kAdvancedIndex), nullptr);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 3.0");
    EXPECT_TRUE(Checked(IDC_ADV_CONTINUOUS));
    EXPECT_TRUE(Checked(IDC_ADV_BW_MANUAL));
    EXPECT_EQ(Position(IDC_ADV_BW_SLIDER), 150);

    Click(IDC_ADV_RESET);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 1.8");
    EXPECT_EQ(Text(IDC_ADV_HIGHLIGHT_VALUE), "255");
    EXPECT_EQ(Text(IDC_ADV_SHADOW_VALUE), "  0");
    EXPECT_FALSE(Checked(IDC_ADV_CONTINUOUS));
    EXPECT_EQ(Selected(IDC_ADV_DROP_COLOR), 0);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ADV_BW_MANUAL))) << "no dropout colour left";

    const ScanSettings s = SaveAndRead(sheet);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.Highlight, 255);
    EXPECT_EQ(s.Shadow, 0);
    EXPECT_EQ(s.ColorDropType, 0);
    EXPECT_EQ(s.ColorDropBWThreshold, -1);
    EXPECT_EQ(s.ContinuousScan, 0);
    EXPECT_EQ(s.ScanMode, start.ScanMode);
    EXPECT_EQ(s.DPI, start.DPI);
    EXPECT_EQ(s.Top, start.Top);
    EXPECT_EQ(s.Left, start.Left);
    EXPECT_EQ(s.Bottom, start.Bottom);
    EXPECT_EQ(s.Right, start.Right);
    EXPECT_EQ(s.Brightness, start.Brightness);
    EXPECT_EQ(s.Contrast, start.Contrast);
}

TEST_F(AdvancedSheet, APresetsValuesShowWhenThePageComesToTheFront)
{
    PutProfile("PRESET_2", "DPI", "300");
    PutProfile("PRESET_2", "ScanMode", "2");
    PutProfile("PRESET_2", "Gamma", "30");
    PutProfile("PRESET_2", "Highlight", "200");
    PutProfile("PRESET_2", "Shadow", "20");
    PutProfile("PRESET_2", "AutoRotate", "1");
    PutProfile("PRESET_2", "ColorDropType", "1");
    PutProfile("PRESET_2", "ColorDropBWThreshold", "150");

    ScanSettings start = Start();
    start.ScanMode = kModeGray;
    start.ColorDropType = 0;
    HWND sheet = OpenSheet(start, true);
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(ShowPage(sheet, kAdvancedIndex), nullptr);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 1.8");
    EXPECT_FALSE(Checked(IDC_ADV_AUTO_ROTATE));
    Activate(sheet);
    SendMessageA(PresetButton(sheet, 2), BM_CLICK, 0, 0);
    Pump(2000, [&] { return Count(MSG_CLOSEDSOK) > 0; });
    ASSERT_EQ(Count(MSG_CLOSEDSOK), 1);
    ASSERT_EQ(Disable(), TWRC_SUCCESS);

    // The next sheet opens on the Pre-set page; the Advanced page, brought
    // to the front, shows the preset.
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    sheet = FindSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(CurrentIndex(sheet), 0);
    ASSERT_NE(ShowPage(sheet, kAdvancedIndex), nullptr);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 3.0");
    EXPECT_EQ(Position(IDC_ADV_HIGHLIGHT), 200);
    EXPECT_EQ(Text(IDC_ADV_SHADOW_VALUE), " 20");
    EXPECT_TRUE(Checked(IDC_ADV_AUTO_ROTATE));
    EXPECT_EQ(Selected(IDC_ADV_DROP_COLOR), 1);
    EXPECT_TRUE(Checked(IDC_ADV_BW_MANUAL)) << "black and white with a dropout colour";
    EXPECT_EQ(Position(IDC_ADV_BW_SLIDER), 150);
    EXPECT_EQ(Text(IDC_ADV_BW_VALUE), "150");

    // Grayscale chosen on the Custom Settings page: back here, the threshold
    // no longer applies, the dropout colour still does.
    ASSERT_NE(ShowPage(sheet, kCustomIndex), nullptr);
    SendMessageA(Item(IDC_CUSTOM_GRAYSCALE), BM_CLICK, 0, 0);
    ASSERT_NE(ShowPage(sheet, kAdvancedIndex), nullptr);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ADV_BW_MANUAL)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_ADV_DROP_COLOR)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_ADV_DROP_MANUAL)));
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(AdvancedSheet, ContinuousScanSwitchedOnHereRunsAPresetsScanContinuously)
{
    UsePages(kOneSheet, false);
    HWND sheet = OpenSheet(Start(), false);
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(ShowPage(sheet, kAdvancedIndex), nullptr);
    ASSERT_TRUE(IsWindowVisible(Item(IDC_ADV_CONTINUOUS)));
    EXPECT_FALSE(Checked(IDC_ADV_CONTINUOUS));
    Click(IDC_ADV_CONTINUOUS);
    EXPECT_TRUE(Checked(IDC_ADV_CONTINUOUS));

    // A preset is a whole settings record: the switch goes into preset button 4
    // through its editor's copy of the current settings.
    Activate(sheet);
    EXPECT_EQ(EditPreset(sheet, 3, [](HWND editor) {
                  DialogDriver::Press(editor, IDC_EDIT_COPY);
                  DialogDriver::Press(editor, IDOK);
              }),
              1);
    EXPECT_EQ(GetProfile("PRESET_3", "ContinuousScan"), "1");

    Activate(sheet);
    SendMessageA(PresetButton(FindSheet(), 3), BM_CLICK, 0, 0);
    Pump(3000, [&] { return Count(MSG_XFERREADY) > 0; });
    ASSERT_EQ(Count(MSG_XFERREADY), 1);
    EXPECT_EQ(Pending(MSG_GET), -1) << "the number of pages is open";
    TransferOne();

    // The dialog waits for the next document, which arrives while it counts.
    bool inserted = false;
    DialogDriver insert(IDC_CONTINUE_TEXT, [&](HWND) {
        if (inserted) return false;
        inserted = sim.Set("Feeder", "Pages", kOneSheet);
        return inserted;
    });
    EXPECT_EQ(Pending(MSG_ENDXFER), -1);
    EXPECT_EQ(insert.Acted(), 1) << "the continue-scan dialog came up";
    TransferOne();

    DialogDriver finish(IDC_CONTINUE_TEXT, [this](HWND dialog) {
        if (sim.Status("PaperPresent") != 0) return false;
        DialogDriver::Press(dialog, IDCANCEL);
        return true;
    });
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(finish.Acted(), 1) << "Finish ends the scan";
    Pump(300);
    EXPECT_EQ(Count(MSG_XFERREADY), 1) << "the second page came without a new MSG_XFERREADY";
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 1);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

} // namespace
