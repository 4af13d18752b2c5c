// The legality table, walked for every operation and every state 1 to 7
// against the accepted ranges of the TWAIN session.
#include <gtest/gtest.h>

#include "session/DataSourceApp.h"
#include "session/StateTable.h"

namespace {

struct Expect {
    Op op;
    const char* name;
    bool accepted[8]; // index = state; 0 unused
};

//                                         -  1  2  3  4  5  6  7
const Expect kExpected[] = {
    {Op::CapabilityQuery, "cap get",      {0, 0, 0, 0, 1, 1, 1, 1}},
    {Op::CapabilityChange, "cap set",     {0, 0, 0, 0, 1, 0, 0, 0}},
    {Op::CustomData, "custom data",       {0, 0, 0, 0, 1, 0, 0, 0}},
    {Op::EntryPoint, "entry point",       {0, 1, 1, 1, 1, 1, 1, 1}},
    {Op::Status, "status",                {0, 1, 1, 1, 1, 1, 1, 1}},
    {Op::IdentityGet, "identity get",     {0, 1, 1, 1, 1, 1, 1, 1}},
    {Op::OpenDs, "open",                  {0, 0, 0, 1, 0, 0, 0, 0}},
    {Op::CloseDs, "close",                {0, 1, 1, 1, 1, 1, 1, 1}},
    {Op::ProcessEvent, "process event",   {0, 0, 0, 0, 0, 1, 1, 1}},
    {Op::EnableDs, "enable",              {0, 0, 0, 0, 1, 0, 0, 0}},
    {Op::DisableDs, "disable",            {0, 0, 0, 0, 0, 1, 1, 1}},
    {Op::PendingGet, "pending get",       {0, 0, 0, 0, 1, 1, 1, 1}},
    {Op::EndXfer, "end xfer",             {0, 0, 0, 0, 0, 0, 1, 1}},
    {Op::PendingReset, "pending reset",   {0, 0, 0, 0, 0, 0, 1, 1}},
    {Op::SetupQuery, "setup query",       {0, 0, 0, 0, 1, 1, 1, 0}},
    {Op::SetupChange, "setup change",     {0, 0, 0, 0, 1, 0, 0, 0}},
    {Op::ImageInfo, "image info",         {0, 0, 0, 0, 0, 0, 1, 1}},
    {Op::MemoryXfer, "memory xfer",       {0, 0, 0, 0, 0, 0, 1, 1}},
    {Op::WholeImageXfer, "native/file",   {0, 0, 0, 0, 0, 0, 1, 0}},
};

TEST(StateTable, EveryOperationAcceptsExactlyItsStates)
{
    for (const Expect& e : kExpected)
        for (int16_t state = 1; state <= 7; ++state)
            EXPECT_EQ(StateAllows(e.op, state), e.accepted[state]) << e.name << " in state " << state;
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
