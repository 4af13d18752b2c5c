// The elevated start of the system's INF installer for the connection's
// driver package.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "device/ConnectionRepair.h"

namespace {

// Turns off file-system redirection for this thread while it lives, so that
// the native system folder is used from a 32-bit process too.
class NoFsRedirection {
public:
    NoFsRedirection()
    {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        m_disable = reinterpret_cast<decltype(&Wow64DisableWow64FsRedirection)>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")));
        m_revert = reinterpret_cast<decltype(&Wow64RevertWow64FsRedirection)>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")));
        m_active = m_disable && m_revert && m_disable(&m_old);
    }
    ~NoFsRedirection() { if (m_active) m_revert(m_old); }
    NoFsRedirection(const NoFsRedirection&) = delete;
    NoFsRedirection& operator=(const NoFsRedirection&) = delete;
private:
    decltype(&Wow64DisableWow64FsRedirection) m_disable = nullptr;
    decltype(&Wow64RevertWow64FsRedirection) m_revert = nullptr;
    PVOID m_old = nullptr;
    bool m_active = false;
};

} // namespace

bool MakeInstallerCommand(const char* programFiles, const char* systemFolder, InstallerCommand* out)
{
    if (!programFiles || !systemFolder || !out) return false;
    char folder[MAX_PATH];
    if (std::snprintf(folder, sizeof folder, "%s", programFiles) >= static_cast<int>(sizeof folder)) return false;
    if (char* x86 = std::strstr(folder, " (x86)")) std::memmove(x86, x86 + 6, std::strlen(x86 + 6) + 1);
    const int a = std::snprintf(out->program, sizeof out->program, "%s\\InfDefaultInstall.exe", systemFolder);
    const int b = std::snprintf(out->parameters, sizeof out->parameters, "\"%s\"", folder);
    return a > 0 && a < static_cast<int>(sizeof out->program) && b > 0 && b < static_cast<int>(sizeof out->parameters);
}

bool InstallConnectionDriver()
{
    char programFiles[MAX_PATH] = {}, systemFolder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES | CSIDL_FLAG_CREATE, nullptr, 0, programFiles)) ||
        FAILED(SHGetFolderPathA(nullptr, CSIDL_SYSTEM | CSIDL_FLAG_CREATE, nullptr, 0, systemFolder)))
        return false;
    InstallerCommand command;
    if (!MakeInstallerCommand(programFiles, systemFolder, &command)) return false;

    NoFsRedirection noRedirection;
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "runas";
    info.lpFile = command.program;
    info.lpParameters = command.parameters;
    info.nShow = SW_SHOWNORMAL;
    const bool started = ShellExecuteExA(&info) != FALSE;
    if (started && info.hProcess) {
        WaitForSingleObject(info.hProcess, INFINITE);
        CloseHandle(info.hProcess);
    }
    if (com) CoUninitialize();
    return started;
}
