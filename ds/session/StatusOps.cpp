// DAT_STATUS: the condition of the last failure, reported once.
#include "session/DataSourceApp.h"
#include "session/Operations.h"
#include "session/StateTable.h"

TW_UINT16 DsStatusGet(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::Status)) return TWRC_FAILURE;
    // Without a record there is nowhere to report the condition: it stays
    // unread instead of being replaced by the complaint about the record.
    if (!data) return TWRC_FAILURE;
    CDataSourceApp& app = TheApp();
    *static_cast<TW_STATUS*>(data) = app.m_status;
    app.m_status.ConditionCode = TWCC_SUCCESS;
    return TWRC_SUCCESS;
}
