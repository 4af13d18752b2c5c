// The file object a bitmap is written into: positioned writes and a length
// that can be set ahead of the data. A memory file for native transfers, a
// disk file for file transfers and the preview.
#pragma once

#include <cstdint>

class CBitmapFile {
public:
    virtual ~CBitmapFile() = default;
    // Moves the write position; false when it cannot be reached.
    virtual bool Seek(uint64_t position) = 0;
    // Writes at the position and advances it; false on failure.
    virtual bool Write(const void* data, uint32_t size) = 0;
    // Sets the file's length (growing or cutting); false on failure.
    virtual bool SetLength(uint64_t length) = 0;
    virtual uint64_t Length() const = 0;
};
