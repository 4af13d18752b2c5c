// The data source's binding to the image-processing library: where it loads
// the library from, what it does to the DLL search directory, and that an
// incomplete or failing library is freed and reported unavailable.
#include "imaging/ImagingLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string CurrentDllDirectory() {
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetDllDirectoryA(MAX_PATH, buffer);
    return std::string(buffer, n);
}

bool ModuleLoaded(const char* name) { return GetModuleHandleA(name) != nullptr; }

TEST(ImagingLibraryBinding, LoadsFromOwnFolderAndBindsEveryExport) {
    std::string folder = ImagingLibrary::OwnFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ('\\', folder.back());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + "VOZozur.dll").c_str()));

    ImagingLibrary lib;
    ASSERT_TRUE(lib.Load());
    EXPECT_TRUE(lib.IsLoaded());
    EXPECT_TRUE(ModuleLoaded("VOZozur.dll"));
    const void* all[] = {
        reinterpret_cast<void*>(lib.Initialize), reinterpret_cast<void*>(lib.Uninitialize),
        reinterpret_cast<void*>(lib.CreateImageFromFile), reinterpret_cast<void*>(lib.CreateImageFromMemory),
        reinterpret_cast<void*>(lib.FreeImage), reinterpret_cast<void*>(lib.SaveImageToFile),
        reinterpret_cast<void*>(lib.SaveImageToMemory), reinterpret_cast<void*>(lib.RemoveBorder),
        reinterpret_cast<void*>(lib.Binarize), reinterpret_cast<void*>(lib.Rotate),
        reinterpret_cast<void*>(lib.GetProperties), reinterpret_cast<void*>(lib.Copy),
        reinterpret_cast<void*>(lib.DropColor), reinterpret_cast<void*>(lib.DetectOrientation)};
    for (const void* f : all) EXPECT_NE(nullptr, f);

    lib.Unload();
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_EQ(nullptr, lib.RemoveBorder);
    EXPECT_FALSE(ModuleLoaded("VOZozur.dll"));
    // Unloading called IPT_Uninitialize: a fresh load initialises again.
    ASSERT_TRUE(lib.Load());
    IptImage image = nullptr;
    EXPECT_EQ(IPT_BAD_PARAMETER, lib.CreateImageFromMemory(&image, nullptr));
}

TEST(ImagingLibraryBinding, RestoresTheDllSearchDirectory) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    ASSERT_TRUE(SetDllDirectoryA(windows));
    {
        ImagingLibrary lib;
        ASSERT_TRUE(lib.Load());
        EXPECT_EQ(std::string(windows), CurrentDllDirectory());
    }
    SetDllDirectoryA(nullptr);
    {
        ImagingLibrary lib;
        ASSERT_TRUE(lib.Load());
        EXPECT_EQ("", CurrentDllDirectory());
    }
}

TEST(ImagingLibraryBinding, LibraryLackingAnExportIsFreed) {
    ImagingLibrary lib;
    EXPECT_FALSE(lib.LoadFrom(ImagingLibrary::OwnFolder() + "VOZozurNoCopy.dll"));
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_EQ(nullptr, lib.Initialize);
    EXPECT_FALSE(ModuleLoaded("VOZozurNoCopy.dll"));
}

TEST(ImagingLibraryBinding, LibraryWhoseInitialisationFailsIsFreed) {
    ImagingLibrary lib;
    EXPECT_FALSE(lib.LoadFrom(ImagingLibrary::OwnFolder() + "VOZozurInitFails.dll"));
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_FALSE(ModuleLoaded("VOZozurInitFails.dll"));
    // A missing file is simply unavailable.
    EXPECT_FALSE(lib.LoadFrom(ImagingLibrary::OwnFolder() + "NoSuchLibrary.dll"));
    EXPECT_FALSE(lib.IsLoaded());
}

}  // namespace
