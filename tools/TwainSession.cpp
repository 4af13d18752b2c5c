#include "TwainSession.h"

#include <cstring>

#include "TwainNames.h"

TW_UINT16 TwainSession::Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data, const std::string& about)
{
    const TW_UINT16 rc = m_link.Call(dg, dat, msg, data);
    if (rc == TWRC_FAILURE || rc == TWRC_CHECKSTATUS) {
        m_last = TwainFailure{};
        m_last.dg = dg;
        m_last.dat = dat;
        m_last.msg = msg;
        m_last.rc = rc;
        m_last.about = about;
        TW_STATUS status{};
        if (m_link.Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status) == TWRC_SUCCESS) {
            m_last.cc = status.ConditionCode;
            m_last.haveCc = true;
        }
    }
    return rc;
}

bool TwainSession::GetCap(TW_UINT16 cap, TW_UINT16 msg, CapValue& value, std::string& error)
{
    TW_CAPABILITY record{};
    record.Cap = cap;
    record.ConType = TWON_DONTCARE16;
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_CAPABILITY, msg, &record, CapabilityName(cap));
    if (rc != TWRC_SUCCESS && rc != TWRC_CHECKSTATUS) {
        error = m_last.Text();
        return false;
    }
    if (!record.hContainer) {
        error = CapabilityName(cap) + ": the source answered " + MsgName(msg) + " without a container";
        return false;
    }
    bool ok = false;
    const size_t size = m_link.Size(record.hContainer);
    const void* block = m_link.Lock(record.hContainer);
    if (!block || size == 0) {
        error = CapabilityName(cap) + ": the container cannot be read";
    } else {
        ok = ReadContainer(cap, record.ConType, block, size, value, error);
        if (!ok) error = CapabilityName(cap) + ": " + error;
    }
    if (block) m_link.Unlock(record.hContainer);
    m_link.Free(record.hContainer);
    return ok;
}

TW_INT32 TwainSession::QuerySupport(TW_UINT16 cap)
{
    CapValue v;
    std::string error;
    if (!GetCap(cap, MSG_QUERYSUPPORT, v, error) || v.conType != TWON_ONEVALUE || v.items.empty()) return 0;
    return static_cast<TW_INT32>(v.items[0]);
}

TW_UINT16 TwainSession::SetOneValue(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 raw)
{
    // The container is ours: made with global memory, the allocator every
    // Windows manager and source use for application containers.
    const std::vector<uint8_t> block = OneValueBlock(itemType, raw);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block.size());
    if (!h) {
        m_last = TwainFailure{};
        m_last.about = "out of memory";
        return TWRC_FAILURE;
    }
    void* p = GlobalLock(h);
    std::memcpy(p, block.data(), block.size());
    GlobalUnlock(h);
    TW_CAPABILITY record{};
    record.Cap = cap;
    record.ConType = TWON_ONEVALUE;
    record.hContainer = h;
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &record, CapabilityName(cap));
    GlobalFree(h);
    return rc;
}
