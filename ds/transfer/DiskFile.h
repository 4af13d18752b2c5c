// A bitmap file on disk, created (or emptied) for writing.
#pragma once

#include <windows.h>

#include <string>

#include "transfer/BitmapFile.h"

class CDiskFile : public CBitmapFile {
public:
    CDiskFile() = default;
    ~CDiskFile() override { Close(); }
    CDiskFile(const CDiskFile&) = delete;
    CDiskFile& operator=(const CDiskFile&) = delete;

    // Creates the file (emptying one that exists) with write access.
    bool Create(const std::string& path);
    void Close();
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }

    bool Seek(uint64_t position) override;
    bool Write(const void* data, uint32_t size) override;
    bool SetLength(uint64_t length) override;
    uint64_t Length() const override { return m_length; }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    uint64_t m_length = 0;
    uint64_t m_position = 0;
};
