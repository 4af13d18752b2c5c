// Triplets that are routed and state-checked, but whose service is not in
// this build yet: after the state check they fail with TWCC_BUMMER. Each moves
// to its own file when its subsystem arrives.
#include "session/DataSourceApp.h"
#include "session/Operations.h"
#include "session/StateTable.h"

namespace {

TW_UINT16 NotServedYet(Op op)
{
    if (!RequireState(op)) return TWRC_FAILURE;
    return TheApp().Fail(TWCC_BUMMER);
}

bool IsQuery(TW_UINT16 msg)
{
    return msg == MSG_GET || msg == MSG_GETCURRENT || msg == MSG_GETDEFAULT || msg == MSG_QUERYSUPPORT;
}

} // namespace

TW_UINT16 DsCapability(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF)
{
    return NotServedYet(IsQuery(msg) ? Op::CapabilityQuery : Op::CapabilityChange);
}
