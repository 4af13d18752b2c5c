// DAT_ENTRYPOINT: record sizes, and which allocator makes the handles the
// source gives out. The allocator switch is observed on the custom-data blob,
// which needs an open session; the core's state is set directly for that.
#include <gtest/gtest.h>

#include "SourceHarness.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Router.h"

namespace {

TEST(EntryPointThroughDsEntry, SizeBelow44IsRefusedAndLongerRecordsAccepted)
{
    SourceHarness h;
    ASSERT_TRUE(h.Load());
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BUMMER, h.GiveEntryPoints(43));
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.GiveEntryPoints(44));
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.GiveEntryPoints(60));
}

class EntryPointCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TheDsmLink().Reset();
        TheApp().m_twainState = kStateOpen;
        TheApp().m_status = {};
        SourceHarness::ClearRecords();
    }
    void TearDown() override
    {
        TheDsmLink().Reset();
        TheApp().m_twainState = kStateLoaded;
    }
    TW_HANDLE FetchCustomData()
    {
        TW_CUSTOMDSDATA custom{};
        EXPECT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom), TWRC_SUCCESS);
        EXPECT_EQ(custom.InfoLength, 80u);
        return custom.hData;
    }
};

TEST_F(EntryPointCoreTest, HandlesComeFromGlobalMemoryUntilTheManagerHandsOverItsOwn)
{
    TW_HANDLE before = FetchCustomData();
    ASSERT_NE(before, nullptr);
    EXPECT_FALSE(SourceHarness::MadeByManager(before));
    GlobalFree(before);

    TW_ENTRYPOINT shortRecord = SourceHarness::ManagerEntryPoints(43);
    EXPECT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &shortRecord), TWRC_FAILURE);
    EXPECT_EQ(TheApp().m_status.ConditionCode, TWCC_BUMMER);
    EXPECT_EQ(TheDsmLink().entryPointsSet, 0u);
    TW_HANDLE stillGlobal = FetchCustomData();
    EXPECT_FALSE(SourceHarness::MadeByManager(stillGlobal));
    GlobalFree(stillGlobal);

    TW_ENTRYPOINT full = SourceHarness::ManagerEntryPoints(44);
    EXPECT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &full), TWRC_SUCCESS);
    EXPECT_EQ(TheDsmLink().entryPointsSet, 1u);
    TW_HANDLE after = FetchCustomData();
    EXPECT_TRUE(SourceHarness::MadeByManager(after));
    GlobalFree(after);
}

TEST_F(EntryPointCoreTest, RecordWithoutMemoryFunctionsIsRefused)
{
    TW_ENTRYPOINT partial = SourceHarness::ManagerEntryPoints(44);
    partial.DSM_MemLock = nullptr;
    EXPECT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &partial), TWRC_FAILURE);
    EXPECT_EQ(TheDsmLink().entryPointsSet, 0u);
}

TEST_F(EntryPointCoreTest, NotificationsGoToTheManagerEntryWithNullRecord)
{
    TW_ENTRYPOINT full = SourceHarness::ManagerEntryPoints(44);
    ASSERT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &full), TWRC_SUCCESS);
    EXPECT_EQ(SendToManager(MSG_XFERREADY), TWRC_SUCCESS);
    EXPECT_EQ(SendToManager(MSG_CLOSEDSREQ), TWRC_SUCCESS);
    ASSERT_EQ(SourceHarness::Notifications().size(), 2u);
    EXPECT_EQ(SourceHarness::Notifications()[0], MSG_XFERREADY);
    EXPECT_EQ(SourceHarness::Notifications()[1], MSG_CLOSEDSREQ);
}

} // namespace
