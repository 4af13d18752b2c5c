// Picks the workload by module name, and the generic workload.
#include "ModuleWorkload.h"

#include <windows.h>

#include <cstring>

std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::unique_ptr<ModuleWorkload> MakeWorkload(const std::string& moduleFile)
{
    const std::string path = ProgramFolder() + moduleFile;
    if (_stricmp(moduleFile.c_str(), "TARVX380.ds") == 0)
        return MakeSourceWorkload(path);
    if (_stricmp(moduleFile.c_str(), "TARVX380.dll") == 0)
        return MakeDriverWorkload(path);
    if (_stricmp(moduleFile.c_str(), "VOZozur.dll") == 0)
        return MakeImagingWorkload(path);
    return MakeGenericWorkload(path);
}

namespace {

class GenericWorkload : public ModuleWorkload {
public:
    explicit GenericWorkload(std::string path) : m_path(std::move(path)) {}

    std::string Cycle() override
    {
        HMODULE module = LoadLibraryA(m_path.c_str());
        if (!module)
            return "cannot load " + m_path;
        std::string fault;
        using CanUnload = HRESULT(STDAPICALLTYPE*)();
        auto canUnload = reinterpret_cast<CanUnload>(GetProcAddress(module, "DllCanUnloadNow"));
        if (canUnload && canUnload() != S_OK)
            fault = "DllCanUnloadNow says the module is still in use";
        FreeLibrary(module);
        return fault;
    }

private:
    std::string m_path;
};

}  // namespace

std::unique_ptr<ModuleWorkload> MakeGenericWorkload(const std::string& path)
{
    return std::make_unique<GenericWorkload>(path);
}
