// The prefeed defaults are seeded at the extension's first use, not while
// the module loads: the program's environment saw the store untouched until
// its first class-factory request (TestModule.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include "TestModule.h"
#include "WIAUI/FirstUse.h"

namespace {

int Read(const char* name)
{
    int32_t v = -1;
    return ModuleStore().Read("Tarvex 380", name, &v) ? v : -1;
}

TEST(FirstUse, TheFirstFactoryRequestSeedsTheDefaultsOnce)
{
    const FirstUseRecord& seen = FirstUseSeen();
    EXPECT_EQ(seen.writesBefore, 0) << "nothing may be written while the module loads";
    EXPECT_EQ(seen.valuesBefore, 0);
    EXPECT_EQ(seen.writesAfter, 6) << "three values and their three twins";
    EXPECT_EQ(seen.writesAfterSecond, seen.writesAfter) << "later requests and EnumStiPropPages do not seed again";
    EXPECT_EQ(Read("PrefeedEnable"), 1);
    EXPECT_EQ(Read("PrefeedDelayInMs"), 1500);
    EXPECT_EQ(Read("PrefeedDistance"), 13);
    EXPECT_EQ(Read("PrefeedEnableDef"), 1);
    EXPECT_EQ(Read("PrefeedDelayInMsDef"), 1500);
    EXPECT_EQ(Read("PrefeedDistanceDef"), 13);

    // The class id of CShellExt came from the script at the same time.
    const CLSID* shellExt = tx::wiaui::ShellExtClassId();
    ASSERT_NE(shellExt, nullptr);
    const CLSID expected = {0xFED292BE, 0x3BDF, 0x4b43, {0xAB, 0x51, 0x73, 0xF8, 0xFB, 0x45, 0x99, 0x48}};
    EXPECT_TRUE(IsEqualCLSID(*shellExt, expected));
}

}  // namespace
