#include "session/StateTable.h"

#include "session/DataSourceApp.h"

namespace {

constexpr int16_t kAny = 0;
constexpr int16_t kTop = kStateTransferring;

const StateRule kRules[] = {
    {Op::CapabilityQuery, kStateOpen, kTop},
    {Op::CapabilityChange, kStateOpen, kStateOpen},
    {Op::CustomData, kStateOpen, kStateOpen},
    {Op::EntryPoint, kAny, kTop},
    {Op::Status, kAny, kTop},
    {Op::IdentityGet, kAny, kTop},
    {Op::OpenDs, kStateLoaded, kStateLoaded},
    {Op::CloseDs, kAny, kTop},
    {Op::ProcessEvent, kStateEnabled, kTop},
    {Op::EnableDs, kStateOpen, kStateOpen},
    {Op::DisableDs, kStateEnabled, kTop},
    {Op::PendingGet, kStateOpen, kTop},
    {Op::EndXfer, kStateXferReady, kTop},
    {Op::PendingReset, kStateXferReady, kTop},
    {Op::SetupQuery, kStateOpen, kStateXferReady},
    {Op::SetupChange, kStateOpen, kStateOpen},
    {Op::ImageInfo, kStateXferReady, kTop},
    {Op::MemoryXfer, kStateXferReady, kTop},
    {Op::WholeImageXfer, kStateXferReady, kStateXferReady},
};

} // namespace

const StateRule& RuleFor(Op op)
{
    for (const StateRule& rule : kRules)
        if (rule.op == op) return rule;
    static const StateRule kNever = {op, 1, 0};
    return kNever;
}

bool StateAllows(Op op, int16_t state)
{
    const StateRule& rule = RuleFor(op);
    return state >= rule.lowest && state <= rule.highest;
}

bool RequireState(Op op)
{
    CDataSourceApp& app = TheApp();
    if (StateAllows(op, app.m_twainState)) return true;
    app.Fail(TWCC_SEQERROR);
    return false;
}
