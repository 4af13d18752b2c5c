// The temporary file that holds one buffered page: created and appended to
// while the page is scanned, then reopened and read from the start, and
// deleted when the page is done with.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

class CPageFile {
public:
    enum State { kClosed = 0, kWriting = 1, kReading = 2 };

    CPageFile() = default;
    ~CPageFile() { Delete(); }
    CPageFile(const CPageFile&) = delete;
    CPageFile& operator=(const CPageFile&) = delete;

    // Opens `path` for writing, empty (the file may already exist as a
    // reservation). True on success; the path is remembered either way so that
    // Delete removes what was reserved.
    bool CreateForWriting(const std::string& path);
    // Appends bytes; false when not open for writing or the write failed.
    bool Append(const uint8_t* data, size_t size);
    // Reopens the remembered file for reading from its start.
    bool OpenForReading();
    // Reads exactly size bytes; false when fewer were there or the read failed.
    bool Read(uint8_t* data, size_t size);
    // Closes the file; it stays on disk.
    void Close();
    // Closes the file and removes it from disk.
    void Delete();

    State GetState() const { return m_state; }
    const std::string& Path() const { return m_path; }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    State m_state = kClosed;
    std::string m_path;
};
