// The sheet's paper poll on ticks and a scripted sensor: a prefeed only for
// an insertion the poll saw happen, none for paper present at open, and no
// read while the sheet may not poll.
#include <gtest/gtest.h>

#include <vector>

#include "ui/ScanSheetPaperPoll.h"

namespace {

struct Script {
    bool paper = false;
    int reads = 0;
    int feeds = 0;
    CScanSheetPaperPoll Poll()
    {
        return CScanSheetPaperPoll([this] { ++reads; return paper; }, [this] { ++feeds; });
    }
};

} // namespace

TEST(ScanSheetPaperPoll, InsertionRemovalAndPresentAtOpen)
{
    Script s;
    CScanSheetPaperPoll poll = s.Poll();
    EXPECT_TRUE(poll.Tick(true));
    s.paper = true;
    for (int i = 0; i < 5; ++i) poll.Tick(true);
    EXPECT_EQ(s.feeds, 1);
    EXPECT_TRUE(poll.PaperPresent());
    s.paper = false;
    poll.Tick(true);
    EXPECT_FALSE(poll.PaperPresent());
    s.paper = true;
    poll.Tick(true);
    poll.Tick(true);
    EXPECT_EQ(s.feeds, 2);

    Script atOpen;
    atOpen.paper = true;
    CScanSheetPaperPoll second = atOpen.Poll();
    for (int i = 0; i < 4; ++i) second.Tick(true);
    EXPECT_EQ(atOpen.feeds, 0);
    EXPECT_EQ(atOpen.reads, 4);
    atOpen.paper = false;
    second.Tick(true);
    atOpen.paper = true;
    second.Tick(true);
    EXPECT_EQ(atOpen.feeds, 1) << "once seen empty, the next insertion is prefed";
}

TEST(ScanSheetPaperPoll, InactiveTicksReadNothingAndMissNothing)
{
    Script s;
    CScanSheetPaperPoll poll = s.Poll();
    poll.Tick(true);
    s.paper = true;
    EXPECT_FALSE(poll.Tick(false));
    EXPECT_EQ(s.reads, 1);
    EXPECT_EQ(s.feeds, 0);
    poll.Tick(true);
    EXPECT_EQ(s.feeds, 1);

    CScanSheetPaperPoll blind(nullptr, nullptr);
    EXPECT_FALSE(blind.Tick(true)) << "no sensor, no read";
    CScanSheetPaperPoll noFeed([] { return false; }, nullptr);
    EXPECT_TRUE(noFeed.Tick(true));
}
