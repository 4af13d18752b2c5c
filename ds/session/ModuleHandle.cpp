#include "session/ModuleHandle.h"

namespace {
HMODULE g_module = nullptr;
} // namespace

HMODULE ModuleHandle()
{
    if (!g_module) {
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&ModuleHandle), &g_module);
    }
    return g_module;
}

void SetModuleHandle(HMODULE module) { g_module = module; }

std::string ModuleFolder()
{
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(ModuleHandle(), path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string folder(path, n);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}
