// The module's file names: the per-user data folder (settings and preview
// files live there) and unique temporary file names for page files and
// preview scans.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Writes the local application-data folder followed by "\Mirevo\" into
// buffer (MAX_PATH characters) and creates that folder when it is missing.
// True when the folder exists afterwards.
bool EnsureDataFolder(char* buffer);

// A new, empty file with a unique name in `folder` (the system temporary
// folder when null or empty), its name starting with `prefix`. Empty when no
// file could be reserved (32 names of our own tried after the system's): the
// caller's open then fails, and no one else's file is ever handed out.
std::string MakeTempFileName(const char* prefix, const char* folder = nullptr);

// The name-finding rule behind MakeTempFileName, with the file system calls
// passed in so that the fallback can be exercised.
struct TempNameCalls {
    // GetTempFileNameA(folder, prefix, 0): the created name, or "" on failure.
    std::function<std::string(const std::string& folder, const char* prefix)> uniqueName;
    // Creates `path` only if it does not exist yet (and closes it); true on success.
    std::function<bool(const std::string& path)> createNew;
    // Seed of the fallback names' random numbers.
    uint32_t seed = 0;
};
constexpr int kTempNameAttempts = 32;
std::string MakeTempFileNameWith(const char* prefix, const std::string& folder, const TempNameCalls& calls);
