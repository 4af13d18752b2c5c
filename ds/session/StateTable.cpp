#include "session/StateTable.h"

#include "session/DataSourceApp.h"

namespace {

constexpr int16_t kAny = 0;
constexpr int16_t kTop = kStateTransferring;

// Operation, accepted states, where it moves the state when done, and where
// its other ending leaves it.
const StateRule kRules[] = {
    {Op::CapabilityQuery, kStateOpen, kTop, kStays, kStays},
    {Op::CapabilityChange, kStateOpen, kStateOpen, kStays, kStays},
    {Op::CustomData, kStateOpen, kStateOpen, kStays, kStays},
    {Op::EntryPoint, kAny, kTop, kStays, kStays},
    {Op::Status, kAny, kTop, kStays, kStays},
    {Op::IdentityGet, kAny, kTop, kStays, kStays},
    {Op::OpenDs, kStateLoaded, kStateLoaded, kStateOpen, kStays},
    {Op::CloseDs, kAny, kTop, kStateLoaded, kStays},
    {Op::ProcessEvent, kStateEnabled, kTop, kStays, kStays},
    // Done: the sheet is shown, or the acquisition is under way; otherwise
    // (the acquisition could not start) back to open.
    {Op::EnableDs, kStateOpen, kStateOpen, kStateEnabled, kStateOpen},
    {Op::StartAcquisition, kStateEnabled, kStateEnabled, kStateXferReady, kStays},
    {Op::DisableDs, kStateEnabled, kTop, kStateOpen, kStays},
    {Op::PendingGet, kStateOpen, kTop, kStays, kStays},
    // Done: the last page is ended; otherwise another page follows.
    {Op::EndXfer, kStateXferReady, kTop, kStateEnabled, kStateXferReady},
    {Op::PendingReset, kStateXferReady, kTop, kStateEnabled, kStays},
    {Op::SetupQuery, kStateOpen, kStateXferReady, kStays, kStays},
    {Op::SetupChange, kStateOpen, kStateOpen, kStays, kStays},
    {Op::ImageInfo, kStateXferReady, kTop, kStays, kStays},
    // Done: a strip was delivered (the first one enters 7).
    {Op::MemoryXfer, kStateXferReady, kTop, kStateTransferring, kStays},
    {Op::WholeImageXfer, kStateXferReady, kStateXferReady, kStateTransferring, kStays},
};

} // namespace

const StateRule& RuleFor(Op op)
{
    for (const StateRule& rule : kRules)
        if (rule.op == op) return rule;
    static const StateRule kNever = {op, 1, 0, kStays, kStays};
    return kNever;
}

bool StateAllows(Op op, int16_t state)
{
    const StateRule& rule = RuleFor(op);
    return state >= rule.lowest && state <= rule.highest;
}

int16_t StateAfter(Op op, Outcome outcome, int16_t current)
{
    const StateRule& rule = RuleFor(op);
    const int16_t target = outcome == Outcome::Done ? rule.movesTo : rule.otherwise;
    return target == kStays ? current : target;
}

bool RequireState(Op op)
{
    CDataSourceApp& app = TheApp();
    if (StateAllows(op, app.m_twainState)) return true;
    app.Fail(TWCC_SEQERROR);
    return false;
}

void MoveState(Op op, Outcome outcome)
{
    CDataSourceApp& app = TheApp();
    app.m_twainState = StateAfter(op, outcome, app.m_twainState);
}
