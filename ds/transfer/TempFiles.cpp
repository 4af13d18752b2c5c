#include "transfer/TempFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <random>

namespace {

constexpr char kDataSubfolder[] = "\\Mirevo\\";

bool FolderExists(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string WithTrailingSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

std::string SystemUniqueName(const std::string& folder, const char* prefix)
{
    char path[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), prefix, 0, path) == 0)
        return std::string();
    return path;
}

bool CreateNewFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

} // namespace

bool EnsureDataFolder(char* buffer)
{
    if (!buffer)
        return false;
    buffer[0] = '\0';
    char base[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, base)))
        return false;
    const int written = std::snprintf(buffer, MAX_PATH, "%s%s", base, kDataSubfolder);
    if (written < 0 || written >= MAX_PATH) {
        buffer[0] = '\0';
        return false;
    }
    if (FolderExists(buffer))
        return true;
    return CreateDirectoryA(buffer, nullptr) != 0 || FolderExists(buffer);
}

std::string MakeTempFileNameWith(const char* prefix, const std::string& folder, const TempNameCalls& calls)
{
    if (!prefix)
        prefix = "";
    std::string name = calls.uniqueName ? calls.uniqueName(folder, prefix) : std::string();
    if (!name.empty())
        return name;

    // The system could not give a name: try our own, folder + prefix
    // right-aligned in three characters + four hexadecimal digits.
    std::minstd_rand random(calls.seed ? calls.seed : 1u);
    std::uniform_int_distribution<int> number(0, 0x7FFF);
    const std::string base = WithTrailingSeparator(folder);
    char candidate[MAX_PATH + 16] = {};
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        std::snprintf(candidate, sizeof(candidate), "%s%3s%04x.tmp", base.c_str(), prefix, number(random));
        if (calls.createNew && calls.createNew(candidate))
            return candidate;
    }
    // Every candidate is taken by someone else's file: handing one out would
    // let the page file overwrite and later delete it. No name; the caller's
    // open fails and the page ends with a file error.
    return std::string();
}

std::string MakeTempFileName(const char* prefix, const char* folder)
{
    std::string where;
    if (folder && *folder) {
        where = folder;
    } else {
        char temp[MAX_PATH] = {};
        const DWORD n = GetTempPathA(MAX_PATH, temp);
        if (n > 0 && n < MAX_PATH)
            where = temp;
    }
    TempNameCalls calls;
    calls.uniqueName = &SystemUniqueName;
    calls.createNew = &CreateNewFile;
    calls.seed = GetTickCount();
    return MakeTempFileNameWith(prefix, where, calls);
}
