// The driver library's session as the data source runs it: load, open the
// interface, read the status and the properties the source reads at open,
// scan a small frame through to its last row, close, unload.
#include "ModuleWorkload.h"

#include <windows.h>

#include <vector>

#include "common/driver/SIInterface.h"

namespace {

// A grey strip of 0.5 × 0.1 inch at 150 dpi: the smallest frame the device
// takes, so that a cycle is quick and still reads rows.
constexpr int kDpi = 150;
constexpr int kWidth = 75;
constexpr int kHeight = 15;
constexpr int kModeGrey = 1;

struct DriverCalls {
    decltype(&SI_OpenInterface) open;
    decltype(&SI_CloseInterface) close;
    decltype(&SI_GetScannerStatus) status;
    decltype(&SI_GetPaperStatus) paper;
    decltype(&SI_GetProperty) get;
    decltype(&SI_SetProperty) set;
    decltype(&SI_StartScan) start;
    decltype(&SI_ReadImageData) read;
    decltype(&SI_EndScan) end;
    decltype(&SI_GetLastErrorText) errorText;

    bool Bind(HMODULE m)
    {
        open = reinterpret_cast<decltype(open)>(GetProcAddress(m, "SI_OpenInterface"));
        close = reinterpret_cast<decltype(close)>(GetProcAddress(m, "SI_CloseInterface"));
        status = reinterpret_cast<decltype(status)>(GetProcAddress(m, "SI_GetScannerStatus"));
        paper = reinterpret_cast<decltype(paper)>(GetProcAddress(m, "SI_GetPaperStatus"));
        get = reinterpret_cast<decltype(get)>(GetProcAddress(m, "SI_GetProperty"));
        set = reinterpret_cast<decltype(set)>(GetProcAddress(m, "SI_SetProperty"));
        start = reinterpret_cast<decltype(start)>(GetProcAddress(m, "SI_StartScan"));
        read = reinterpret_cast<decltype(read)>(GetProcAddress(m, "SI_ReadImageData"));
        end = reinterpret_cast<decltype(end)>(GetProcAddress(m, "SI_EndScan"));
        errorText = reinterpret_cast<decltype(errorText)>(GetProcAddress(m, "SI_GetLastErrorText"));
        return open && close && status && paper && get && set && start && read && end && errorText;
    }
};

std::string Failed(const char* call, int rc)
{
    return std::string(call) + " gave " + std::to_string(rc);
}

class DriverWorkload : public ModuleWorkload {
public:
    explicit DriverWorkload(std::string path) : m_path(std::move(path)) {}

    std::string Cycle() override
    {
        HMODULE module = LoadLibraryA(m_path.c_str());
        if (!module)
            return "cannot load " + m_path;
        DriverCalls si{};
        std::string fault = si.Bind(module) ? Session(si) : "an SI_ export is missing";
        FreeLibrary(module);
        return fault;
    }

private:
    static std::string Session(const DriverCalls& si)
    {
        int rc = si.open("Tarvex380");
        if (rc != SI_OK)
            return Failed("SI_OpenInterface", rc);
        std::string fault = Scan(si);
        rc = si.close();
        if (fault.empty() && rc != SI_OK)
            fault = Failed("SI_CloseInterface", rc);
        return fault;
    }

    static int SetValue(const DriverCalls& si, uint16_t id, int32_t value, int slot)
    {
        SIProperty p{};
        p.id = id;
        if (si.get(&p) != SI_OK)
            return si.get(&p);
        p.slot[slot].i = value;
        return si.set(&p);
    }

    static std::string Scan(const DriverCalls& si)
    {
        int status = 0, paper = 0;
        if (int rc = si.status(&status); rc != SI_OK || status != 1)
            return Failed("SI_GetScannerStatus", rc) + ", status " + std::to_string(status);
        if (int rc = si.paper(&paper); rc != SI_OK || paper != 1)
            return Failed("SI_GetPaperStatus", rc) + ", paper " + std::to_string(paper);
        SIProperty name{};
        name.id = 205;
        if (int rc = si.get(&name); rc != SI_OK)
            return Failed("SI_GetProperty(205)", rc);
        SIProperty single{};
        single.id = 4;
        single.slot[0].i = kDpi;  // a single-value write of a listed resolution
        if (int rc = si.set(&single); rc != SI_OK)
            return Failed("SI_SetProperty(4)", rc);
        SIProperty mode{};
        mode.id = 8;
        mode.slot[0].i = kModeGrey;
        if (int rc = si.set(&mode); rc != SI_OK)
            return Failed("SI_SetProperty(8)", rc);
        if (int rc = SetValue(si, 14, kWidth, 4); rc != SI_OK)
            return Failed("SI_SetProperty(14)", rc);
        if (int rc = SetValue(si, 15, kHeight, 4); rc != SI_OK)
            return Failed("SI_SetProperty(15)", rc);
        SIProperty rowBytes{};
        rowBytes.id = 19;
        if (int rc = si.get(&rowBytes); rc != SI_OK || rowBytes.slot[0].i <= 0)
            return Failed("SI_GetProperty(19)", rc);
        if (int rc = si.start(); rc != SI_OK)
            return Failed("SI_StartScan", rc);
        std::vector<unsigned char> rows(static_cast<size_t>(rowBytes.slot[0].i) * kHeight);
        int delivered = 0;
        int rc = si.read(rows.data(), kHeight, 0, &delivered);
        std::string fault;
        if ((rc != SI_OK && rc != SI_END_OF_PAGE) || delivered <= 0)
            fault = Failed("SI_ReadImageData", rc) + ", rows " + std::to_string(delivered);
        rc = si.end();
        if (fault.empty() && rc != SI_OK)
            fault = Failed("SI_EndScan", rc);
        return fault;
    }

    std::string m_path;
};

}  // namespace

std::unique_ptr<ModuleWorkload> MakeDriverWorkload(const std::string& path)
{
    return std::make_unique<DriverWorkload>(path);
}
