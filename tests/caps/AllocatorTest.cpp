// When the manager's allocator gives nothing, the answer is TWCC_LOWMEMORY and
// the application's record keeps no handle; a reset-all frees what its resets
// produced.
#include <gtest/gtest.h>

#include "CapClient.h"
#include "CountingManager.h"
#include "caps/CapTable.h"

namespace {

class Allocator : public CapTest {};

TEST_F(Allocator, RefusedAllocationLeavesNoHandleForEveryMessage)
{
    CapClient c(true);
    ASSERT_TRUE(c.Open());
    for (const CapEntry* e = CapTableBegin(); e != CapTableEnd(); ++e) {
        for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT, MSG_RESET}) {
            if (msg == MSG_RESET && !e->Settable()) continue;
            counting::RefuseNext();
            TW_CAPABILITY record{e->id, 0x1234, nullptr};
            const TW_UINT16 rc = c.h.Call(DG_CONTROL, DAT_CAPABILITY, msg, &record);
            const TW_UINT16 cc = c.ConditionCode();
            EXPECT_EQ(rc, TWRC_FAILURE) << "cap 0x" << std::hex << e->id << " msg " << msg;
            EXPECT_EQ(cc, TWCC_LOWMEMORY) << "cap 0x" << std::hex << e->id << " msg " << msg;
            EXPECT_EQ(record.hContainer, nullptr);
            EXPECT_EQ(record.ConType, 0x1234) << "the record is left as it was";
        }
    }
    counting::Reset();
    Container ok;
    EXPECT_EQ(c.Ask(ICAP_XRESOLUTION, MSG_GET, &ok), TWRC_SUCCESS) << "the next allocation works again";
    EXPECT_EQ(counting::Live(), 0);
}

TEST_F(Allocator, ResetAllFreesWhatItsResetsMade)
{
    CapClient c(true);
    ASSERT_TRUE(c.Open());
    counting::Reset();
    EXPECT_EQ(c.Ask(0, MSG_RESETALL), TWRC_SUCCESS);
    EXPECT_GT(counting::Allocations(), 30) << "every settable capability answered its reset";
    EXPECT_EQ(counting::Live(), 0) << "and each answer was freed";
    counting::Reset(5);
    EXPECT_EQ(c.Ask(0, MSG_RESETALL), TWRC_SUCCESS) << "a refused allocation inside does not fail it";
    EXPECT_EQ(c.ConditionCode(), TWCC_SUCCESS);
    EXPECT_EQ(counting::Live(), 0);
}

} // namespace
