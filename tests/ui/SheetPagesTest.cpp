// The pages of the sheet through DS_Entry: the Information page's rows and
// versions, the preset tooltips, the paper timer's prefeed, the preset
// editor, and closing the source while a scan started from the sheet runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "DialogDriver.h"
#include "SheetFixture.h"
#include "ui/ScanSheet.h"
#include "ui/resource.h"

namespace {

std::string Text(HWND window, int id)
{
    char buf[256] = {};
    GetDlgItemTextA(window, id, buf, sizeof buf);
    return buf;
}

class SheetPages : public SheetTest {
protected:
    HWND OpenSheet(bool settingsOnly = false)
    {
        EXPECT_EQ(Open(), TWRC_SUCCESS);
        EXPECT_EQ(EnableWithDialog(settingsOnly), TWRC_SUCCESS);
        HWND sheet = FindSheet();
        EXPECT_NE(sheet, nullptr);
        return sheet;
    }
    // The Information page, shown: the last tab.
    HWND ShowInformation(HWND sheet)
    {
        HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        const int last = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) - 1;
        SendMessageA(sheet, PSM_SETCURSEL, last, 0);
        return CurrentPage(sheet);
    }
    // The text of the tooltip that belongs to `button`.
    static std::string TooltipOf(HWND button)
    {
        struct Search {
            HWND button;
            std::string text;
        } search{button, {}};
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                char cls[64] = {};
                GetClassNameA(window, cls, sizeof cls);
                if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) return TRUE;
                char text[256] = {};
                TOOLINFOA tool = {};
                tool.cbSize = TTTOOLINFOA_V2_SIZE;
                tool.hwnd = s->button;
                tool.uId = 1;
                tool.lpszText = text;
                SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
                if (text[0]) s->text = text;
                return s->text.empty();
            },
            reinterpret_cast<LPARAM>(&search));
        return search.text;
    }
    static std::string SystemDriverPath()
    {
        char system[MAX_PATH] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        return std::string(system) + "\\TARVX380.dll";
    }
};

TEST_F(SheetPages, InformationPageShowsSerialAndVersions)
{
    DeleteFileA(SystemDriverPath().c_str());
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowInformation(sheet);
    ASSERT_NE(GetDlgItem(page, IDC_INFO_DS_VERSION), nullptr);
    EXPECT_EQ(Text(page, IDC_INFO_SERIAL), "TX380-0001");
    EXPECT_EQ(Text(page, IDC_INFO_DS_VERSION), "3.5.0.0");
    EXPECT_EQ(Text(page, IDC_INFO_DLL_VERSION), "---") << "no driver library in the system folder";
    EXPECT_EQ(Text(page, IDC_INFO_SERIAL_LABEL), "Serial number:");
    EXPECT_EQ(Text(page, IDC_INFO_DLL_LABEL), "DLL version:");
    for (int hidden : {IDC_INFO_PORT, IDC_INFO_PORT_LABEL, IDC_INFO_PORT_OVERRIDE})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, hidden))) << hidden;
    RECT client = {}, row = {};
    GetClientRect(page, &client);
    GetWindowRect(GetDlgItem(page, IDC_INFO_INTERFACE_LABEL), &row);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&row), 2);
    EXPECT_GE(row.left, client.right) << "the interface row lies outside the page";

    // The picture takes the bitmap's size, centred in the left half of the frame.
    RECT picture = {}, frame = {};
    GetWindowRect(GetDlgItem(page, IDC_INFO_PICTURE), &picture);
    GetWindowRect(GetDlgItem(page, IDC_INFO_FRAME), &frame);
    EXPECT_EQ(picture.right - picture.left, 160);
    EXPECT_EQ(picture.bottom - picture.top, 50);
    EXPECT_NEAR((picture.left + picture.right) / 2, frame.left + (frame.right - frame.left) / 4, 2);
    EXPECT_NEAR((picture.top + picture.bottom) / 2, (frame.top + frame.bottom) / 2, 2);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetPages, DriverVersionFromTheSystemFolderAndShortSerials)
{
    char own[MAX_PATH] = {};
    GetModuleFileNameA(sim.Module(), own, MAX_PATH);
    ASSERT_TRUE(CopyFileA(own, SystemDriverPath().c_str(), FALSE));
    Sim("Device", "Serial", "ABC");
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowInformation(sheet);
    EXPECT_EQ(Text(page, IDC_INFO_DLL_VERSION), "1.2.300.4");
    EXPECT_EQ(Text(page, IDC_INFO_SERIAL), "N/A") << "three characters";
    EXPECT_EQ(Disable(), TWRC_SUCCESS);

    Sim("Device", "Serial", "ABCD");
    ASSERT_EQ(EnableWithDialog(), TWRC_SUCCESS);
    page = ShowInformation(FindSheet());
    EXPECT_EQ(Text(page, IDC_INFO_SERIAL), "ABCD");
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    DeleteFileA(SystemDriverPath().c_str());
}

