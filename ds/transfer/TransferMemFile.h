// A growable memory file whose block is a handle from the manager's
// allocator, kept locked while the file owns it. Growing allocates a new
// handle, copies and frees the old one; nothing above 4 GiB - 1 is allowed.
// Detach hands the block over unlocked (the application frees it); a block
// still held at destruction is unlocked and freed.
#pragma once

#include "transfer/BitmapFile.h"
#include "twain/Twain.h"

class CTransferMemFile : public CBitmapFile {
public:
    explicit CTransferMemFile(uint32_t growStep = 1024);
    ~CTransferMemFile() override;
    CTransferMemFile(const CTransferMemFile&) = delete;
    CTransferMemFile& operator=(const CTransferMemFile&) = delete;

    bool Seek(uint64_t position) override;
    bool Write(const void* data, uint32_t size) override;
    bool SetLength(uint64_t length) override;
    uint64_t Length() const override { return m_length; }

    // The block's handle, unlocked; the file forgets it. Null when empty.
    TW_HANDLE Detach();
    // How many blocks were allocated (tests, benchmark).
    int Allocations() const { return m_allocations; }
    const uint8_t* Data() const { return m_data; }

private:
    bool Reserve(uint64_t capacity, bool exact);
    void Release();

    uint32_t m_growStep;
    TW_HANDLE m_handle = nullptr;
    uint8_t* m_data = nullptr;
    uint32_t m_capacity = 0;
    uint32_t m_length = 0;
    uint32_t m_position = 0;
    int m_allocations = 0;
};
