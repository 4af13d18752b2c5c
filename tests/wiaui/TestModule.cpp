#include "TestModule.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "WIAUI/ClassIds.h"
#include "WIAUI/ModuleState.h"
#include "WIAUI/Server.h"

namespace {

tx::MemoryDeviceStore g_moduleStore;
FirstUseRecord g_firstUse;

void RequestFactory()
{
    void* factory = nullptr;
    if (SUCCEEDED(tx::wiaui::GetClassObject(tx::wiaui::kClsidUIExtension, IID_IClassFactory, &factory)))
        static_cast<IUnknown*>(factory)->Release();
}

int PrefeedValuesPresent()
{
    int n = 0;
    int32_t v = 0;
    for (const char* name : {"PrefeedEnable", "PrefeedDelayInMs", "PrefeedDistance", "PrefeedEnableDef",
                             "PrefeedDelayInMsDef", "PrefeedDistanceDef"})
        n += g_moduleStore.Read("Tarvex 380", name, &v) ? 1 : 0;
    return n;
}

class ModuleEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        tx::wiaui::SetModuleInstance(GetModuleHandleA(nullptr));
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        g_moduleStore.AddDevice("Tarvex 380");
        tx::SetDeviceValueStore(&g_moduleStore);
        g_firstUse.writesBefore = g_moduleStore.Writes();
        g_firstUse.valuesBefore = PrefeedValuesPresent();
        RequestFactory();
        g_firstUse.writesAfter = g_moduleStore.Writes();
        RequestFactory();
        tx::wiaui::EnumPropPages(nullptr, nullptr, 0);
        g_firstUse.writesAfterSecond = g_moduleStore.Writes();
    }
    void TearDown() override { tx::SetDeviceValueStore(nullptr); }
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

}  // namespace

tx::MemoryDeviceStore& ModuleStore() { return g_moduleStore; }
const FirstUseRecord& FirstUseSeen() { return g_firstUse; }

ScopedStore::ScopedStore(bool listsScanner)
{
    if (listsScanner) m_store.AddDevice("TARVEX 380");  // the description is matched without case
    tx::SetDeviceValueStore(&m_store);
}

ScopedStore::~ScopedStore() { tx::SetDeviceValueStore(&g_moduleStore); }

int ScopedStore::Value(const char* name)
{
    int32_t v = -1;
    return m_store.Read("Tarvex 380", name, &v) ? v : -1;
}
