// The registered extension reached the way the shell reaches it: through
// CoCreateInstance and its exports, with a test data object, a real menu,
// a real property sheet and the simulated scanner.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <commctrl.h>

#include "ComEnvironment.h"
#include "FakeWia.h"
#include "MessageBoxRecorder.h"
#include "PageSheet.h"
#include "SimulatedScanner.h"

namespace {

constexpr int kConfirmText = 1022;  // the confirmation dialog's instruction
constexpr int kPrefeed = 1022, kDelay = 1029, kDistance = 1030, kCalibrateButton = 1001;

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { if (p) p->Release(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    void** Out() { return reinterpret_cast<void**>(&p); }
    T* operator->() const { return p; }
    T* p = nullptr;
};

class Extension : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(CoCreateInstance(kClsidShellExt, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, m_init.Out()),
                  S_OK);
        ASSERT_EQ(m_init->QueryInterface(IID_IContextMenu, m_menu.Out()), S_OK);
        ASSERT_EQ(m_init->QueryInterface(IID_IShellPropSheetExt, m_sheet.Out()), S_OK);
    }
    ComPtr<IShellExtInit> m_init;
    ComPtr<IContextMenu> m_menu;
    ComPtr<IShellPropSheetExt> m_sheet;
};

TEST(Activation, TheShellExtensionAndNothingElse)
{
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(CoCreateInstance(kClsidShellExt, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, unknown.Out()), S_OK);
    for (const IID* iid : {&IID_IShellExtInit, &IID_IContextMenu, &IID_IShellPropSheetExt}) {
        ComPtr<IUnknown> part;
        EXPECT_EQ(unknown->QueryInterface(*iid, part.Out()), S_OK);
    }
    const IID kIidWiaUIExtension = {0xDA319113, 0x50EE, 0x4C80, {0xB4, 0x60, 0x57, 0xD0, 0x05, 0xD4, 0x4A, 0x2C}};
    ComPtr<IUnknown> none;
    EXPECT_EQ(unknown->QueryInterface(kIidWiaUIExtension, none.Out()), E_NOINTERFACE);
    ComPtr<IUnknown> ui;
    EXPECT_EQ(CoCreateInstance(kClsidUIExtension, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, ui.Out()),
              REGDB_E_CLASSNOTREG)
        << "the script does not register the UI extension";
}

TEST(Activation, DllCanUnloadNowFollowsTheObjects)
{
    HMODULE module = GetModuleHandleW(ExtensionPath().c_str());
    if (!module) {  // not loaded yet by an earlier test
        ComPtr<IUnknown> warm;
        ASSERT_EQ(CoCreateInstance(kClsidShellExt, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, warm.Out()), S_OK);
        module = GetModuleHandleW(ExtensionPath().c_str());
    }
    ASSERT_NE(module, nullptr);
    auto canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(module, "DllCanUnloadNow"));
    auto getClassObject =
        reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(GetProcAddress(module, "DllGetClassObject"));
    ASSERT_TRUE(canUnload && getClassObject);
    EXPECT_EQ(canUnload(), S_OK);
    {
        ComPtr<IUnknown> object;
        ASSERT_EQ(CoCreateInstance(kClsidShellExt, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.Out()), S_OK);
        EXPECT_EQ(canUnload(), S_FALSE);
    }
    EXPECT_EQ(canUnload(), S_OK);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getClassObject(kClsidShellExt, IID_IClassFactory, factory.Out()), S_OK);
    factory->LockServer(TRUE);
    EXPECT_EQ(canUnload(), S_FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(canUnload(), S_FALSE) << "the factory itself is still held";
    factory->Release();
    factory.p = nullptr;
    EXPECT_EQ(canUnload(), S_OK);
    const CLSID unknown = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    void* p = nullptr;
    EXPECT_EQ(getClassObject(unknown, IID_IClassFactory, &p), CLASS_E_CLASSNOTAVAILABLE);

    auto enumPages = reinterpret_cast<BOOL(WINAPI*)(void*, LPFNADDPROPSHEETPAGE, LPARAM)>(
        GetProcAddress(module, "EnumStiPropPages"));
    ASSERT_NE(enumPages, nullptr);
    OSVERSIONINFOA version = {sizeof version};
    GetVersionExA(&version);
    const bool asks = (version.dwMajorVersion == 5 && version.dwMinorVersion == 0) ||
                      (version.dwMajorVersion == 4 && version.dwMinorVersion == 10);
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(enumPages(nullptr, CollectPage, reinterpret_cast<LPARAM>(&pages)), asks ? TRUE : FALSE)
        << "Windows " << version.dwMajorVersion << "." << version.dwMinorVersion;
    EXPECT_EQ(pages.size(), asks ? 1u : 0u);
    for (HPROPSHEETPAGE page : pages) DestroyPropertySheetPage(page);
}

