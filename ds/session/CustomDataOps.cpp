// DAT_CUSTOMDSDATA: the settings exchanged as an opaque blob.
#include "session/CustomDataBlob.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Operations.h"
#include "session/StateTable.h"

namespace {

TW_UINT16 GetCustomData(TW_CUSTOMDSDATA* out)
{
    out->InfoLength = 0;
    out->hData = nullptr;
    TW_HANDLE handle = DsmAlloc(kCustomDataSize);
    if (!handle) return TWRC_SUCCESS;
    {
        DsmLockedHandle lock(handle);
        if (!lock.get()) {
            DsmFree(handle);
            return TWRC_SUCCESS;
        }
        WriteCustomData(TheApp().m_settings, static_cast<uint8_t*>(lock.get()));
    }
    out->InfoLength = kCustomDataSize;
    out->hData = handle;
    return TWRC_SUCCESS;
}

// The block stays the application's: locked and unlocked, never freed.
TW_UINT16 SetCustomData(const TW_CUSTOMDSDATA* in)
{
    if (in->InfoLength != kCustomDataSize || !in->hData) return TWRC_SUCCESS;
    // Without the manager's functions the block is Global memory, whose real
    // size can be checked: a claimed length larger than the block is refused
    // rather than read and written past its end.
    if (!TheDsmLink().entryPointsSet && GlobalSize(in->hData) < kCustomDataSize) return TWRC_SUCCESS;
    DsmLockedHandle lock(in->hData);
    if (lock.get())
        ReadCustomData(static_cast<uint8_t*>(lock.get()), in->InfoLength, &TheApp().m_settings);
    return TWRC_SUCCESS;
}

} // namespace

TW_UINT16 DsCustomDsData(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF data)
{
    if (!RequireState(Op::CustomData)) return TWRC_FAILURE;
    if (!data) return FailNullRecord();
    auto* record = static_cast<TW_CUSTOMDSDATA*>(data);
    return msg == MSG_GET ? GetCustomData(record) : SetCustomData(record);
}
