// The legality table, walked for every operation and every state 1 to 7
// against the accepted ranges of the TWAIN session, and every move it makes
// from every accepted state.
#include <gtest/gtest.h>

#include "session/DataSourceApp.h"
#include "session/StateTable.h"

namespace {

struct Expect {
    Op op;
    const char* name;
    bool accepted[8]; // index = state; 0 unused
    int16_t done;      // state after Outcome::Done; 0: unchanged
    int16_t otherwise; // state after Outcome::Otherwise; 0: unchanged
};

//                                         -  1  2  3  4  5  6  7
const Expect kExpected[] = {
    {Op::CapabilityQuery, "cap get",      {0, 0, 0, 0, 1, 1, 1, 1}, 0, 0},
    {Op::CapabilityChange, "cap set",     {0, 0, 0, 0, 1, 0, 0, 0}, 0, 0},
    {Op::CustomData, "custom data",       {0, 0, 0, 0, 1, 0, 0, 0}, 0, 0},
    {Op::EntryPoint, "entry point",       {0, 1, 1, 1, 1, 1, 1, 1}, 0, 0},
    {Op::Status, "status",                {0, 1, 1, 1, 1, 1, 1, 1}, 0, 0},
    {Op::IdentityGet, "identity get",     {0, 1, 1, 1, 1, 1, 1, 1}, 0, 0},
    {Op::OpenDs, "open",                  {0, 0, 0, 1, 0, 0, 0, 0}, 4, 0},
    {Op::CloseDs, "close",                {0, 1, 1, 1, 1, 1, 1, 1}, 3, 0},
    {Op::ProcessEvent, "process event",   {0, 0, 0, 0, 0, 1, 1, 1}, 0, 0},
    {Op::EnableDs, "enable",              {0, 0, 0, 0, 1, 0, 0, 0}, 5, 4},
    {Op::StartAcquisition, "acquire",     {0, 0, 0, 0, 0, 1, 0, 0}, 6, 0},
    {Op::DisableDs, "disable",            {0, 0, 0, 0, 0, 1, 1, 1}, 4, 0},
    {Op::PendingGet, "pending get",       {0, 0, 0, 0, 1, 1, 1, 1}, 0, 0},
    {Op::EndXfer, "end xfer",             {0, 0, 0, 0, 0, 0, 1, 1}, 5, 6},
    {Op::PendingReset, "pending reset",   {0, 0, 0, 0, 0, 0, 1, 1}, 5, 0},
    {Op::SetupQuery, "setup query",       {0, 0, 0, 0, 1, 1, 1, 0}, 0, 0},
    {Op::SetupChange, "setup change",     {0, 0, 0, 0, 1, 0, 0, 0}, 0, 0},
    {Op::ImageInfo, "image info",         {0, 0, 0, 0, 0, 0, 1, 1}, 0, 0},
    {Op::MemoryXfer, "memory xfer",       {0, 0, 0, 0, 0, 0, 1, 1}, 7, 0},
    {Op::WholeImageXfer, "native/file",   {0, 0, 0, 0, 0, 0, 1, 0}, 7, 0},
};

TEST(StateTable, EveryOperationAcceptsExactlyItsStates)
{
    for (const Expect& e : kExpected)
        for (int16_t state = 1; state <= 7; ++state)
            EXPECT_EQ(StateAllows(e.op, state), e.accepted[state]) << e.name << " in state " << state;
}

TEST(StateTable, EveryOperationMovesToItsStateFromEveryAcceptedState)
{
    for (const Expect& e : kExpected)
        for (int16_t state = 1; state <= 7; ++state) {
            if (!e.accepted[state]) continue;
            EXPECT_EQ(StateAfter(e.op, Outcome::Done, state), e.done ? e.done : state) << e.name << " from " << state;
            EXPECT_EQ(StateAfter(e.op, Outcome::Otherwise, state), e.otherwise ? e.otherwise : state)
                << e.name << " (otherwise) from " << state;
        }
}

TEST(StateTable, MoveStateChangesTheSessionAsTheTableSays)
{
    CDataSourceApp& app = TheApp();
    struct { Op op; Outcome outcome; int16_t from, to; } steps[] = {
        {Op::OpenDs, Outcome::Done, 3, 4},          {Op::EnableDs, Outcome::Done, 4, 5},
        {Op::StartAcquisition, Outcome::Done, 5, 6}, {Op::MemoryXfer, Outcome::Done, 6, 7},
        {Op::MemoryXfer, Outcome::Done, 7, 7},       {Op::EndXfer, Outcome::Otherwise, 7, 6},
        {Op::WholeImageXfer, Outcome::Done, 6, 7},   {Op::EndXfer, Outcome::Done, 7, 5},
        {Op::DisableDs, Outcome::Done, 5, 4},        {Op::EnableDs, Outcome::Otherwise, 5, 4},
        {Op::PendingReset, Outcome::Done, 6, 5},     {Op::CloseDs, Outcome::Done, 6, 3},
        {Op::ImageInfo, Outcome::Done, 6, 6},
    };
    for (const auto& s : steps) {
        app.m_twainState = s.from;
        MoveState(s.op, s.outcome);
        EXPECT_EQ(app.m_twainState, s.to) << "from " << s.from;
    }
    app.m_twainState = kStateLoaded;
}

TEST(StateTable, EveryOperationHasARow)
{
    EXPECT_EQ(sizeof kExpected / sizeof kExpected[0], static_cast<size_t>(Op::WholeImageXfer) + 1);
    for (const Expect& e : kExpected) EXPECT_EQ(RuleFor(e.op).op, e.op) << e.name;
}

TEST(StateTable, RefusalRecordsSeqErrorAndKeepsTheState)
{
    CDataSourceApp& app = TheApp();
    app.m_twainState = kStateXferReady;
    app.m_status = {};
    EXPECT_FALSE(RequireState(Op::CustomData));
    EXPECT_EQ(app.m_status.ConditionCode, TWCC_SEQERROR);
    EXPECT_EQ(app.m_status.Data, 0);
    EXPECT_EQ(app.m_twainState, kStateXferReady);
    app.m_status = {};
    EXPECT_TRUE(RequireState(Op::ImageInfo));
    EXPECT_EQ(app.m_status.ConditionCode, TWCC_SUCCESS);
    app.m_twainState = kStateLoaded;
}

} // namespace
