// ScannerLibrary against the simulated scanner and a library lacking a name.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/driver/ScannerLibrary.h"

using tx::ScannerLibrary;
using tx::SIBindSet;

namespace {

constexpr const char* kPartial = "tx_partial_driver.dll";

bool IsLoaded(const char* name)
{
    return GetModuleHandleA(name) != nullptr;
}

}  // namespace

TEST(MapOpenResult, KeepsTheCodesTheOpenUsesAndFoldsTheRest)
{
    const struct { int in, out; } cases[] = {
        {0, 0},   {1, 1},    {10, 10},     {11, 11},      {14, 10},  {15, 15},
        {22, 22}, {256, 1},  {2, 2048},    {12, 2048},    {20, 2048}, {255, 2048},
        {257, 2048}, {2048, 2048}, {0x900, 2048}, {-1, 2048},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tx::MapOpenResult(c.in), c.out) << "code " << c.in;
}

TEST(ScannerLibrary, BindsAllNamesOfTheSimulator)
{
    ScannerLibrary lib;
    ASSERT_TRUE(lib.Load());
    EXPECT_TRUE(lib.IsBound());
    EXPECT_NE(lib.Module(), nullptr);
    EXPECT_EQ(lib.MissingName(), nullptr);
    const void* all[] = {
        (void*)lib.SI_OpenInterface, (void*)lib.SI_CloseInterface, (void*)lib.SI_GetScannerStatus,
        (void*)lib.SI_GetPaperStatus, (void*)lib.SI_IsCalibrated, (void*)lib.SI_GetProperty,
        (void*)lib.SI_SetProperty, (void*)lib.SI_StartScan, (void*)lib.SI_EndScan,
        (void*)lib.SI_ReadImageData, (void*)lib.SI_FeedPaperOut, (void*)lib.SI_Feed,
        (void*)lib.SI_Calibrate, (void*)lib.SI_Clean, (void*)lib.SI_GetButtonStatus,
        (void*)lib.SI_Reset, (void*)lib.SI_Diagnostic, (void*)lib.SI_GetLastError,
        (void*)lib.SI_GetLastErrorText, (void*)lib.SI_GetEvent, (void*)lib.SI_UserData};
    static_assert(sizeof(all) / sizeof(all[0]) == ScannerLibrary::kNameCount, "21 names");
    for (const void* p : all)
        EXPECT_NE(p, nullptr);
    EXPECT_EQ(lib.OpenInterface("Tarvex380"), 0);
    EXPECT_EQ(lib.SI_CloseInterface(), 0);
    lib.Unload();
    EXPECT_FALSE(IsLoaded("TARVX380.dll"));
    EXPECT_EQ(lib.SI_OpenInterface, nullptr);
}

TEST(ScannerLibrary, LibraryMissingANameIsFreedAndNotBound)
{
    ScannerLibrary lib;
    EXPECT_FALSE(lib.Load(kPartial));
    EXPECT_FALSE(lib.IsBound());
    EXPECT_EQ(lib.Module(), nullptr);
    ASSERT_NE(lib.MissingName(), nullptr);
    EXPECT_EQ(std::string(lib.MissingName()), "SI_UserData");
    EXPECT_EQ(lib.SI_OpenInterface, nullptr);  // nothing half-bound
    EXPECT_EQ(lib.SI_GetEvent, nullptr);
    EXPECT_FALSE(IsLoaded(kPartial));
    EXPECT_EQ(lib.OpenInterface(), 2048);
}

TEST(ScannerLibrary, ExtensionBindsWithoutUserData)
{
    ScannerLibrary lib;
    ASSERT_TRUE(lib.Load(kPartial, SIBindSet::AllButUserData));
    EXPECT_EQ(lib.SI_UserData, nullptr);
    EXPECT_NE(lib.SI_GetEvent, nullptr);
    EXPECT_EQ(lib.OpenInterface(), 10);  // the library answers 14
    lib.Unload();
    EXPECT_FALSE(IsLoaded(kPartial));
}

TEST(ScannerLibrary, ReloadDropsTheOldBindings)
{
    ScannerLibrary lib;
    ASSERT_TRUE(lib.Load());
    EXPECT_FALSE(lib.Load(kPartial));
    EXPECT_FALSE(lib.IsBound());
    EXPECT_EQ(lib.SI_OpenInterface, nullptr);
    EXPECT_FALSE(IsLoaded("TARVX380.dll"));  // the first library was freed
    ASSERT_TRUE(lib.Load());
    EXPECT_EQ(lib.OpenInterface(), 0);
    lib.SI_CloseInterface();
}

TEST(ScannerLibrary, BindFromCallersModuleLeavesItToTheCaller)
{
    HMODULE module = LoadLibraryA(kPartial);
    ASSERT_NE(module, nullptr);
    {
        ScannerLibrary lib;
        EXPECT_FALSE(lib.Bind(module));
        EXPECT_EQ(lib.SI_OpenInterface, nullptr);
        EXPECT_TRUE(IsLoaded(kPartial));
        ASSERT_TRUE(lib.Bind(module, SIBindSet::AllButUserData));
        EXPECT_EQ(lib.Module(), module);
        EXPECT_FALSE(lib.Bind(nullptr));
        EXPECT_FALSE(lib.IsBound());
        ASSERT_TRUE(lib.Bind(module, SIBindSet::AllButUserData));
    }
    EXPECT_TRUE(IsLoaded(kPartial));  // destroyed binding did not free it
    FreeLibrary(module);
    EXPECT_FALSE(IsLoaded(kPartial));
}

TEST(ScannerLibrary, MissingLibraryIsNotBound)
{
    ScannerLibrary lib;
    EXPECT_FALSE(lib.Load("no_such_driver_library.dll"));
    EXPECT_FALSE(lib.Load(nullptr));
    EXPECT_FALSE(lib.IsBound());
}
