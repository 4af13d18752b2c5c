#include "GuardedBlock.h"

#include <windows.h>

GuardedBlock::GuardedBlock(size_t bytes) : m_size(bytes)
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    const size_t committed = (bytes + page - 1) / page * page + (bytes == 0 ? page : 0);
    m_base = VirtualAlloc(nullptr, committed + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!m_base) return;
    DWORD old = 0;
    auto* base = static_cast<uint8_t*>(m_base);
    if (!VirtualProtect(base + committed, page, PAGE_NOACCESS, &old)) return;
    m_data = base + committed - bytes;
}

GuardedBlock::~GuardedBlock()
{
    if (m_base) VirtualFree(m_base, 0, MEM_RELEASE);
}
