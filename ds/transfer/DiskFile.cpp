#include "transfer/DiskFile.h"

bool CDiskFile::Create(const std::string& path)
{
    Close();
    m_file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_length = m_position = 0;
    return IsOpen();
}

void CDiskFile::Close()
{
    if (IsOpen()) CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

bool CDiskFile::Seek(uint64_t position)
{
    if (!IsOpen()) return false;
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(position);
    if (!SetFilePointerEx(m_file, to, nullptr, FILE_BEGIN)) return false;
    m_position = position;
    return true;
}

bool CDiskFile::Write(const void* data, uint32_t size)
{
    if (!IsOpen()) return false;
    DWORD written = 0;
    if (!WriteFile(m_file, data, size, &written, nullptr) || written != size) return false;
    m_position += size;
    if (m_position > m_length) m_length = m_position;
    return true;
}

bool CDiskFile::SetLength(uint64_t length)
{
    const uint64_t position = m_position;
    if (!Seek(length) || !SetEndOfFile(m_file)) return false;
    m_length = length;
    return Seek(position < length ? position : length);
}
