// The server code behind the exports, in-process: class factories,
// aggregation, the unload rule, CWiaUIExtension, EnumStiPropPages under the
// versions it knows, and Initialize through a stand-in device manager.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wiadevd.h>

#include "FakeWia.h"
#include "PageSheet.h"
#include "TestModule.h"
#include "WIAUI/ClassIds.h"
#include "WIAUI/FirstUse.h"
#include "WIAUI/ModuleState.h"
#include "WIAUI/Server.h"
#include "WIAUI/ShellExt.h"

using namespace tx::wiaui;

namespace {

IClassFactory* Factory(REFCLSID clsid)
{
    IClassFactory* factory = nullptr;
    EXPECT_EQ(GetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    return factory;
}

// An outer object that aggregates the extension and counts its own references.
class Outer : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown)) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, ppv) : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    IUnknown* inner = nullptr;
    ULONG refs = 1;
};

TEST(Server, UnloadOnlyWithoutObjectsAndLocks)
{
    ASSERT_EQ(CanUnloadNow(), S_OK);
    IClassFactory* factory = Factory(*ShellExtClassId());
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "a held factory keeps the module";
    IShellExtInit* init = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    init->Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the lock is still held";
    IClassFactory* other = Factory(kClsidUIExtension);
    other->LockServer(FALSE);  // any factory of the module releases it
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    other->Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST(Server, FactoriesAnswerOnlyTheirClasses)
{
    void* p = reinterpret_cast<void*>(1);
    const CLSID other = {0xB6C280F7, 0x0F07, 0x11D3, {0x94, 0xC7, 0x00, 0x80, 0x5F, 0x65, 0x96, 0xD2}};
    EXPECT_EQ(GetClassObject(other, IID_IClassFactory, &p), CLASS_E_CLASSNOTAVAILABLE) << "the type library's ids";
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(GetClassObject(kClsidUIExtension, IID_IDataObject, &p), E_NOINTERFACE);
    EXPECT_EQ(GetClassObject(kClsidUIExtension, IID_IClassFactory, nullptr), E_POINTER);
}

TEST(Server, BothClassesAreAggregatable)
{
    for (const CLSID* clsid : {ShellExtClassId(), &kClsidUIExtension}) {
        IClassFactory* factory = Factory(*clsid);
        Outer outer;
        void* p = nullptr;
        EXPECT_EQ(factory->CreateInstance(&outer, IID_IShellExtInit, &p), CLASS_E_NOAGGREGATION);
        ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)), S_OK);
        factory->Release();
        const IID& iid = clsid == &kClsidUIExtension ? kIidWiaUIExtension : IID_IContextMenu;
        IUnknown* part = nullptr;
        ASSERT_EQ(outer.QueryInterface(iid, reinterpret_cast<void**>(&part)), S_OK);
        EXPECT_EQ(outer.refs, 2u) << "the interface's reference belongs to the outer object";
        IUnknown* back = nullptr;
        ASSERT_EQ(part->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)), S_OK);
        EXPECT_EQ(back, &outer) << "QueryInterface of a part reaches the outer object";
        back->Release();
        part->Release();
        EXPECT_EQ(outer.refs, 1u);
        outer.inner->Release();
    }
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST(Server, UIExtensionImplementsNothing)
{
    IWiaUIExtension* ext = nullptr;
    IClassFactory* factory = Factory(kClsidUIExtension);
    ASSERT_EQ(factory->CreateInstance(nullptr, kIidWiaUIExtension, reinterpret_cast<void**>(&ext)), S_OK);
    factory->Release();
    HICON icon = nullptr;
    HBITMAP bitmap = nullptr;
    EXPECT_EQ(ext->DeviceDialog(nullptr), E_NOTIMPL);
    EXPECT_EQ(ext->GetDeviceIcon(nullptr, &icon, 32), E_NOTIMPL);
    EXPECT_EQ(ext->GetDeviceBitmapLogo(nullptr, &bitmap, 64, 64), E_NOTIMPL);
    IShellExtInit* init = nullptr;
    EXPECT_EQ(ext->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)), E_NOINTERFACE);
    ext->Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

DWORD g_major, g_minor;
BOOL FakeVersion(OSVERSIONINFOA* info)
{
    info->dwMajorVersion = g_major;
    info->dwMinorVersion = g_minor;
    return TRUE;
}

