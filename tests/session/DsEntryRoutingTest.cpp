// DS_Entry as an application sees it, through a freshly loaded module.
#include <gtest/gtest.h>

#include "SourceHarness.h"

namespace {

class DsEntryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(h.Load()) << "TARVX380.ds not loadable"; }
    SourceHarness h;
};

TEST_F(DsEntryTest, UnservedTripletsFailWithBadProtocol)
{
    TW_STATUS st{};
    TW_CAPABILITY cap{};
    // The data group is compared, not masked.
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL | DG_IMAGE, DAT_STATUS, MSG_GET, &st));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_AUDIO, DAT_STATUS, MSG_GET, &st));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL | DF_APP2, DAT_STATUS, MSG_GET, &st));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_IMAGE, DAT_STATUS, MSG_GET, &st));
    // Listed DATs with unlisted messages, and unlisted DATs.
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_STOPFEEDER, nullptr));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL, DAT_CAPABILITY, MSG_GETHELP, &cap));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL, DAT_STATUS, MSG_SET, &st));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL, DAT_CALLBACK, MSG_REGISTER_CALLBACK, nullptr));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL, DAT_DEVICEEVENT, MSG_GET, nullptr));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_IMAGE, DAT_EXTIMAGEINFO, MSG_GET, nullptr));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_SET, nullptr));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADPROTOCOL, h.Call(DG_CONTROL, DAT_ENTRYPOINT, MSG_GET, nullptr));
}

TEST_F(DsEntryTest, StatusIsReportedOnceThenCleared)
{
    TW_CAPABILITY cap{CAP_XFERCOUNT, TWON_ONEVALUE, nullptr};
    EXPECT_EQ(h.Call(DG_CONTROL, DAT_CAPABILITY, MSG_GET, &cap), TWRC_FAILURE);
    // A later successful call does not clear the unread condition.
    TW_ENTRYPOINT ep{};
    EXPECT_EQ(h.GiveEntryPoints(), TWRC_SUCCESS);
    TW_STATUS st{0xFFFF, 0xFFFF};
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_STATUS, MSG_GET, &st), TWRC_SUCCESS);
    EXPECT_EQ(st.ConditionCode, TWCC_SEQERROR);
    EXPECT_EQ(st.Data, 0);
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_STATUS, MSG_GET, &st), TWRC_SUCCESS);
    EXPECT_EQ(st.ConditionCode, TWCC_SUCCESS);
    (void)ep;
}

TEST_F(DsEntryTest, OperationsRefuseTheWrongStateWithSeqError)
{
    // Freshly loaded: state 3. Everything that needs an open source refuses.
    TW_CAPABILITY cap{CAP_XFERCOUNT, TWON_ONEVALUE, nullptr};
    TW_CUSTOMDSDATA custom{};
    TW_USERINTERFACE ui{};
    TW_EVENT ev{};
    TW_PENDINGXFERS px{};
    TW_SETUPMEMXFER mem{};
    TW_SETUPFILEXFER file{};
    TW_IMAGEINFO info{};
    TW_IMAGELAYOUT layout{};
    TW_IMAGEMEMXFER strip{};
    TW_HANDLE native = nullptr;
    TW_UINT32 group = 0;
    struct { TW_UINT32 dg; TW_UINT16 dat, msg; void* data; } calls[] = {
        {DG_CONTROL, DAT_CAPABILITY, MSG_GET, &cap},
        {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, &cap},
        {DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap},
        {DG_CONTROL, DAT_CAPABILITY, MSG_RESETALL, &cap},
        {DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom},
        {DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, &custom},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, &ui},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui},
        {DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &ev},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, &px},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &px},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &px},
        {DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group},
        {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &mem},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &file},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, &file},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &layout},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout},
        {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info},
        {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip},
        {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &native},
        {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr},
    };
    for (const auto& c : calls) {
        SCOPED_TRACE(testing::Message() << "DAT 0x" << std::hex << c.dat << " MSG 0x" << c.msg);
        EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_SEQERROR, h.Call(c.dg, c.dat, c.msg, c.data));
    }
}

TEST_F(DsEntryTest, CloseInStateThreeSucceedsAndDoesNothing)
{
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr));
    // Still state 3: an operation of state 4 still refuses.
    TW_CUSTOMDSDATA custom{};
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_SEQERROR, h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom));
}

TEST_F(DsEntryTest, MissingRecordsAreRefusedNotDereferenced)
{
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_BADVALUE, h.Call(DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, nullptr));
}

// DAT_STATUS without a record fails, and the condition nobody has read yet
// is still there for the next DAT_STATUS with a record.
TEST_F(DsEntryTest, StatusWithoutARecordKeepsTheUnreadCondition)
{
    TW_CUSTOMDSDATA custom{};
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom), TWRC_FAILURE); // state 3: SEQERROR
    EXPECT_EQ(h.Call(DG_CONTROL, DAT_STATUS, MSG_GET, nullptr), TWRC_FAILURE);
    EXPECT_EQ(h.ConditionCode(), TWCC_SEQERROR);
    EXPECT_EQ(h.ConditionCode(), TWCC_SUCCESS) << "read once, then cleared";
}

TEST_F(DsEntryTest, UnloadAndReloadStartsAFreshModule)
{
    EXPECT_EQ(h.GiveEntryPoints(43), TWRC_FAILURE); // leaves TWCC_BUMMER unread
    ASSERT_TRUE(h.Load());                          // unload, load again
    EXPECT_EQ(h.ConditionCode(), TWCC_SUCCESS);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(h.Load());
        EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.GiveEntryPoints());
    }
}

} // namespace
