#include "ComEnvironment.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <objbase.h>

const CLSID kClsidShellExt = {0xFED292BE, 0x3BDF, 0x4b43, {0xAB, 0x51, 0x73, 0xF8, 0xFB, 0x45, 0x99, 0x48}};
const CLSID kClsidUIExtension = {0xB87DFA05, 0xCFA2, 0x46FA, {0x97, 0x23, 0x4E, 0x50, 0x9F, 0x3D, 0x71, 0x12}};

std::wstring ExtensionPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    p.resize(p.find_last_of(L'\\') + 1);
    return p + L"TX380WUI.dll";
}

int RunRegsvr32(bool unregister)
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(system) + L"\\regsvr32.exe\" /s " + (unregister ? L"/u " : L"") +
                           L"\"" + ExtensionPath() + L"\"";
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

namespace {

class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(RunRegsvr32(false), 0) << "regsvr32 of the extension";
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
    }
    void TearDown() override
    {
        CoUninitialize();
        RunRegsvr32(true);
    }
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
