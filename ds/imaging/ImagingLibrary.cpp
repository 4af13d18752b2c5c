// Loading and binding of the image-processing library (see ImagingLibrary.h).
#include "imaging/ImagingLibrary.h"

#include <windows.h>

#include <vector>

namespace {

const char kLibraryName[] = "VOZozur.dll";

// Sets the DLL search directory for the lifetime of the object and puts back
// the one that was in force before (the default search when none was set).
class ScopedDllDirectory {
public:
    explicit ScopedDllDirectory(const std::string& folder) {
        DWORD length = GetDllDirectoryA(0, nullptr);
        if (length > 1) {
            std::vector<char> buffer(length + 1, '\0');
            DWORD got = GetDllDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
            if (got > 0 && got < buffer.size()) {
                saved_.assign(buffer.data(), got);
                hadOne_ = true;
            }
        }
        SetDllDirectoryA(folder.c_str());
    }
    ~ScopedDllDirectory() { SetDllDirectoryA(hadOne_ ? saved_.c_str() : nullptr); }
    ScopedDllDirectory(const ScopedDllDirectory&) = delete;
    ScopedDllDirectory& operator=(const ScopedDllDirectory&) = delete;

private:
    std::string saved_;
    bool hadOne_ = false;
};

template <typename Fn>
bool BindOne(HMODULE module, const char* name, Fn*& slot) {
    slot = reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return slot != nullptr;
}

}  // namespace

ImagingLibrary::~ImagingLibrary() { Unload(); }

std::string ImagingLibrary::OwnFolder() {
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ImagingLibrary::OwnFolder), &self))
        return std::string();
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder(path, length);
    size_t slash = folder.find_last_of("\\/");
    if (slash == std::string::npos) return std::string();
    return folder.substr(0, slash + 1);
}

bool ImagingLibrary::Load() {
    if (IsLoaded()) return true;
    std::string folder = OwnFolder();
    if (folder.empty()) return false;
    {
        // The folder without its trailing separator is the search directory.
        ScopedDllDirectory directory(folder.substr(0, folder.size() - 1));
        module_ = reinterpret_cast<HINSTANCE__*>(LoadLibraryA((folder + kLibraryName).c_str()));
    }
    if (!module_) return false;
    return BindAndInitialize();
}

bool ImagingLibrary::LoadFrom(const std::string& path) {
    if (IsLoaded()) return false;
    module_ = reinterpret_cast<HINSTANCE__*>(LoadLibraryA(path.c_str()));
    if (!module_) return false;
    return BindAndInitialize();
}

bool ImagingLibrary::BindAndInitialize() {
    HMODULE m = reinterpret_cast<HMODULE>(module_);
    bool all = BindOne(m, "IPT_Initialize", Initialize) &&
               BindOne(m, "IPT_Uninitialize", Uninitialize) &&
               BindOne(m, "IPT_CreateImageFromFile", CreateImageFromFile) &&
               BindOne(m, "IPT_CreateImageFromMemory", CreateImageFromMemory) &&
               BindOne(m, "IPT_FreeImage", FreeImage) &&
               BindOne(m, "IPT_SaveImageToFile", SaveImageToFile) &&
               BindOne(m, "IPT_SaveImageToMemory", SaveImageToMemory) &&
               BindOne(m, "IPT_RemoveBorder", RemoveBorder) &&
               BindOne(m, "IPT_Binarize", Binarize) &&
               BindOne(m, "IPT_Rotate", Rotate) &&
               BindOne(m, "IPT_GetProperties", GetProperties) &&
               BindOne(m, "IPT_Copy", Copy) &&
               BindOne(m, "IPT_DropColor", DropColor) &&
               BindOne(m, "IPT_DetectOrientation", DetectOrientation);
    if (!all || Initialize(0) != IPT_OK) {
        ReleaseModule();
        return false;
    }
    return true;
}

void ImagingLibrary::Unload() {
    if (!module_) return;
    Uninitialize();
    ReleaseModule();
}

void ImagingLibrary::ReleaseModule() {
    FreeLibrary(reinterpret_cast<HMODULE>(module_));
    module_ = nullptr;
    ClearFunctions();
}

void ImagingLibrary::ClearFunctions() {
    Initialize = nullptr;
    Uninitialize = nullptr;
    CreateImageFromFile = nullptr;
    CreateImageFromMemory = nullptr;
    FreeImage = nullptr;
    SaveImageToFile = nullptr;
    SaveImageToMemory = nullptr;
    RemoveBorder = nullptr;
    Binarize = nullptr;
    Rotate = nullptr;
    GetProperties = nullptr;
    Copy = nullptr;
    DropColor = nullptr;
    DetectOrientation = nullptr;
}
