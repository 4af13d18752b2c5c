#include "SheetFixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include "ui/resource.h"

namespace {
// Only the sections these tests use go: other test programs share the file.
void ClearSections()
{
    const char* sections[] = {"SHEETAPP", "PRESET_0", "PRESET_1", "PRESET_2", "PRESET_3", "PRESET_4", "MAIN"};
    for (const char* section : sections) WritePrivateProfileStringA(section, nullptr, nullptr, SheetTest::ProfilePath().c_str());
}
} // namespace

void SheetTest::SetUp()
{
    ClearSections();
    XferTest::SetUp();
}

void SheetTest::TearDown()
{
    XferTest::TearDown();
    ClearSections();
}

std::string SheetTest::ProfilePath()
{
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    return std::string(folder) + "\\Mirevo\\TARVX380.INI";
}

void SheetTest::PutProfile(const char* section, const char* key, const char* value)
{
    CreateDirectoryA((ProfilePath().substr(0, ProfilePath().rfind('\\'))).c_str(), nullptr);
    WritePrivateProfileStringA(section, key, value, ProfilePath().c_str());
}

std::string SheetTest::GetProfile(const char* section, const char* key)
{
    char buf[64] = {};
    GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, ProfilePath().c_str());
    return buf;
}

TW_UINT16 SheetTest::EnableWithDialog(bool settingsOnly, TW_USERINTERFACE* ui)
{
    TW_USERINTERFACE record{TRUE, FALSE, app.AppWindow()};
    const TW_UINT16 rc =
        app.Call(DG_CONTROL, DAT_USERINTERFACE, settingsOnly ? MSG_ENABLEDSUIONLY : MSG_ENABLEDS, &record);
    if (ui) *ui = record;
    return rc;
}

namespace {
BOOL CALLBACK FindSheetWindow(HWND window, LPARAM out)
{
    if (!IsWindowVisible(window)) return TRUE;
    HWND page = reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (page && IsChild(window, page)) {
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND SheetTest::FindSheet()
{
    HWND sheet = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindSheetWindow, reinterpret_cast<LPARAM>(&sheet));
    return sheet;
}

HWND SheetTest::CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int SheetTest::CurrentIndex(HWND sheet)
{
    return static_cast<int>(SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0));
}

int SheetTest::TabIndex(HWND sheet, const char* title)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        if (lstrcmpA(text, title) == 0) return i;
    }
    return -1;
}

HWND SheetTest::PresetButton(HWND sheet, int n)
{
    // The sheet opens on the Custom Settings page by default: the user brings
    // the Pre-set page to the front before pressing one of its buttons.
    if (sheet && CurrentIndex(sheet) != 0) SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_INDEXTOHWND, 0, 0));
    return page ? GetDlgItem(page, IDC_PRESET_FIRST + n) : nullptr;
}
