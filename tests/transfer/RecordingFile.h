// A file in memory for the writers' tests: it records where each write
// landed, and its writes or its SetLength can be made to fail.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "transfer/BitmapFile.h"

class RecordingFile : public CBitmapFile {
public:
    struct Written { uint64_t at; uint32_t size; };
    bool Seek(uint64_t p) override { m_pos = p; return true; }
    bool Write(const void* data, uint32_t size) override
    {
        if (failWrites) return false;
        if (failAfter >= 0 && int(writes.size()) >= failAfter) return false;
        if (m_pos + size > bytes.size()) bytes.resize(size_t(m_pos + size));
        std::memcpy(&bytes[size_t(m_pos)], data, size);
        writes.push_back({m_pos, size});
        m_pos += size;
        return true;
    }
    bool SetLength(uint64_t n) override
    {
        if (failLength) return false;
        bytes.resize(size_t(n));
        return true;
    }
    uint64_t Length() const override { return bytes.size(); }

    std::vector<uint8_t> bytes;
    std::vector<Written> writes;
    bool failWrites = false;   // every write fails
    int failAfter = -1;        // writes fail once this many have succeeded
    bool failLength = false;   // SetLength fails

private:
    uint64_t m_pos = 0;
};
