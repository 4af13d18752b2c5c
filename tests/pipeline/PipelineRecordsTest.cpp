// The rules that turn a page's settings into the imaging library's records:
// the crop margin, the dropout window, the strip height.
#include <gtest/gtest.h>

#include "PipelineFixture.h"
#include "imaging/PipelineRecords.h"

namespace {

TEST(PipelineRecords, MarginCutsAFiftiethOfAnInchOnlyWhenDeskewedAndCropped)
{
    EXPECT_EQ(-6, BorderMargin(true, true, 300));
    EXPECT_EQ(-1, BorderMargin(true, true, 75));    // -1.5 truncates towards zero
    EXPECT_EQ(-12, BorderMargin(true, true, 600));
    EXPECT_EQ(-2, BorderMargin(true, true, 149));   // -2.98
    EXPECT_EQ(0, BorderMargin(true, true, 49));     // -0.98
    EXPECT_EQ(0, BorderMargin(true, false, 300));
    EXPECT_EQ(0, BorderMargin(false, true, 300));
    EXPECT_EQ(0, BorderMargin(false, false, 300));
}

TEST(PipelineRecords, BorderRecordCarriesTheSwitchesAsBytesAndTheFixedLevel)
{
    ScanSettings s = PlainSettings(kModeColor);
    s.Deskew = 5;   // any nonzero value is "on" and goes out as 1
    IptBorderRemoval r = BorderRemovalRecord(s, 300);
    EXPECT_EQ(24, r.size);
    EXPECT_EQ(1, r.deskew);
    EXPECT_EQ(0, r.crop);
    EXPECT_EQ(48, r.backgroundLevel);
    EXPECT_EQ(0, r.margin);
    for (uint8_t b : r.reserved)
        EXPECT_EQ(0, b);

    s.AutoCrop = 1;
    r = BorderRemovalRecord(s, 75);
    EXPECT_EQ(1, r.crop);
    EXPECT_EQ(-1, r.margin);
}

TEST(PipelineRecords, AutomaticThresholdAlwaysGivesTheWindow25To25)
{
    ScanSettings s = PlainSettings(kModeGray);
    s.ColorDropThreshold = -1;
    s.ColorDropMin = 3;
    s.ColorDropMax = 170;
    for (uint16_t type : {1, 2, 3}) {
        s.ColorDropType = type;
        const IptColorDropout r = ColorDropoutRecord(s);
        EXPECT_EQ(type, r.type);
        EXPECT_EQ(-1, r.threshold);
        EXPECT_EQ(25, r.minimum) << "type " << type;
        EXPECT_EQ(25, r.maximum) << "type " << type;
    }
}

TEST(PipelineRecords, ManualWindowIsShiftedDownBy60ForRedOnly)
{
    ScanSettings s = PlainSettings(kModeGray);
    s.ColorDropThreshold = 140;
    s.ColorDropMin = 35;
    s.ColorDropMax = 85;
    s.ColorDropSatMin = 80;
    s.ColorDropLumMin = 30;
    s.ColorDropBlobMin = 40;
    s.ColorDropType = 1;
    IptColorDropout r = ColorDropoutRecord(s);
    EXPECT_EQ(40, r.size);
    EXPECT_EQ(140, r.threshold);
    EXPECT_EQ(-25, r.minimum);
    EXPECT_EQ(25, r.maximum);
    EXPECT_EQ(80, r.saturationMin);
    EXPECT_EQ(30, r.luminanceMin);
    EXPECT_EQ(40, r.blobMin);
    EXPECT_EQ(0, r.reserved);

    s.ColorDropType = 3;
    r = ColorDropoutRecord(s);
    EXPECT_EQ(35, r.minimum);
    EXPECT_EQ(85, r.maximum);
}

TEST(PipelineRecords, DropoutOnlyOutsideColourAndBorderRemovalForEitherSwitch)
{
    ScanSettings s = PlainSettings(kModeColor);
    s.ColorDropType = 2;
    EXPECT_FALSE(WantsColorDropout(s));
    s.ScanMode = kModeGray;
    EXPECT_TRUE(WantsColorDropout(s));
    s.ScanMode = kModeBlackWhite;
    EXPECT_TRUE(WantsColorDropout(s));
    s.ColorDropType = 0;
    EXPECT_FALSE(WantsColorDropout(s));

    EXPECT_FALSE(WantsBorderRemoval(s));
    s.AutoCrop = 1;
    EXPECT_TRUE(WantsBorderRemoval(s));
    s.AutoCrop = 0;
    s.Deskew = 1;
    EXPECT_TRUE(WantsBorderRemoval(s));
}

TEST(PipelineRecords, StripsAreHalfTheResolutionAndNeverEmpty)
{
    EXPECT_EQ(150u, ProcessingStripRows(300));
    EXPECT_EQ(37u, ProcessingStripRows(75));
    EXPECT_EQ(1u, ProcessingStripRows(1));
    EXPECT_EQ(1u, ProcessingStripRows(0));
}

TEST(PipelineRecords, BinarisationTakesTheDropoutThreshold)
{
    ScanSettings s = PlainSettings(kModeBlackWhite);
    s.ColorDropBWThreshold = 97;
    const IptBinarization r = DropoutBinarizationRecord(s);
    EXPECT_EQ(16, r.size);
    EXPECT_EQ(97, r.threshold);
}

}  // namespace