TEST_F(SheetPages, PresetTooltipsAndTexts)
{
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(TooltipOf(PresetButton(sheet, 3)), "200 dpi, Grayscale, Business card (90 x 55mm).");
    EXPECT_EQ(TooltipOf(PresetButton(sheet, 0)), "150 dpi, Color, Large photo (6.0 x 4.0\").");
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(Text(page, IDC_PRESET_CALIBRATE), "Calibrate");
    EXPECT_EQ(TooltipOf(GetDlgItem(page, IDC_PRESET_CALIBRATE)),
              "Please calibrate your scanner periodically for improved image quality");
    EXPECT_EQ(Text(page, IDC_PRESET_HELP).rfind("Use the above pre-defined settings for a quick scan.", 0), 0u);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetPages, AFrameOfNoPageSizeShowsInInchesInTheTooltip)
{
    PutProfile("PRESET_1", "DPI", "300");
    PutProfile("PRESET_1", "Right", "430");
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(TooltipOf(PresetButton(sheet, 1)), "300 dpi, Black/White, 4.3\" x 10.0\".");
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

// The paper poll runs on ticks the test steps itself (the sheet's timer is
// switched off), so the outcome does not depend on how busy the machine is.
class SheetPaperPoll : public SheetPages {
protected:
    HWND OpenStepped()
    {
        HWND sheet = OpenSheet();
        if (!sheet) return nullptr;
        SendMessageA(sheet, kMsgPaperClock, 1, 0);
        Activate(sheet);
        return sheet;
    }
    // The sheet polls only while it is the active window; test programs
    // running beside this one can take that away, so it is given back.
    void Activate(HWND sheet)
    {
        for (int i = 0; i < 40 && GetActiveWindow() != sheet; ++i) {
            SetForegroundWindow(sheet);
            SetActiveWindow(sheet);
            if (GetActiveWindow() != sheet) Pump(50);
        }
    }
    // One tick of an active sheet; false when the poll did not read.
    static bool TickOnce(HWND sheet) { return SendMessageA(sheet, kMsgPaperTick, 0, 0) == 1; }
    bool Tick(HWND sheet)
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            Activate(sheet);
            if (TickOnce(sheet)) return true;
            Pump(50);
        }
        return false;
    }
    void Ticks(HWND sheet, int n)
    {
        for (int i = 0; i < n; ++i) EXPECT_TRUE(Tick(sheet)) << "tick " << i;
    }
};

