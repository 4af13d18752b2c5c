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

} // namespace

TW_UINT16 DsUserInterface(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF)
{
    return NotServedYet(msg == MSG_DISABLEDS ? Op::DisableDs : Op::EnableDs);
}

TW_UINT16 DsProcessEvent(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::ProcessEvent); }

TW_UINT16 DsPendingXfers(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF)
{
    if (msg == MSG_ENDXFER) return NotServedYet(Op::EndXfer);
    return NotServedYet(msg == MSG_RESET ? Op::PendingReset : Op::PendingGet);
}

TW_UINT16 DsSetupMemXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::SetupQuery); }

TW_UINT16 DsSetupFileXfer(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF)
{
    return NotServedYet(msg == MSG_RESET ? Op::SetupChange : Op::SetupQuery);
}

TW_UINT16 DsXferGroup(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::PendingGet); }

TW_UINT16 DsImageInfo(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::ImageInfo); }

TW_UINT16 DsImageLayout(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF)
{
    const bool change = msg == MSG_SET || msg == MSG_RESET;
    return NotServedYet(change ? Op::SetupChange : Op::SetupQuery);
}

TW_UINT16 DsImageMemXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::MemoryXfer); }
TW_UINT16 DsImageNativeXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::WholeImageXfer); }
TW_UINT16 DsImageFileXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF) { return NotServedYet(Op::WholeImageXfer); }
