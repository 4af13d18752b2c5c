// The supported-resolution list and the snapping of a requested resolution.
#include <gtest/gtest.h>

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
    EXPECT_EQ(SnapResolution(1200, false), 300);
    EXPECT_EQ(SnapResolution(1, true), 300);
}

TEST_F(ResolutionListTest, NearestEntryWithEarlierEntryWinningTies)
{
    UseDeviceList();
    EXPECT_FALSE(IsBuiltInResolutionList());
    EXPECT_EQ(SnapResolution(250, false), 200);
    EXPECT_EQ(SnapResolution(251, false), 300);
    EXPECT_EQ(SnapResolution(175, false), 150);
    EXPECT_EQ(SnapResolution(100, false), 150);
    EXPECT_EQ(SnapResolution(5000, false), 600);
    EXPECT_EQ(SnapResolution(-300, false), 150);
}

TEST_F(ResolutionListTest, DisabledEntriesAreSkippedOnlyWhenAsked)
{
    UseDeviceList();
    SetResolutionEnabled(1, false); // 200
    EXPECT_EQ(SnapResolution(200, true), 150);
    EXPECT_EQ(SnapResolution(200, false), 200);
    for (int i = 0; i < 4; ++i) SetResolutionEnabled(i, false);
    EXPECT_EQ(SnapResolution(600, true), 150) << "no qualifying entry gives the first";
    EnableAllResolutions();
    EXPECT_EQ(SnapResolution(600, true), 600);
}

TEST_F(ResolutionListTest, DeviceListIsBoundedAndCleaned)
{
    int32_t many[20];
    for (int i = 0; i < 20; ++i) many[i] = 100 * (i + 1);
    SetResolutionList(many, 20);
    EXPECT_EQ(ResolutionCount(), kMaxResolutions);
    EXPECT_EQ(ResolutionAt(11).dpi, 1200);
    EXPECT_EQ(ResolutionAt(12).dpi, 0);

    const int32_t odd[] = {0, -5, 400, 70000};
    SetResolutionList(odd, 4);
    EXPECT_EQ(ResolutionCount(), 1);
    EXPECT_EQ(ResolutionAt(0).dpi, 400);
    EXPECT_FALSE(IsBuiltInResolutionList());

    SetResolutionList(nullptr, 3);
    EXPECT_TRUE(IsBuiltInResolutionList());
}

} // namespace