TEST_F(SheetPaperPoll, InsertedWhileActivePrefeedsOnceAndAgainAfterRemoval)
{
    UsePages("");
    HWND sheet = OpenStepped();
    ASSERT_NE(sheet, nullptr);
    Ticks(sheet, 2);
    const int before = sim.Status("Feeds");
    UsePages("samples\\01-letter.png");
    Ticks(sheet, 5);
    EXPECT_EQ(sim.Status("Feeds"), before + 1) << "one prefeed for one insertion";
    UsePages("");
    Ticks(sheet, 2);
    EXPECT_EQ(sim.Status("Feeds"), before + 1);
    UsePages("samples\\01-letter.png");
    Ticks(sheet, 3);
    EXPECT_EQ(sim.Status("Feeds"), before + 2) << "removed and inserted again";
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetPaperPoll, PresentAtOpenIsNotPrefed)
{
    HWND sheet = OpenStepped();
    ASSERT_NE(sheet, nullptr);
    const int before = sim.Status("Feeds");
    Ticks(sheet, 6);
    EXPECT_EQ(sim.Status("Feeds"), before);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetPaperPoll, StoppedPollAndInactiveSheetReadNothing)
{
    UsePages("");
    HWND sheet = OpenStepped();
    ASSERT_NE(sheet, nullptr);
    Ticks(sheet, 1);
    SendMessageA(sheet, kMsgPollPaper, 0, 0);
    const int before = sim.Status("Feeds");
    UsePages("samples\\01-letter.png");
    Activate(sheet);
    EXPECT_FALSE(TickOnce(sheet)) << "polling stopped";
    EXPECT_EQ(sim.Status("Feeds"), before);
    SendMessageA(sheet, kMsgPollPaper, 1, 0);
    EXPECT_TRUE(Tick(sheet));
    EXPECT_EQ(sim.Status("Feeds"), before + 1) << "the insertion is seen once polling resumes";
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(SheetPages, CloseDuringAScanStartedFromTheSheet)
{
    Sim("Device", "RowsPerSecond", "1500");
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    SendMessageA(PresetButton(sheet, 4), BM_CLICK, 0, 0);
    Pump(2000, [&] { return Count(MSG_XFERREADY) > 0; });
    ASSERT_EQ(Count(MSG_XFERREADY), 1);

    // While the transfer's progress dialog pumps, the application's handler
    // asks to close: refused, the scan goes on.
    static SourceHarness* harness;
    static TW_UINT16 nestedRc, nestedCc;
    harness = &app;
    nestedRc = 0xFFFF;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        nestedRc = harness->Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        nestedCc = harness->ConditionCode();
    });
    ASSERT_NE(timer, 0u);
    TW_HANDLE dib = nullptr;
    EXPECT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    if (dib) GlobalFree(dib);
    EXPECT_EQ(nestedRc, TWRC_FAILURE) << "a close from a handler under the scan";
    EXPECT_EQ(nestedCc, TWCC_SEQERROR);
    EXPECT_EQ(Close(), TWRC_SUCCESS);
    EXPECT_TRUE(IsWindowEnabled(app.AppWindow()));
    EXPECT_EQ(FindSheet(), nullptr);
}

