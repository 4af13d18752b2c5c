// One container block for the application: made with the manager's allocator,
// written between lock and unlock, and handed over in the application's
// TW_CAPABILITY. A block that is not handed over is freed again.
#pragma once

#include <cstdint>
#include <cstring>

#include "twain/Twain.h"

class ContainerBlock {
public:
    explicit ContainerBlock(TW_UINT32 size);
    ~ContainerBlock();
    ContainerBlock(const ContainerBlock&) = delete;
    ContainerBlock& operator=(const ContainerBlock&) = delete;

    bool Ok() const { return m_data != nullptr; }

    void Put16(TW_UINT32 offset, TW_UINT32 value);
    void Put32(TW_UINT32 offset, TW_UINT32 value);
    void PutBytes(TW_UINT32 offset, const void* bytes, TW_UINT32 count);

    // Unlocks the block and stores it with its container type; TWRC_SUCCESS.
    // Without a block: TWCC_LOWMEMORY, TWRC_FAILURE, and the capability keeps
    // no handle of ours.
    TW_UINT16 HandTo(TW_CAPABILITY& cap, TW_UINT16 conType);

private:
    TW_HANDLE m_handle = nullptr;
    uint8_t* m_data = nullptr;
    TW_UINT32 m_size;
};
