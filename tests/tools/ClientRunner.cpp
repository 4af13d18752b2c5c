#include "ClientRunner.h"

#include <windows.h>

#include <thread>

namespace {

// The user at the screen: looks at the child's top-level dialogs.
struct Watcher {
    DWORD pid = 0;
    std::vector<std::string>* boxes = nullptr;
    std::vector<std::pair<HWND, DWORD>> waiting; // continue-scan dialogs and when first seen
    bool cancelProgress = false;
    int cancelled = 0;
};

constexpr int kContinueCountdownId = 1171; // the continue-scan dialog's countdown label
constexpr DWORD kNoPaperAfterMs = 2000;    // with paper the dialog closes by itself within a second

BOOL CALLBACK Look(HWND hwnd, LPARAM lp)
{
    Watcher& w = *reinterpret_cast<Watcher*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != w.pid || !IsWindowVisible(hwnd)) return TRUE;
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770") return TRUE;
    HWND text = GetDlgItem(hwnd, 0xFFFF); // a message box's text
    if (text) {
        char caption[128] = {}, body[1024] = {};
        GetWindowTextA(hwnd, caption, sizeof caption);
        GetWindowTextA(text, body, sizeof body);
        w.boxes->push_back(std::string(caption) + ": " + body);
        HWND button = FindWindowExA(hwnd, nullptr, "Button", nullptr);
        if (button) PostMessageA(button, BM_CLICK, 0, 0);
        else PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    if (w.cancelProgress && !w.cancelled && FindWindowExA(hwnd, nullptr, "msctls_progress32", nullptr)) {
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        ++w.cancelled;
        return TRUE;
    }
    if (GetDlgItem(hwnd, kContinueCountdownId)) {
        for (auto& seen : w.waiting)
            if (seen.first == hwnd) {
                if (GetTickCount() - seen.second > kNoPaperAfterMs) PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        w.waiting.emplace_back(hwnd, GetTickCount());
    }
    return TRUE;
}

std::string ReadAll(HANDLE pipe)
{
    std::string s;
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(pipe, buf, sizeof buf, &n, nullptr) && n > 0) s.append(buf, n);
    return s;
}

std::string EnvironmentBlock(const Environment& env)
{
    std::string block;
    char* current = GetEnvironmentStringsA();
    for (const char* p = current; *p; p += strlen(p) + 1) {
        const std::string entry(p);
        bool replaced = false;
        for (const auto& kv : env)
            if (_strnicmp(entry.c_str(), (kv.first + "=").c_str(), kv.first.size() + 1) == 0) replaced = true;
        if (!replaced) block += entry + '\0';
    }
    FreeEnvironmentStringsA(current);
    for (const auto& kv : env) block += kv.first + "=" + kv.second + '\0';
    block += '\0';
    return block;
}

} // namespace

ClientRun RunClient(const std::string& args, const Environment& env, unsigned long timeoutMs, bool cancelProgress)
{
    ClientRun run;
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    CreatePipe(&outRead, &outWrite, &sa, 0);
    CreatePipe(&errRead, &errWrite, &sa, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = outWrite;
    si.hStdError = errWrite;
    PROCESS_INFORMATION pi{};
    std::string command = "txscan.exe " + args;
    std::string block = EnvironmentBlock(env);
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, &block[0], nullptr, &si, &pi);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!started) {
        run.err = "txscan.exe could not be started";
        CloseHandle(outRead);
        CloseHandle(errRead);
        return run;
    }
    std::thread outReader([&] { run.out = ReadAll(outRead); });
    std::thread errReader([&] { run.err = ReadAll(errRead); });
    Watcher watcher;
    watcher.pid = pi.dwProcessId;
    watcher.boxes = &run.boxes;
    watcher.cancelProgress = cancelProgress;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT) {
        EnumWindows(Look, reinterpret_cast<LPARAM>(&watcher));
        if (GetTickCount() - start > timeoutMs) {
            run.timedOut = true;
            TerminateProcess(pi.hProcess, 99);
        }
    }
    GetExitCodeProcess(pi.hProcess, &run.exitCode);
    outReader.join();
    errReader.join();
    CloseHandle(outRead);
    CloseHandle(errRead);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return run;
}
