// The Advanced page in a real property sheet, over device values in memory:
// what it shows, the sliders, the check box, Default and Cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "PageSheet.h"
#include "TestModule.h"
#include "WIAUI/AdvancedPage.h"
#include "WIAUI/resource.h"

using namespace tx::wiaui;

namespace {

int Pos(HWND page, int id) { return static_cast<int>(SendDlgItemMessageA(page, id, TBM_GETPOS, 0, 0)); }

class AdvancedPageTest : public ::testing::Test {
protected:
    void Open()
    {
        HPROPSHEETPAGE page = CreateAdvancedPage();
        ASSERT_NE(page, nullptr);
        m_sheet.reset(new PageSheet({page}));
        ASSERT_NE(m_sheet->Sheet(), nullptr);
        m_page = m_sheet->Page();
        ASSERT_NE(m_page, nullptr);
    }
    void Put(const char* name, uint32_t value) { m_store.Get().Write("Tarvex 380", name, value); }

    ScopedStore m_store;
    std::unique_ptr<PageSheet> m_sheet;
    HWND m_page = nullptr;
};

TEST_F(AdvancedPageTest, ShowsTheValuesTextsAndRanges)
{
    Put("PrefeedEnable", 1);
    Put("PrefeedDelayInMs", 1700);
    Put("PrefeedDistance", 22);
    Open();
    EXPECT_EQ(IsDlgButtonChecked(m_page, IDC_PREFEED), BST_CHECKED);
    EXPECT_EQ(Pos(m_page, IDC_DELAY), 1700);
    EXPECT_EQ(Pos(m_page, IDC_DISTANCE), 22);
    EXPECT_EQ(SendDlgItemMessageA(m_page, IDC_DELAY, TBM_GETRANGEMIN, 0, 0), kDelayMin);
    EXPECT_EQ(SendDlgItemMessageA(m_page, IDC_DELAY, TBM_GETRANGEMAX, 0, 0), kDelayMax);
    EXPECT_EQ(SendDlgItemMessageA(m_page, IDC_DELAY, TBM_GETLINESIZE, 0, 0), kDelayLine);
    EXPECT_EQ(SendDlgItemMessageA(m_page, IDC_DISTANCE, TBM_GETRANGEMIN, 0, 0), kDistanceMin);
    EXPECT_EQ(SendDlgItemMessageA(m_page, IDC_DISTANCE, TBM_GETRANGEMAX, 0, 0), kDistanceMax);
    EXPECT_EQ(PageSheet::Text(m_page, IDC_SETTINGS_GROUP), "Custom Settings");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_PREFEED), "Prefeed");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_DELAY_LABEL), "Delay:");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_DISTANCE_LABEL), "Distance:");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_DELAY_LONG), "Long");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_DISTANCE_SHORT), "Short");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_DEFAULT), "Default");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_CALIBRATE), "Calibrate");
    EXPECT_EQ(PageSheet::Text(m_page, IDC_CLEAN), "Clean");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(m_page, IDC_CALIBRATE_SENSOR)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(m_page, IDC_CLEAN)));
    TCITEMA tab = {};
    char title[64] = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = title;
    tab.cchTextMax = sizeof title;
    SendMessageA(PropSheet_GetTabControl(m_sheet->Sheet()), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_STREQ(title, "Advanced");
}

TEST_F(AdvancedPageTest, MovedDelayIsWrittenAndCancelWritesTheOpeningValueBack)
{
    Put("PrefeedDelayInMs", 1000);
    Open();
    PageSheet::StepRight(GetDlgItem(m_page, IDC_DELAY));
    EXPECT_EQ(Pos(m_page, IDC_DELAY), 1050) << "one line is 50 ms";
    EXPECT_EQ(m_store.Value("PrefeedDelayInMs"), 1050) << "written at the end of the move";
    PageSheet::StepRight(GetDlgItem(m_page, IDC_DISTANCE));
    EXPECT_EQ(m_store.Value("PrefeedDistance"), 14);
    m_sheet->Cancel();
    EXPECT_EQ(m_store.Value("PrefeedDelayInMs"), 1000);
    EXPECT_EQ(m_store.Value("PrefeedDistance"), 13);
    EXPECT_EQ(OpeningValues().delay, 1000);
}

TEST_F(AdvancedPageTest, CheckBoxAndDefault)
{
    Put("PrefeedEnable", 1);
    Put("PrefeedDelayInMs", 2000);
    Put("PrefeedEnableDef", 1);
    Put("PrefeedDelayInMsDef", 2000);
    Put("PrefeedDistanceDef", 9);
    Open();
    SendDlgItemMessageA(m_page, IDC_PREFEED, BM_CLICK, 0, 0);
    EXPECT_EQ(m_store.Value("PrefeedEnable"), 0);
    SendDlgItemMessageA(m_page, IDC_DELAY, TBM_SETPOS, TRUE, 500);
    SendMessageA(m_page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_page, IDC_DELAY)));
    EXPECT_EQ(m_store.Value("PrefeedDelayInMs"), 500);
    SendDlgItemMessageA(m_page, IDC_DEFAULT, BM_CLICK, 0, 0);
    EXPECT_EQ(m_store.Value("PrefeedEnable"), 1);
    EXPECT_EQ(m_store.Value("PrefeedDelayInMs"), 2000);
    EXPECT_EQ(m_store.Value("PrefeedDistance"), 9);
    EXPECT_EQ(IsDlgButtonChecked(m_page, IDC_PREFEED), BST_CHECKED);
    EXPECT_EQ(Pos(m_page, IDC_DELAY), 2000);
    EXPECT_EQ(Pos(m_page, IDC_DISTANCE), 9);
}

TEST(AdvancedPageNoDevice, ShowsOffAndMinimaAndWritesNothing)
{
    ScopedStore store(false);
    HPROPSHEETPAGE page = CreateAdvancedPage();
    PageSheet sheet({page});
    HWND p = sheet.Page();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(p, IDC_PREFEED), BST_UNCHECKED);
    EXPECT_EQ(Pos(p, IDC_DELAY), kDelayMin);
    EXPECT_EQ(Pos(p, IDC_DISTANCE), kDistanceMin);
    SendDlgItemMessageA(p, IDC_PREFEED, BM_CLICK, 0, 0);
    sheet.Cancel();
    EXPECT_EQ(store.Get().Writes(), 0);
}

TEST(AddAdvancedPage, RefusedOrMissingCallbackFails)
{
    EXPECT_EQ(AddAdvancedPage(RefusePage, 0), E_FAIL);
    EXPECT_EQ(AddAdvancedPage(nullptr, 0), E_INVALIDARG);
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(AddAdvancedPage(CollectPage, reinterpret_cast<LPARAM>(&pages)), S_OK);
    ASSERT_EQ(pages.size(), 1u);
    DestroyPropertySheetPage(pages[0]);
}

}  // namespace
