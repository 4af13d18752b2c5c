#include "SimHost_win.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <mutex>
#include <sstream>
#include <vector>

#include "WicPageLoader_win.h"

namespace sim {

namespace {

std::mutex g_messageLock;
std::string g_message;

std::string ModuleFolder()
{
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ModuleFolder), &self))
        return std::string();
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::string();
    std::string folder(path, n);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The image files of the samples folder beside the library, by name.
std::vector<std::string> BundledPages()
{
    std::vector<std::string> names;
    const std::string folder = ModuleFolder() + "\\samples";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    static const char* const kTypes[] = {".png", ".bmp", ".tif", ".tiff", ".jpg", ".jpeg"};
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::string name = Lower(found.cFileName);
        size_t dot = name.find_last_of('.');
        if (dot == std::string::npos)
            continue;
        for (const char* type : kTypes)
            if (name.substr(dot) == type)
                names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    for (std::string& n : names)
        n = folder + "\\" + n;
    return names;
}

// The system's millisecond clock and sleep (Win32 rather than std::chrono and
// std::this_thread, whose sleep goes through the POSIX threads layer).
class TickClock : public Clock {
public:
    int64_t NowMs() override { return static_cast<int64_t>(GetTickCount64()); }
    void SleepMs(int ms) override
    {
        if (ms > 0)
            Sleep(static_cast<DWORD>(ms));
    }
};

struct Host {
    WicPageLoader loader;
    TickClock clock;
    ScannerDevice device{&loader, &clock};

    Host()
    {
        device.SetDefaultPages(BundledPages());
        char path[MAX_PATH];
        DWORD n = GetEnvironmentVariableA("TARVX380_SIM", path, MAX_PATH);
        if (n == 0 || n >= MAX_PATH)
            return;
        SimConfig config;
        std::string error;
        if (LoadScenarioFile(path, config, error)) {
            device.Configure(config);
        } else {
            SetControlMessage(error);
            OutputDebugStringA(("TARVX380 simulator: " + error).c_str());
        }
    }
};

}  // namespace

ScannerDevice& TheDevice()
{
    static Host host;
    return host.device;
}

bool LoadScenarioFile(const std::string& path, SimConfig& config, std::string& error)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) {
        error = "cannot read the scenario file " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    SimConfig fresh;
    size_t slash = path.find_last_of("\\/");
    fresh.baseDir = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    if (!fresh.Parse(text.str(), error)) {
        error = path + ": " + error;
        return false;
    }
    config = fresh;
    return true;
}

void SetControlMessage(const std::string& text)
{
    std::lock_guard<std::mutex> hold(g_messageLock);
    g_message = text;
}

std::string ControlMessage()
{
    std::lock_guard<std::mutex> hold(g_messageLock);
    return g_message;
}

}  // namespace sim
