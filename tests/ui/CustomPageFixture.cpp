#include "CustomPageFixture.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>

#include "caps/CapValues.h"
#include "device/DriverLink.h"
#include "device/ResolutionList.h"
#include "imaging/ImagingQuery.h"
#include "session/DataSourceApp.h"
#include "settings/Units.h"
#include "ui/ScanSheet.h"
#include "ui/resource.h"

bool CustomPageTest::g_imaging = false;
std::vector<int> CustomPageTest::g_sheetCommands;
std::vector<int> CustomPageTest::g_pollMessages;

namespace {

bool ImagingAnswer() { return CustomPageTest::g_imaging; }

LRESULT CALLBACK WatchSheet(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        // Recorded, not carried out: the test's sheet would close.
        CustomPageTest::g_sheetCommands.push_back(LOWORD(wParam));
        return 0;
    }
    if (message == kMsgPollPaper) CustomPageTest::g_pollMessages.push_back(static_cast<int>(wParam));
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::string PreviewFolder()
{
    const std::string path = PreviewFilePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

} // namespace

void CustomPageTest::SetUp()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    ASSERT_TRUE(sim.Loaded());
    ASSERT_TRUE(TheScanner().Bind(sim.Module()));
    ASSERT_EQ(TheScanner().OpenInterface("Tarvex380"), 0);
    sim.Set("Device", "BusyAfterScanMs", "0");
    g_imaging = false;
    SetImagingQuery(&ImagingAnswer);
    TheCapValues() = CapValues();
    const int32_t list[] = {150, 200, 300, 600};
    SetResolutionList(list, 4);
    TheApp().m_uiMode = 0;
    std::strcpy(TheApp().m_helpPath, "C:\\windows\\TARVX380.hlp");
    SetUnits(kUnitsInches);
    ForgetCustomSliderMemory();
    g_sheetCommands.clear();
    g_pollMessages.clear();
    RemovePreviewFile();

    settings = ScanSettings();
    settings.ScanMode = kModeGray;
    settings.DPI = 200;
    settings.Gamma = 18;
    settings.Highlight = 255;
    settings.Brightness = 10;
    settings.Contrast = -20;
    settings.Right = 432;
    settings.Bottom = 1000;
}

void CustomPageTest::TearDown()
{
    if (sheet && IsWindow(sheet)) DestroyWindow(sheet);
    Pump();
    custom.reset();
    RemovePreviewFile();
    SetImagingQuery(nullptr);
    TheScanner().SI_CloseInterface();
    TheScanner().Unload();
}

bool CustomPageTest::Show()
{
    custom.reset(new CCustomSettingsPage(&settings));
    HPROPSHEETPAGE pages[1] = {custom->CreatePage(g_imaging ? IDD_CUSTOM_PAGE_IMAGING : IDD_CUSTOM_PAGE, "Custom Settings")};
    if (!pages[0]) return false;
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
    header.pszCaption = "Tarvex 380";
    header.nPages = 1;
    header.phpage = pages;
    sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet) return false;
    SetWindowSubclass(sheet, &WatchSheet, 1, 0);
    SetWindowPos(sheet, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    Pump(100);
    preview = custom->Preview();
    return page == custom->Window() && preview && preview->Window();
}

std::string CustomPageTest::Text(int id) const
{
    char text[128] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

int CustomPageTest::TopIn(int id) const
{
    RECT r = {};
    GetWindowRect(Item(id), &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    return r.top;
}

int CustomPageTest::PageHeight() const
{
    RECT r = {};
    GetClientRect(page, &r);
    return r.bottom;
}

void CustomPageTest::Click(int id)
{
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    Pump(20);
}

void CustomPageTest::Choose(int id, int index)
{
    SendMessageA(Item(id), CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

void CustomPageTest::Scroll(int id, int position)
{
    SendMessageA(Item(id), TBM_SETPOS, TRUE, position);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(Item(id)));
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(Item(id)));
}

int CustomPageTest::Selected(int id) const
{
    return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
}

int CustomPageTest::Count(int id) const
{
    return static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
}

std::string CustomPageTest::ItemText(int id, int index) const
{
    char text[128] = {};
    if (SendMessageA(Item(id), CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text)) return {};
    SendMessageA(Item(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void CustomPageTest::Mouse(UINT message, int x, int y)
{
    const WPARAM keys = message == WM_LBUTTONUP ? 0 : (message == WM_MOUSEMOVE ? MK_LBUTTON : 0);
    SendMessageA(preview->Window(), message, keys, MAKELPARAM(x, y));
}

void CustomPageTest::Pump(DWORD ms)
{
    const DWORD until = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(GetTickCount() - until) < 0);
}

void CustomPageTest::RemovePreviewFile()
{
    const std::string path = PreviewFilePath();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

bool CustomPageTest::FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int CustomPageTest::TempFileCount()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((PreviewFolder() + "PRV*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}
