#include "caps/ContainerBlock.h"

#include "session/DataSourceApp.h"
#include "session/DsmLink.h"

ContainerBlock::ContainerBlock(TW_UINT32 size) : m_size(size)
{
    m_handle = DsmAlloc(size);
    if (!m_handle) return;
    m_data = static_cast<uint8_t*>(DsmLock(m_handle));
    if (!m_data) {
        DsmFree(m_handle);
        m_handle = nullptr;
        return;
    }
    // A manager's allocator need not clear the block.
    std::memset(m_data, 0, size);
}

ContainerBlock::~ContainerBlock()
{
    if (!m_handle) return;
    DsmUnlock(m_handle);
    DsmFree(m_handle);
}

void ContainerBlock::Put16(TW_UINT32 offset, TW_UINT32 value)
{
    const uint16_t v = static_cast<uint16_t>(value);
    PutBytes(offset, &v, sizeof v);
}

void ContainerBlock::Put32(TW_UINT32 offset, TW_UINT32 value) { PutBytes(offset, &value, sizeof value); }

void ContainerBlock::PutBytes(TW_UINT32 offset, const void* bytes, TW_UINT32 count)
{
    if (m_data && offset <= m_size && count <= m_size - offset) std::memcpy(m_data + offset, bytes, count);
}

TW_UINT16 ContainerBlock::HandTo(TW_CAPABILITY& cap, TW_UINT16 conType)
{
    if (!m_data) return TheApp().Fail(TWCC_LOWMEMORY);
    DsmUnlock(m_handle);
    cap.ConType = conType;
    cap.hContainer = m_handle;
    m_handle = nullptr;
    m_data = nullptr;
    return TWRC_SUCCESS;
}
