#include "AdvancedPageFixture.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>

#include "caps/CapValues.h"
#include "device/DriverLink.h"
#include "device/UvLamp.h"
#include "imaging/ImagingQuery.h"
#include "session/DataSourceApp.h"
#include "ui/AdvancedSettingsRules.h"
#include "ui/resource.h"

bool AdvancedPageTest::g_imaging = true;

namespace {

bool ImagingAnswer();

// An empty page to switch to.
struct alignas(4) EmptyTemplate {
    DLGTEMPLATE dlg;
    WORD menu, windowClass, title;
};

class OtherPage : public CPropertyPageBase {
protected:
    void DescribePage(PROPSHEETPAGEA& p, int, const char* title) override
    {
        std::memset(&m_template, 0, sizeof m_template);
        m_template.dlg.style = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_CONTROL;
        m_template.dlg.cx = 100;
        m_template.dlg.cy = 60;
        p.dwFlags |= PSP_DLGINDIRECT | PSP_USETITLE;
        p.pResource = &m_template.dlg;
        p.pszTitle = title;
    }
    INT_PTR HandleMessage(UINT, WPARAM, LPARAM) override { return FALSE; }

private:
    EmptyTemplate m_template;
};
OtherPage g_other;

} // namespace

namespace {
bool ImagingAnswer() { return AdvancedPageTest::g_imaging; }
} // namespace

void AdvancedPageTest::SetUp()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    ASSERT_TRUE(sim.Loaded());
    ASSERT_TRUE(TheScanner().Bind(sim.Module()));
    ASSERT_EQ(TheScanner().OpenInterface("Tarvex380"), 0);
    store.AddDevice("Tarvex 380");
    tx::SetDeviceValueStore(&store);
    ForgetUvLampPresence();
    g_imaging = true;
    SetImagingQuery(&ImagingAnswer);
    std::strcpy(TheApp().m_appIdentity.ProductName, "Page Test");
    TheCapValues().transferCount = -1;

    advanced::ResetAdvanced(settings);
    settings.ScanMode = 1;
    settings.DPI = 200;
    settings.Brightness = 10;
    settings.Contrast = -20;
    settings.Right = 850;
    settings.Bottom = 1000;
}

void AdvancedPageTest::TearDown()
{
    if (sheet && IsWindow(sheet)) DestroyWindow(sheet);
    Pump();
    advanced.reset();
    SetImagingQuery(nullptr);
    tx::SetDeviceValueStore(nullptr);
    ForgetUvLampPresence();
    TheScanner().SI_CloseInterface();
    TheScanner().Unload();
}

bool AdvancedPageTest::Show()
{
    advanced.reset(new CAdvancedSettingsPage(&settings));
    HPROPSHEETPAGE pages[2] = {advanced->CreatePage(IDD_ADVANCED_PAGE, "Advanced Settings"),
                               g_other.CreatePage(0, "Other")};
    if (!pages[0] || !pages[1]) return false;
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
    header.pszCaption = "Tarvex 380";
    header.nPages = 2;
    header.phpage = pages;
    sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet) return false;
    SetWindowPos(sheet, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    Pump(100);
    return page == advanced->Window();
}

void AdvancedPageTest::ShowOtherPage()
{
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    Pump();
}

void AdvancedPageTest::ShowAdvancedPage()
{
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    Pump();
}

std::string AdvancedPageTest::Text(int id) const
{
    char text[64] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

int AdvancedPageTest::Position(int id) const
{
    return static_cast<int>(SendMessageA(Item(id), TBM_GETPOS, 0, 0));
}

void AdvancedPageTest::Scroll(int id, int position)
{
    SendMessageA(Item(id), TBM_SETPOS, TRUE, position);
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(Item(id)));
    SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(Item(id)));
}

void AdvancedPageTest::Click(int id)
{
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    Pump(20);
}

void AdvancedPageTest::Type(int id, const char* text, bool leave)
{
    SetWindowTextA(Item(id), text);   // the edit tells its page EN_CHANGE
    if (leave) SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(Item(id)));
}

void AdvancedPageTest::ChooseColour(int index)
{
    SendMessageA(Item(IDC_ADV_DROP_COLOR), CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ADV_DROP_COLOR, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(IDC_ADV_DROP_COLOR)));
}

void AdvancedPageTest::Pump(DWORD ms)
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