TEST(EnumStiPropPages, AddsThePageOnlyUnderTheVersionsThatAskForIt)
{
    ScopedStore store;
    SetVersionReader(FakeVersion);
    struct { DWORD major, minor; BOOL added; } cases[] = {
        {5, 0, TRUE}, {4, 10, TRUE}, {10, 0, FALSE}, {6, 2, FALSE}, {5, 1, FALSE}, {4, 0, FALSE}, {6, 1, FALSE},
    };
    for (const auto& c : cases) {
        g_major = c.major;
        g_minor = c.minor;
        std::vector<HPROPSHEETPAGE> pages;
        EXPECT_EQ(EnumPropPages(nullptr, CollectPage, reinterpret_cast<LPARAM>(&pages)), c.added)
            << c.major << "." << c.minor;
        EXPECT_EQ(pages.size(), c.added ? 1u : 0u) << c.major << "." << c.minor;
        for (HPROPSHEETPAGE page : pages) DestroyPropertySheetPage(page);
    }
    g_major = 5;
    g_minor = 0;
    EXPECT_EQ(EnumPropPages(nullptr, RefusePage, 0), FALSE) << "a refused page is no success";
    SetVersionReader(nullptr);
    OSVERSIONINFOA real = {sizeof real};
    GetVersionExA(&real);
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(EnumPropPages(nullptr, CollectPage, reinterpret_cast<LPARAM>(&pages)),
              (real.dwMajorVersion == 5 && real.dwMinorVersion == 0) ? TRUE : FALSE);
    for (HPROPSHEETPAGE page : pages) DestroyPropertySheetPage(page);
}

FakeDeviceManager* g_manager = nullptr;
HRESULT g_managerResult = S_OK;
HRESULT FakeManager(IWiaDevMgr** manager)
{
    *manager = SUCCEEDED(g_managerResult) ? g_manager : nullptr;
    return g_managerResult;
}

IShellExtInit* NewShellExt()
{
    IShellExtInit* init = nullptr;
    IClassFactory* factory = Factory(*ShellExtClassId());
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    factory->Release();
    return init;
}

TEST(Initialize, OneItemNameReachesTheDeviceManager)
{
    FakeWiaItem root(kRootItemType);
    FakeDeviceManager manager(&root);
    g_manager = &manager;
    SetDeviceManagerFactory(FakeManager);
    IShellExtInit* init = NewShellExt();
    FakeDataObject one({L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}\\0001"});
    EXPECT_EQ(init->Initialize(nullptr, &one, nullptr), S_OK);
    EXPECT_EQ(manager.requested, L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}\\0001");
    EXPECT_EQ(static_cast<CShellExt*>(init)->RootItem(), &root);
    EXPECT_EQ(root.Refs(), 2u) << "the extension holds the root item";

    manager.requested.clear();
    FakeDataObject colon({L"device:item"});
    EXPECT_EQ(init->Initialize(nullptr, &colon, nullptr), E_FAIL);
    EXPECT_TRUE(manager.requested.empty()) << "a name of two tokens is no device id";
    EXPECT_EQ(root.Refs(), 1u) << "a failed Initialize drops the earlier item";

    FakeDataObject none({});
    EXPECT_EQ(init->Initialize(nullptr, &none, nullptr), E_FAIL);

    // A block that ends inside a name, or without the closing empty name, is
    // refused without reading past it.
    manager.requested.clear();
    FakeDataObject cut({});
    cut.SetRawBlock(L"{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}\\0001");
    EXPECT_EQ(init->Initialize(nullptr, &cut, nullptr), E_FAIL);
    cut.SetRawBlock(std::wstring(L"{6BDD1FC6}\\0001\0", 16));
    EXPECT_EQ(init->Initialize(nullptr, &cut, nullptr), E_FAIL);
    cut.SetRawBlock(std::wstring());
    EXPECT_EQ(init->Initialize(nullptr, &cut, nullptr), E_FAIL);
    EXPECT_TRUE(manager.requested.empty());

    g_managerResult = REGDB_E_CLASSNOTREG;
    EXPECT_EQ(init->Initialize(nullptr, &one, nullptr), REGDB_E_CLASSNOTREG) << "the manager's own failure";
    g_managerResult = S_OK;

    FakeDeviceManager empty(nullptr);
    g_manager = &empty;
    EXPECT_EQ(init->Initialize(nullptr, &one, nullptr), E_FAIL);
    init->Release();
    SetDeviceManagerFactory(nullptr);
    EXPECT_EQ(root.Refs(), 1u);
}

}  // namespace
