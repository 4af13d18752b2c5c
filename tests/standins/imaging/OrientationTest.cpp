// Orientation detection of the core: every quarter turn found and consistent
// with RotateQuarter; no confident answer on a blank page.
#include "PageGenerator.h"

#include "core/Orientation.h"
#include "core/PageBox.h"
#include "core/Rotate.h"

#include <gtest/gtest.h>

namespace {

TEST(Orientation, EveryQuarterTurnIsFoundAndUndoneByRotate) {
    for (int turns = 0; turns < 4; ++turns) {
        bench::PageSpec params;
        params.dpi = 200;
        params.quarterTurns = turns;
        params.skewDegrees = turns == 2 ? 1.5 : 0.0;  // a slightly skewed one too
        params.seed = 40u + static_cast<uint32_t>(turns);
        bench::GeneratedPage page = bench::GeneratePage(params);
        vz::OrientationResult r = vz::DetectOrientation(page.image, vz::kDefaultBackgroundLevel);
        EXPECT_EQ(page.uprightTurn, r.turns) << "page turned " << turns << ", confidence " << r.confidence;
        EXPECT_GE(r.confidence, vz::kMinOrientationConfidence) << turns;
        // Turning by the answer leaves an upright page.
        vz::Image upright = vz::RotateQuarter(page.image, r.turns);
        EXPECT_EQ(0, vz::DetectOrientation(upright, vz::kDefaultBackgroundLevel).turns) << turns;
    }
}

TEST(Orientation, BlankPageGivesNoTurn) {
    for (int turns : {0, 1}) {
        bench::PageSpec params;
        params.dpi = 200;
        params.blank = true;
        params.quarterTurns = turns;
        params.skewDegrees = 2.0;
        bench::GeneratedPage page = bench::GeneratePage(params);
        vz::OrientationResult r = vz::DetectOrientation(page.image, vz::kDefaultBackgroundLevel);
        EXPECT_EQ(0, r.turns);
        EXPECT_LT(r.confidence, vz::kMinOrientationConfidence);
    }
    vz::Image white;
    ASSERT_TRUE(vz::MakeImage(white, 100, 140, 1, 100, 100));
    std::fill(white.pixels.begin(), white.pixels.end(), 0xFF);
    vz::OrientationResult r = vz::DetectOrientation(white, vz::kDefaultBackgroundLevel);
    EXPECT_EQ(0, r.turns);
    EXPECT_EQ(0.0f, r.confidence);
}

}  // namespace
