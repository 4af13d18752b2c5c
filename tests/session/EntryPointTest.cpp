// DAT_ENTRYPOINT: record sizes, and which allocator makes the handles the
// source gives out. The allocator switch is observed on the custom-data blob,
// which needs an open session; the core's state is set directly for that.
#include <gtest/gtest.h>

#include <string>

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

// Without DAT_ENTRYPOINT the source finds the manager itself, from the test's
// own folder of stand-ins.
std::string StandInFolder(const char* name)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// Sends two notifications with the manager found in `folder`; gives the
// module that received them (checked to be a stand-in that recorded both).
HMODULE NotifyThroughManagerIn(const char* folder, const char* expectedName)
{
    EXPECT_TRUE(SetDllDirectoryA(StandInFolder(folder).c_str()));
    EXPECT_EQ(SendToManager(MSG_XFERREADY), TWRC_SUCCESS);
    EXPECT_EQ(SendToManager(MSG_CLOSEDSOK), TWRC_SUCCESS);
    SetDllDirectoryA(nullptr);
    HMODULE manager = GetModuleHandleA(expectedName);
    EXPECT_NE(manager, nullptr) << expectedName;
    if (!manager) return nullptr;
    EXPECT_EQ(TheDsmLink().managerModule, manager);
    auto count = reinterpret_cast<int (*)()>(reinterpret_cast<void*>(GetProcAddress(manager, "FakeManagerCount")));
    auto message = reinterpret_cast<TW_UINT16 (*)(int)>(reinterpret_cast<void*>(GetProcAddress(manager, "FakeManagerMessage")));
    EXPECT_TRUE(count && message) << "the stand-in manager was the one loaded";
    if (!count || !message) return manager;
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(message(0), MSG_XFERREADY);
    EXPECT_EQ(message(1), MSG_CLOSEDSOK);
    return manager;
}

// A 64-bit source can only ever load the 64-bit manager: it is tried first.
TEST_F(EntryPointCoreTest, WithoutEntryPointsThe64BitManagerIsLoadedByName)
{
    ASSERT_NE(NotifyThroughManagerIn("fakemanager", "TWAINDSM.DLL"), nullptr);
    EXPECT_EQ(GetModuleHandleA("TWAIN_32.DLL"), nullptr) << "the old name is not loaded when the new one is there";
    // Forgetting the manager frees the library the source loaded.
    TheDsmLink().Reset();
    EXPECT_EQ(GetModuleHandleA("TWAINDSM.DLL"), nullptr);
}

TEST_F(EntryPointCoreTest, WithoutEntryPointsTheOldManagerNameIsTheFallback)
{
    ASSERT_NE(NotifyThroughManagerIn("fakemanager32", "TWAIN_32.DLL"), nullptr);
    TheDsmLink().Reset();
    EXPECT_EQ(GetModuleHandleA("TWAIN_32.DLL"), nullptr);
}

} // namespace