TEST_F(Extension, InitializeWithTheShellsDataObjects)
{
    EXPECT_EQ(m_init->Initialize(nullptr, nullptr, nullptr), E_INVALIDARG);
    FakeWiaItem root(kRootItemType);
    FakeDataObject offersRoot({}, &root);
    EXPECT_EQ(m_init->Initialize(nullptr, &offersRoot, nullptr), S_OK);
    EXPECT_EQ(offersRoot.GetDataCalls(), 0) << "an offered item needs no names";
    EXPECT_EQ(root.Refs(), 2u) << "the root item is kept";

    FakeWiaItem picture(kImageItemType);
    FakeDataObject offersPicture({}, &picture);
    EXPECT_EQ(m_init->Initialize(nullptr, &offersPicture, nullptr), E_FAIL) << "not a root item";
    EXPECT_EQ(picture.Refs(), 1u);
    EXPECT_EQ(root.Refs(), 1u) << "the earlier item was let go";

    FakeDataObject two({L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}\\0000", L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}\\0001"});
    EXPECT_EQ(m_init->Initialize(nullptr, &two, nullptr), E_FAIL);
    EXPECT_EQ(two.GetDataCalls(), 1);

    // One name goes to the system's WIA device manager, which lists no such
    // device here: Initialize fails with what the manager said.
    FakeDataObject one({L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}\\0000"});
    EXPECT_TRUE(FAILED(m_init->Initialize(nullptr, &one, nullptr)));
    EXPECT_EQ(one.GetDataCalls(), 1);
}

