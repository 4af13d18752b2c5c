#include "transfer/TransferMemFile.h"

#include <cstring>

#include "session/DsmLink.h"

namespace {
constexpr uint64_t kLargest = 0xFFFFFFFFull;
} // namespace

CTransferMemFile::CTransferMemFile(uint32_t growStep) : m_growStep(growStep ? growStep : 1) {}

CTransferMemFile::~CTransferMemFile() { Release(); }

void CTransferMemFile::Release()
{
    if (m_handle) {
        if (m_data) DsmUnlock(m_handle);
        DsmFree(m_handle);
    }
    m_handle = nullptr;
    m_data = nullptr;
    m_capacity = m_length = m_position = 0;
}

bool CTransferMemFile::Reserve(uint64_t capacity, bool exact)
{
    if (capacity <= m_capacity) return true;
    if (capacity > kLargest) return false;
    // Writes past the end grow by whole steps; a length that is set is
    // allocated as it is, so a block sized ahead is exactly the file.
    uint64_t rounded = exact ? capacity : (capacity + m_growStep - 1) / m_growStep * m_growStep;
    if (rounded > kLargest) rounded = capacity;
    TW_HANDLE handle = DsmAlloc(static_cast<TW_UINT32>(rounded));
    if (!handle) return false;
    auto* data = static_cast<uint8_t*>(DsmLock(handle));
    if (!data) {
        DsmFree(handle);
        return false;
    }
    ++m_allocations;
    if (m_handle) {
        std::memcpy(data, m_data, m_length);
        DsmUnlock(m_handle);
        DsmFree(m_handle);
    }
    m_handle = handle;
    m_data = data;
    m_capacity = static_cast<uint32_t>(rounded);
    return true;
}

bool CTransferMemFile::Seek(uint64_t position)
{
    if (position > kLargest) return false;
    m_position = static_cast<uint32_t>(position);
    return true;
}

bool CTransferMemFile::Write(const void* data, uint32_t size)
{
    const uint64_t end = uint64_t(m_position) + size;
    if (end > m_length && !(Reserve(end, false) && SetLength(end))) return false;
    if (size) std::memcpy(m_data + m_position, data, size);
    m_position = static_cast<uint32_t>(end);
    return true;
}

bool CTransferMemFile::SetLength(uint64_t length)
{
    if (!Reserve(length, true)) return false;
    m_length = static_cast<uint32_t>(length);
    if (m_position > m_length) m_position = m_length;
    return true;
}

TW_HANDLE CTransferMemFile::Detach()
{
    TW_HANDLE handle = m_handle;
    if (handle && m_data) DsmUnlock(handle);
    m_handle = nullptr;
    m_data = nullptr;
    m_capacity = m_length = m_position = 0;
    return handle;
}
