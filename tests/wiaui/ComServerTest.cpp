// Registration of the built module with regsvr32, read back from the
// registry; the type library; unregistration. (Linked first: the program's
// environment registers the module before any test.)
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include "ComEnvironment.h"

namespace {

const wchar_t kShellExtKey[] = L"CLSID\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}";
const wchar_t kDeviceKey[] = L"CLSID\\{65EFC675-BFEA-4246-9032-CDD13F184D64}";
const wchar_t kMenuHandler[] =
    L"CLSID\\{65EFC675-BFEA-4246-9032-CDD13F184D64}\\shellex\\ContextMenuHandlers\\"
    L"{FED292BE-3BDF-4b43-AB51-73F8FB459948}";
const wchar_t kSheetHandler[] =
    L"CLSID\\{65EFC675-BFEA-4246-9032-CDD13F184D64}\\shellex\\PropertySheetHandlers\\"
    L"{FED292BE-3BDF-4b43-AB51-73F8FB459948}";
const GUID kLibId = {0x01CF74F5, 0xA313, 0x4CEA, {0xAA, 0xC7, 0xD4, 0xA9, 0x83, 0xB5, 0xB1, 0x25}};
const GUID kShellExtCoclass = {0xB6C280F7, 0x0F07, 0x11D3, {0x94, 0xC7, 0x00, 0x80, 0x5F, 0x65, 0x96, 0xD2}};
const GUID kUIExtCoclass = {0xEDB8B35D, 0xC15F, 0x4E45, {0x96, 0x58, 0x50, 0xD7, 0xF8, 0xAD, 0xDB, 0x56}};

bool Exists(const wchar_t* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::wstring Text(const std::wstring& path, const wchar_t* name = nullptr)
{
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return L"<none>";
    return data;
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

void ExpectRegistered()
{
    EXPECT_EQ(Text(kShellExtKey), L"VSK WIA shell extension Class");
    const std::wstring server = std::wstring(kShellExtKey) + L"\\InprocServer32";
    EXPECT_EQ(_wcsicmp(Text(server).c_str(), ExtensionPath().c_str()), 0)
        << Narrow(Text(server)) << " is not " << Narrow(ExtensionPath());
    EXPECT_EQ(Text(server, L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(Text(kMenuHandler), L"VSK extension");
    EXPECT_EQ(Text(kSheetHandler), L"VSK extension");
    EXPECT_FALSE(Exists(L"CLSID\\{B87DFA05-CFA2-46FA-9723-4E509F3D7112}")) << "the UI extension is not registered";
}

void ExpectTypeLibrary()
{
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(kLibId, 1, 0, 0x409, &library), S_OK);
    BSTR name = nullptr;
    ASSERT_EQ(library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"WIASampleExtLib");
    SysFreeString(name);
    struct { const GUID* id; const wchar_t* name; const wchar_t* help; } coclasses[] = {
        {&kShellExtCoclass, L"ShellExt", L"Shell extension class"},
        {&kUIExtCoclass, L"WiaUIExtension", L"WIA UI extension class"},
    };
    for (const auto& c : coclasses) {
        ITypeInfo* info = nullptr;
        ASSERT_EQ(library->GetTypeInfoOfGuid(*c.id, &info), S_OK) << Narrow(c.name);
        BSTR n = nullptr, help = nullptr;
        ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &n, &help, nullptr, nullptr), S_OK);
        EXPECT_STREQ(n, c.name);
        EXPECT_STREQ(help, c.help);
        SysFreeString(n);
        SysFreeString(help);
        info->Release();
    }
    library->Release();
    const std::wstring path = Text(L"TypeLib\\{01CF74F5-A313-4CEA-AAC7-D4A983B5B125}\\1.0\\409\\win64");
    EXPECT_EQ(_wcsicmp(path.c_str(), ExtensionPath().c_str()), 0) << Narrow(path);
}

TEST(Registration, Regsvr32WritesTheTableAndTheTypeLibrary)
{
    ExpectRegistered();
    ExpectTypeLibrary();
}

TEST(Registration, UnregisterKeepsTheNoRemoveKeysAndTheTypeLibrary)
{
    ASSERT_EQ(RunRegsvr32(true), 0);
    EXPECT_FALSE(Exists(kShellExtKey));
    EXPECT_FALSE(Exists(kMenuHandler));
    EXPECT_FALSE(Exists(kSheetHandler));
    EXPECT_TRUE(Exists(L"CLSID"));
    EXPECT_TRUE(Exists(kDeviceKey)) << "the device's class key stays";
    EXPECT_FALSE(Exists((std::wstring(kDeviceKey) + L"\\shellex").c_str())) << "emptied by the unregistration";
    ExpectTypeLibrary();

    // Registering twice over a stale entry gives the same table.
    ASSERT_EQ(RunRegsvr32(false), 0);
    HKEY stale = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, (std::wstring(kShellExtKey) + L"\\Stale").c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &stale, nullptr), ERROR_SUCCESS);
    RegCloseKey(stale);
    ASSERT_EQ(RunRegsvr32(false), 0);
    EXPECT_FALSE(Exists((std::wstring(kShellExtKey) + L"\\Stale").c_str())) << "ForceRemove made the key anew";
    ExpectRegistered();
}

}  // namespace
