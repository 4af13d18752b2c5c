#include "transfer/PageFile.h"

#include <algorithm>

namespace {
// One WriteFile/ReadFile moves at most this much; the calls take 32-bit sizes.
constexpr size_t kMaxIo = 1u << 30;
} // namespace

bool CPageFile::CreateForWriting(const std::string& path)
{
    Close();
    m_path = path;
    if (path.empty())
        return false;
    m_file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (m_file == INVALID_HANDLE_VALUE)
        return false;
    m_state = kWriting;
    return true;
}

bool CPageFile::Append(const uint8_t* data, size_t size)
{
    if (m_state != kWriting)
        return false;
    while (size > 0) {
        const DWORD part = static_cast<DWORD>(std::min(size, kMaxIo));
        DWORD written = 0;
        if (!WriteFile(m_file, data, part, &written, nullptr) || written != part)
            return false;
        data += part;
        size -= part;
    }
    return true;
}

bool CPageFile::OpenForReading()
{
    Close();
    if (m_path.empty())
        return false;
    m_file = CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (m_file == INVALID_HANDLE_VALUE)
        return false;
    m_state = kReading;
    return true;
}

bool CPageFile::Read(uint8_t* data, size_t size)
{
    if (m_state != kReading)
        return false;
    while (size > 0) {
        const DWORD part = static_cast<DWORD>(std::min(size, kMaxIo));
        DWORD got = 0;
        if (!ReadFile(m_file, data, part, &got, nullptr) || got != part)
            return false;
        data += part;
        size -= part;
    }
    return true;
}

void CPageFile::Close()
{
    if (m_file != INVALID_HANDLE_VALUE)
        CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
    m_state = kClosed;
}

void CPageFile::Delete()
{
    Close();
    if (!m_path.empty())
        DeleteFileA(m_path.c_str());
    m_path.clear();
}