TEST_F(Extension, ContextMenuItemsAndVerbs)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "Open");
    AppendMenuA(menu, MF_STRING, 2, "Properties");
    EXPECT_EQ(m_menu->QueryContextMenu(menu, 1, 100, 200, CMF_NORMAL), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    char text[64] = {};
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Calibrate");
    EXPECT_EQ(GetMenuItemID(menu, 1), 100u);
    GetMenuStringA(menu, 2, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Clean");
    EXPECT_EQ(GetMenuItemID(menu, 2), 101u);
    GetMenuStringA(menu, 3, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Properties");
    DestroyMenu(menu);
    EXPECT_EQ(m_menu->QueryContextMenu(nullptr, 0, 100, 200, CMF_NORMAL), E_FAIL) << "no menu to insert into";

    wchar_t wide[32] = {};
    EXPECT_EQ(m_menu->GetCommandString(0, GCS_VERBW, nullptr, reinterpret_cast<CHAR*>(wide), 32), S_OK);
    EXPECT_STREQ(wide, L"Calibrate");
    char ansi[32] = {};
    EXPECT_EQ(m_menu->GetCommandString(1, GCS_VERBA, nullptr, ansi, sizeof ansi), S_OK);
    EXPECT_STREQ(ansi, "Clean");
    EXPECT_EQ(m_menu->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<CHAR*>(wide), 32), E_FAIL);
    EXPECT_EQ(m_menu->GetCommandString(0, GCS_HELPTEXTA, nullptr, ansi, sizeof ansi), E_FAIL);
    EXPECT_EQ(m_menu->GetCommandString(0, GCS_VALIDATEA, nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(m_menu->GetCommandString(1, GCS_VALIDATEW, nullptr, reinterpret_cast<CHAR*>(wide), 32), S_OK);
    EXPECT_STREQ(wide, L"Clean");
    EXPECT_EQ(m_menu->GetCommandString(2, GCS_VERBA, nullptr, ansi, sizeof ansi), E_FAIL);
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(m_menu->GetCommandString(0, GCS_VERBA, nullptr, small, sizeof small), E_FAIL);
    EXPECT_EQ(small[3], 'x') << "nothing written past a short buffer";
}

TEST_F(Extension, InvokeCommandRunsTheFlowsByOffsetOnly)
{
    SimulatedScanner sim;
    ASSERT_TRUE(sim.Loaded());
    sim.Set("Device", "BusyAfterCalibrateMs", "0");
    MessageBoxRecorder boxes(IDCANCEL);
    boxes.AlsoAnswerDialogsWith(kConfirmText);

    CMINVOKECOMMANDINFO info = {sizeof info};
    info.lpVerb = "Calibrate";
    EXPECT_EQ(m_menu->InvokeCommand(&info), E_FAIL) << "a verb as text";
    info.lpVerb = MAKEINTRESOURCEA(2);
    EXPECT_EQ(m_menu->InvokeCommand(&info), E_FAIL);
    EXPECT_TRUE(boxes.Boxes().empty());

    boxes.Answer(IDOK);
    boxes.Answer(IDOK);
    info.lpVerb = MAKEINTRESOURCEA(0);
    EXPECT_EQ(m_menu->InvokeCommand(&info), S_OK);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, "Calibration was successful.\n");
    EXPECT_EQ(sim.Status("Calibrations"), 1);

    boxes.Answer(IDOK);
    info.lpVerb = MAKEINTRESOURCEA(1);
    EXPECT_EQ(m_menu->InvokeCommand(&info), S_OK);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[2].caption, "Clean");
    EXPECT_EQ(sim.Status("Cleanings"), 1);
}

TEST_F(Extension, AddPagesIntoARealSheet)
{
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(m_sheet->ReplacePage(0, CollectPage, reinterpret_cast<LPARAM>(&pages)), E_NOTIMPL);
    EXPECT_EQ(m_sheet->AddPages(RefusePage, 0), E_FAIL);
    ASSERT_EQ(m_sheet->AddPages(CollectPage, reinterpret_cast<LPARAM>(&pages)), S_OK);
    ASSERT_EQ(pages.size(), 1u);
    PageSheet sheet(pages);
    ASSERT_NE(sheet.Sheet(), nullptr);
    EXPECT_TRUE(SendMessageA(sheet.Sheet(), PSM_SETCURSEL, 0, 0));
    HWND page = sheet.Page();
    ASSERT_NE(page, nullptr);
    // The system's still-image service lists no scanner here: the page shows
    // prefeed off and both sliders at their minimum.
    EXPECT_EQ(IsDlgButtonChecked(page, kPrefeed), BST_UNCHECKED);
    EXPECT_EQ(SendDlgItemMessageA(page, kDelay, TBM_GETPOS, 0, 0), 200);
    EXPECT_EQ(SendDlgItemMessageA(page, kDistance, TBM_GETPOS, 0, 0), 1);
    PageSheet::StepRight(GetDlgItem(page, kDelay));
    EXPECT_EQ(SendDlgItemMessageA(page, kDelay, TBM_GETPOS, 0, 0), 250);

    // Calibrate from the page: the dialog is owned by the sheet.
    SimulatedScanner sim;
    MessageBoxRecorder boxes(IDCANCEL);
    boxes.AlsoAnswerDialogsWith(kConfirmText);
    SendDlgItemMessageA(page, kCalibrateButton, BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Calibrate");
    EXPECT_TRUE(boxes.Boxes()[0].owned);
    EXPECT_EQ(sim.Status("Calibrations"), 0) << "cancelled before the scanner was asked";
    sheet.Cancel();
    EXPECT_EQ(sheet.Sheet(), nullptr);
}

}  // namespace
