// The supported-resolution list and the snapping of a requested resolution.
#include <gtest/gtest.h>

#include <cstdint>

#include "device/ResolutionList.h"

namespace {

class ResolutionListTest : public ::testing::Test {
protected:
    void TearDown() override { ResetResolutionList(); }
    void UseDeviceList() { const int32_t v[] = {150, 200, 300, 600}; SetResolutionList(v, 4); }
};

TEST_F(ResolutionListTest, BuiltInListIsThreeHundredAlone)
{
    ResetResolutionList();
    EXPECT_TRUE(IsBuiltInResolutionList());
    EXPECT_EQ(ResolutionCount(), 1);
    EXPECT_EQ(SnapResolution(1200, nullptr), 300);
    const bool none[kMaxResolutions] = {};
    EXPECT_EQ(SnapResolution(1, none), 300);
}

TEST_F(ResolutionListTest, NearestEntryWithEarlierEntryWinningTies)
{
    UseDeviceList();
    EXPECT_FALSE(IsBuiltInResolutionList());
    EXPECT_EQ(SnapResolution(250, nullptr), 200);
    EXPECT_EQ(SnapResolution(251, nullptr), 300);
    EXPECT_EQ(SnapResolution(175, nullptr), 150);
    EXPECT_EQ(SnapResolution(100, nullptr), 150);
    EXPECT_EQ(SnapResolution(5000, nullptr), 600);
    EXPECT_EQ(SnapResolution(-300, nullptr), 150);
}

TEST_F(ResolutionListTest, DisabledEntriesAreSkippedOnlyWhenAsked)
{
    UseDeviceList();
    bool enabled[kMaxResolutions] = {true, false, true, true}; // 200 disabled
    EXPECT_EQ(SnapResolution(200, enabled), 150);
    EXPECT_EQ(SnapResolution(200, nullptr), 200);
    for (bool& e : enabled) e = false;
    EXPECT_EQ(SnapResolution(600, enabled), 150) << "no qualifying entry gives the first";
    enabled[3] = true;
    EXPECT_EQ(SnapResolution(250, enabled), 600);
    EXPECT_EQ(SnapResolution(INT32_MIN, nullptr), 150) << "no overflow far below the list";
    EXPECT_EQ(SnapResolution(INT32_MAX, nullptr), 600);
}

TEST_F(ResolutionListTest, DeviceListIsBoundedAndCleaned)
{
    int32_t many[20];
    for (int i = 0; i < 20; ++i) many[i] = 100 * (i + 1);
    SetResolutionList(many, 20);
    EXPECT_EQ(ResolutionCount(), kMaxResolutions);
    EXPECT_EQ(ResolutionAt(11), 1200);
    EXPECT_EQ(ResolutionAt(12), 0);

    const int32_t odd[] = {0, -5, 400, 70000};
    SetResolutionList(odd, 4);
    EXPECT_EQ(ResolutionCount(), 1);
    EXPECT_EQ(ResolutionAt(0), 400);
    EXPECT_FALSE(IsBuiltInResolutionList());

    SetResolutionList(nullptr, 3);
    EXPECT_TRUE(IsBuiltInResolutionList());
}

} // namespace
