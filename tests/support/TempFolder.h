// A private folder under the temporary folder, removed with its files.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return m_path; } // ends with a backslash
    std::string File(const char* name) const { return m_path + name; }

private:
    std::string m_path;
};

// Reads a whole text file ("" when absent).
std::string ReadTextFile(const std::string& path);
