// The registrar: the script notation, and what register and unregister leave
// in the registry, below a scratch key of the current user.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "WIAUI/Registrar.h"
#include "WIAUI/RegistryScript.h"
#include "WIAUI/ScriptResource.h"
#include "WIAUI/ModuleState.h"

using namespace tx::wiaui;

namespace {

constexpr wchar_t kScratch[] = L"Software\\Tx380WuiRegistrarTest";

class RegistrarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_root,
                                  nullptr), ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(m_root);
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    }
    HRESULT Run(const wchar_t* script, bool registering)
    {
        std::vector<ScriptRoot> roots;
        std::wstring error;
        if (!ParseRegistryScript(script, {{L"MODULE", L"C:\\It's here\\TX380WUI.dll"}}, roots, &error)) {
            ADD_FAILURE() << "parse: " << std::string(error.begin(), error.end());
            return E_FAIL;
        }
        return RunRegistryScript(roots, registering, m_root);
    }
    bool Exists(const wchar_t* path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(m_root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    std::wstring Text(const wchar_t* path, const wchar_t* name)
    {
        wchar_t data[512] = {};
        DWORD size = sizeof data - sizeof(wchar_t);
        if (RegGetValueW(m_root, path, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return L"<none>";
        return data;
    }
    void Put(const wchar_t* path, const wchar_t* name)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(m_root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
        if (name) RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
        RegCloseKey(key);
    }

    HKEY m_root = nullptr;
};

const wchar_t kScript[] = LR"(HKCR
{
    NoRemove CLSID
    {
        ForceRemove {FED292BE-3BDF-4b43-AB51-73F8FB459948} = s 'Main ''quoted'' class'
        {
            InprocServer32 = s '%MODULE%'
            {
                val ThreadingModel = s 'Apartment'
                val Count = d '0x10'
            }
        }
        NoRemove Shared
        {
            Handlers
            {
                Ours = s 'Our extension'
            }
        }
    }
})";

TEST_F(RegistrarTest, RegisterWritesEveryKeyAndValue)
{
    ASSERT_EQ(Run(kScript, true), S_OK);
    const wchar_t* cls = L"CLSID\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}";
    EXPECT_EQ(Text(cls, nullptr), L"Main 'quoted' class");
    const std::wstring server = std::wstring(cls) + L"\\InprocServer32";
    EXPECT_EQ(Text(server.c_str(), nullptr), L"C:\\It's here\\TX380WUI.dll") << "%MODULE% expanded as it is";
    EXPECT_EQ(Text(server.c_str(), L"ThreadingModel"), L"Apartment");
    DWORD count = 0, size = sizeof count;
    EXPECT_EQ(RegGetValueW(m_root, server.c_str(), L"Count", RRF_RT_REG_DWORD, nullptr, &count, &size), ERROR_SUCCESS);
    EXPECT_EQ(count, 16u);
    EXPECT_EQ(Text(L"CLSID\\Shared\\Handlers\\Ours", nullptr), L"Our extension");
}

TEST_F(RegistrarTest, ForceRemoveReplacesWhatWasThere)
{
    Put(L"CLSID\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}\\Stale", L"old");
    ASSERT_EQ(Run(kScript, true), S_OK);
    EXPECT_FALSE(Exists(L"CLSID\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}\\Stale"));
}

TEST_F(RegistrarTest, UnregisterKeepsNoRemoveKeysAndOthersContent)
{
    ASSERT_EQ(Run(kScript, true), S_OK);
    ASSERT_EQ(Run(kScript, false), S_OK);
    EXPECT_TRUE(Exists(L"CLSID"));
    EXPECT_TRUE(Exists(L"CLSID\\Shared"));
    EXPECT_FALSE(Exists(L"CLSID\\Shared\\Handlers")) << "emptied plain keys go";
    EXPECT_FALSE(Exists(L"CLSID\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}"));

    // A plain key that still holds something of somebody else stays.
    ASSERT_EQ(Run(kScript, true), S_OK);
    Put(L"CLSID\\Shared\\Handlers\\Theirs", nullptr);
    ASSERT_EQ(Run(kScript, false), S_OK);
    EXPECT_TRUE(Exists(L"CLSID\\Shared\\Handlers\\Theirs"));
    EXPECT_FALSE(Exists(L"CLSID\\Shared\\Handlers\\Ours"));
    // Unregistering twice is no error.
    EXPECT_EQ(Run(kScript, false), S_OK);
}

TEST(RegistryScript, BadScriptsAreRefusedWithAReason)
{
    const wchar_t* bad[] = {
        L"HKXX { A }",                         // unknown hive
        L"HKCR { A = s 'unterminated }",       // unterminated text
        L"HKCR { A = s '%NOPE%' }",            // unknown variable
        L"HKCR { A = b '00' }",                // unsupported type
        L"HKCR { A = d 'twelve' }",            // not a number
        L"HKCR { A { B }",                     // missing brace
        L"HKCR { val A = s 'x' }",             // a value outside a key
    };
    for (const wchar_t* script : bad) {
        std::vector<ScriptRoot> roots;
        std::wstring error;
        EXPECT_FALSE(ParseRegistryScript(script, {}, roots, &error)) << std::string(script, script + wcslen(script));
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(roots.empty());
    }
    std::vector<ScriptRoot> roots;
    ASSERT_TRUE(ParseRegistryScript(L"HKCU { NoRemove A { ForceRemove B = s '100%% sure' } }", {}, roots));
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_EQ(roots[0].hive, HKEY_CURRENT_USER);
    EXPECT_EQ(roots[0].keys[0].flag, KeyFlag::NoRemove);
    EXPECT_EQ(roots[0].keys[0].keys[0].flag, KeyFlag::ForceRemove);
    EXPECT_EQ(roots[0].keys[0].keys[0].defaultValue.text, L"100% sure");
}

TEST(ScriptClassId, ReadFromTheModulesOwnScript)
{
    std::string script;
    ASSERT_TRUE(LoadRegistryScript(ModuleInstance(), script));
    CLSID clsid = {};
    ASSERT_TRUE(ShellExtClassIdFromScript(script.data(), script.size(), clsid));
    const CLSID expected = {0xFED292BE, 0x3BDF, 0x4b43, {0xAB, 0x51, 0x73, 0xF8, 0xFB, 0x45, 0x99, 0x48}};
    EXPECT_TRUE(IsEqualCLSID(clsid, expected));
    // The parsed script is what the module registers.
    std::vector<ScriptRoot> roots;
    EXPECT_TRUE(ParseRegistryScript(std::wstring(script.begin(), script.end()), {{L"MODULE", L"x"}}, roots));
}

TEST(ScriptClassId, WhatIsNotThereIsNoClassId)
{
    CLSID clsid = {};
    const std::string id = "{B87DFA05-CFA2-46FA-9723-4E509F3D7112}";
    const std::string none = "no handlers here " + id;
    EXPECT_FALSE(ShellExtClassIdFromScript(none.data(), none.size(), clsid));
    std::string after = "ContextMenuHandlers { " + id + " }";
    EXPECT_TRUE(ShellExtClassIdFromScript(after.data(), after.size(), clsid));
    EXPECT_FALSE(ShellExtClassIdFromScript(after.data(), after.size() - 10, clsid)) << "cut inside the id";
    std::string distant = std::string(1480, ' ') + after;
    EXPECT_FALSE(ShellExtClassIdFromScript(distant.data(), distant.size(), clsid)) << "only the first 1500 bytes count";
    std::string broken = "ContextMenuHandlers { B87DFA05-CFA2-46FA-9723-4E509F3DZZZZ }";
    EXPECT_FALSE(ShellExtClassIdFromScript(broken.data(), broken.size(), clsid));
    EXPECT_FALSE(ShellExtClassIdFromScript(nullptr, 10, clsid));
}

}  // namespace