// The editor, run modally from a right click while the loop pumps; `act`
// looks at it and ends it.
class PresetEditor : public SheetPages {
protected:
    int RightClick(int n, const std::function<void(HWND)>& act)
    {
        HWND sheet = FindSheet();
        DialogDriver driver(IDC_EDIT_SIZE, [&](HWND editor) {
            act(editor);
            return true;
        });
        PostMessageA(PresetButton(sheet, n), WM_RBUTTONDOWN, MK_RBUTTON, 0);
        Pump(1500, [&] { return driver.Acted() > 0; });
        Pump(200);
        return driver.Acted();
    }
    static std::string SizeItem(HWND editor, int i)
    {
        char buf[128] = {};
        SendDlgItemMessageA(editor, IDC_EDIT_SIZE, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        return buf;
    }
    static int Selected(HWND editor, int id)
    {
        return static_cast<int>(SendDlgItemMessageA(editor, id, CB_GETCURSEL, 0, 0));
    }
};

TEST_F(PresetEditor, UserDefinedSizeInInchesThenPhoto)
{
    PutProfile("MAIN", "Units", "1");
    PutProfile("PRESET_2", "DPI", "300");
    PutProfile("PRESET_2", "ScanMode", "1");
    ASSERT_NE(OpenSheet(), nullptr);
    std::string first;
    int selected = -1, count = 0;
    EXPECT_EQ(RightClick(2, [&](HWND editor) {
                  first = SizeItem(editor, 0);
                  selected = Selected(editor, IDC_EDIT_SIZE);
                  count = static_cast<int>(SendDlgItemMessageA(editor, IDC_EDIT_SIZE, CB_GETCOUNT, 0, 0));
                  SendDlgItemMessageA(editor, IDC_EDIT_SIZE, CB_SETCURSEL, 2, 0); // the photo
                  DialogDriver::Press(editor, IDOK);
              }),
              1);
    EXPECT_EQ(first, "User Defined (4.3\" x 10.0\")");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(GetProfile("PRESET_2", "Bottom"), "500");
    EXPECT_EQ(GetProfile("PRESET_2", "Right"), "350");
    EXPECT_EQ(GetProfile("PRESET_2", "Locked"), "<absent>") << "a section with a DPI counts as saved already";
    EXPECT_EQ(GetProfile("PRESET_2", "ScanMode"), "1");

    // Reopened: only the four sizes, the photo chosen.
    EXPECT_EQ(RightClick(2, [&](HWND editor) {
                  count = static_cast<int>(SendDlgItemMessageA(editor, IDC_EDIT_SIZE, CB_GETCOUNT, 0, 0));
                  selected = Selected(editor, IDC_EDIT_SIZE);
                  DialogDriver::Press(editor, IDCANCEL);
              }),
              1);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(TooltipOf(PresetButton(FindSheet(), 2)), "300 dpi, Grayscale, Photo (5.0 x 3.5\").")
        << "the tooltip follows the saved preset";
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(PresetEditor, UserDefinedSizeInMillimetres)
{
    PutProfile("MAIN", "Units", "0");
    PutProfile("PRESET_0", "DPI", "150");
    PutProfile("PRESET_0", "Right", "432");
    ASSERT_NE(OpenSheet(), nullptr);
    std::string first;
    RightClick(0, [&](HWND editor) {
        first = SizeItem(editor, 0);
        DialogDriver::Press(editor, IDOK);
    });
    EXPECT_EQ(first, "User Defined (110mm x 254mm)");
    EXPECT_EQ(GetProfile("PRESET_0", "Bottom"), "1000") << "the user-defined item keeps the frame";
    EXPECT_EQ(GetProfile("PRESET_0", "Right"), "432");
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

TEST_F(PresetEditor, CopyThenCancelAndLockedAndOfferedDpi)
{
    ASSERT_NE(OpenSheet(), nullptr);
    EXPECT_EQ(RightClick(1, [&](HWND editor) {
                  DialogDriver::Press(editor, IDC_EDIT_COPY);
                  DialogDriver::Press(editor, IDCANCEL);
              }),
              1);
    EXPECT_EQ(GetProfile("PRESET_1", "DPI"), "<absent>") << "Cancel saves nothing";

    PutProfile("PRESET_3", "Locked", "1");
    EXPECT_EQ(RightClick(3, [&](HWND editor) { DialogDriver::Press(editor, IDCANCEL); }), 0)
        << "a locked preset opens no editor";

    // A stored resolution the scanner does not offer is snapped when the
    // preset loads; the editor shows and saves the snapped one.
    PutProfile("PRESET_4", "DPI", "250");
    int resolution = -1;
    char first[16] = {};
    EXPECT_EQ(RightClick(4, [&](HWND editor) {
                  resolution = Selected(editor, IDC_EDIT_RESOLUTION);
                  SendDlgItemMessageA(editor, IDC_EDIT_RESOLUTION, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
                  DialogDriver::Press(editor, IDOK);
              }),
              1);
    EXPECT_EQ(resolution, 1);
    EXPECT_STREQ(first, "150");
    EXPECT_EQ(GetProfile("PRESET_4", "DPI"), "200");
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
}

} // namespace
