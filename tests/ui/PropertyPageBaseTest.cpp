// The property page base: the object reaches its page through the
// PROPSHEETPAGE of WM_INITDIALOG, receives the sheet's notifications, and is
// let go while the sheet's window is destroyed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "ui/PropertyPageBase.h"

namespace {

// An empty child template in memory: the module's page templates belong to
// the pages that use them.
struct alignas(4) EmptyPageTemplate {
    DLGTEMPLATE dlg;
    WORD menu, windowClass, title;
};

class TestPage : public CPropertyPageBase {
public:
    HWND initWindow = nullptr;
    int activations = 0;
    bool destroyed = false;

protected:
    void DescribePage(PROPSHEETPAGEA& page, int, const char* title) override
    {
        std::memset(&m_template, 0, sizeof m_template);
        m_template.dlg.style = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_CONTROL;
        m_template.dlg.cx = 200;
        m_template.dlg.cy = 120;
        page.dwFlags |= PSP_DLGINDIRECT | PSP_USETITLE;
        page.pResource = &m_template.dlg;
        page.pszTitle = title;
    }
    INT_PTR HandleMessage(UINT message, WPARAM, LPARAM lParam) override
    {
        switch (message) {
        case WM_INITDIALOG: initWindow = m_hwnd; return TRUE;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) {
                ++activations;
                SetMessageResult(0);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY: destroyed = true; return FALSE;
        default: return FALSE;
        }
    }

private:
    EmptyPageTemplate m_template;
};

TEST(PropertyPageBase, PagesFindTheirObjectsAndAreLetGoWithTheSheet)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    TestPage first, second;
    HPROPSHEETPAGE pages[2] = {first.CreatePage(0, "First"), second.CreatePage(0, "Second")};
    ASSERT_NE(pages[0], nullptr);
    ASSERT_NE(pages[1], nullptr);
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = "Sheet";
    header.nPages = 2;
    header.phpage = pages;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(first.initWindow, nullptr) << "the first page was made with its object";
    EXPECT_EQ(first.Window(), first.initWindow);
    EXPECT_EQ(GetParent(first.Window()), sheet);
    EXPECT_EQ(first.activations, 1);
    EXPECT_EQ(second.initWindow, nullptr) << "the second page is made when it is shown";

    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    ASSERT_NE(second.initWindow, nullptr);
    EXPECT_NE(second.initWindow, first.initWindow);
    EXPECT_EQ(second.activations, 1);

    DestroyWindow(sheet);
    EXPECT_TRUE(first.destroyed);
    EXPECT_TRUE(second.destroyed);
    EXPECT_EQ(first.Window(), nullptr);
    EXPECT_EQ(second.Window(), nullptr);
}

} // namespace
