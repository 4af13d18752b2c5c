// Validation of a settings record and clamping of the scan frame.
#include <gtest/gtest.h>

#include "ValidSettings.h"
#include "device/ResolutionList.h"
#include "imaging/ImagingQuery.h"
#include "settings/ScanSettings.h"

namespace {

bool Yes() { return true; }
bool No() { return false; }

ScanSettings Valid()
{
    ScanSettings s = ValidScanSettings();
    s.DetectEOP = 0;
    s.FileFormat = 0;
    return s;
}

class ValidateTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetImagingQuery(nullptr);
        ResetResolutionList();
    }
};

TEST_F(ValidateTest, ToneAndModeFieldsOutsideTheirRangesAreReplaced)
{
    ScanSettings s = Valid();
    s.ScanMode = 3;
    s.Brightness = -101;
    s.Contrast = 101;
    s.Gamma = 45;
    s.Highlight = 3;
    s.Shadow = 251;
    s.UVOnTime = 10001;
    s.Duplex = 1;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.ScanMode, kModeBlackWhite);
    EXPECT_EQ(s.Brightness, 0);
    EXPECT_EQ(s.Contrast, 0);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.Highlight, 255);
    EXPECT_EQ(s.Shadow, 0);
    EXPECT_EQ(s.UVOnTime, 0);
    EXPECT_EQ(s.Duplex, 0);

    s = Valid();
    s.Shadow = -5;
    s.Brightness = -100;
    s.Contrast = 100;
    s.Gamma = 40;
    s.Highlight = 5;
    s.UVOnTime = 10000;
    s.ScanMode = kModeColor;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.Shadow, 0);
    EXPECT_EQ(s.Brightness, -100);
    EXPECT_EQ(s.Contrast, 100);
    EXPECT_EQ(s.Gamma, 40);
    EXPECT_EQ(s.Highlight, 5);
    EXPECT_EQ(s.UVOnTime, 10000);
    EXPECT_EQ(s.ScanMode, kModeColor);
}

TEST_F(ValidateTest, ResolutionSnapsOnlyOnceTheDeviceListIsKnown)
{
    ScanSettings s = Valid();
    s.DPI = 250;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.DPI, 250);
    const int32_t list[] = {150, 200, 300, 600};
    SetResolutionList(list, 4);
    ValidateScanSettings(&s);
    EXPECT_EQ(s.DPI, 200);
}

TEST_F(ValidateTest, WithImagingTheDropoutFieldsAreBoundedAndFilterInvertCleared)
{
    SetImagingQuery(&Yes);
    ScanSettings s = Valid();
    s.ColorDropMin = 100;
    s.ColorDropMax = 50;
    s.Filter = 1;
    s.Invert = 1;
    s.Rotation = 4;
    s.ColorDropType = 7;
    s.AutoCrop = 1;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.ColorDropMin, 35);
    EXPECT_EQ(s.ColorDropMax, 50);
    EXPECT_EQ(s.Filter, 0);
    EXPECT_EQ(s.Invert, 0);
    EXPECT_EQ(s.Rotation, 0);
    EXPECT_EQ(s.ColorDropType, 0);
    EXPECT_EQ(s.AutoCrop, 1);

    // A lower end in range against an upper end out of range: the upper end
    // is replaced, and a lower end above it as well, so that validating once
    // leaves a window that a second validation keeps.
    s = Valid();
    s.ColorDropMin = 112;
    s.ColorDropMax = 5632;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.ColorDropMin, 35);
    EXPECT_EQ(s.ColorDropMax, 85);
    s.ColorDropMin = 60;
    s.ColorDropMax = 181;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.ColorDropMin, 60) << "a lower end below the replaced upper end stays";
    EXPECT_EQ(s.ColorDropMax, 85);

    s = Valid();
    s.ColorDropMin = 200;
    s.ColorDropMax = 300;
    s.ColorDropBWThreshold = 300;
    s.ColorDropSatMin = 0;
    s.ColorDropLumMin = 255;
    s.ColorDropBlobMin = 501;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.ColorDropMin, 35);
    EXPECT_EQ(s.ColorDropMax, 85);
    EXPECT_EQ(s.ColorDropBWThreshold, -1);
    EXPECT_EQ(s.ColorDropSatMin, 75);
    EXPECT_EQ(s.ColorDropLumMin, 25);
    EXPECT_EQ(s.ColorDropBlobMin, 25);

    s = Valid();
    s.ColorDropMin = -1; // above 180 when compared unsigned
    s.ColorDropMax = 90;
    ValidateScanSettings(&s);
    EXPECT_EQ(s.ColorDropMin, 35);
    EXPECT_EQ(s.ColorDropMax, 90);
}

TEST_F(ValidateTest, WithoutImagingTheProcessingStepsAreClearedAndFilterKept)
{
    SetImagingQuery(&No);
    ScanSettings s = Valid();
    s.AutoCrop = s.Photo = s.Deskew = s.AutoRotate = 1;
    s.Rotation = 2;
    s.ColorDropType = 1;
    s.Filter = 1;
    s.Invert = 1;
    s.ColorDropMin = 300; // not bounded without the library
    ValidateScanSettings(&s);
    EXPECT_EQ(s.AutoCrop + s.Photo + s.Deskew + s.AutoRotate + s.Rotation + s.ColorDropType, 0);
    EXPECT_EQ(s.Filter, 1);
    EXPECT_EQ(s.Invert, 1);
    EXPECT_EQ(s.ColorDropMin, 300);
}

struct FrameCase {
    int top, left, bottom, right;
    int eTop, eLeft, eBottom, eRight;
    bool changed;
};

TEST(SetScanFrame, ClampsToTheAreaAndTheSmallestFrame)
{
    const FrameCase cases[] = {
        {995, 0, 2000, 432, 990, 0, 1000, 432, true},
        {100, 400, 105, 500, 100, 382, 110, 432, true},
        {0, 0, 1000, 432, 0, 0, 1000, 432, false},
        {-5, 0, 500, 432, 0, 0, 500, 432, true},     // Top alone changed
        {0, 0, 5, 432, 0, 0, 10, 432, true},
        {0, -1, 1000, 30, 0, 0, 1000, 50, true},
        {990, 382, 1000, 432, 990, 382, 1000, 432, false},
        {70000, 70000, -70000, -70000, 990, 382, 1000, 432, true},
    };
    for (const FrameCase& c : cases) {
        ScanSettings s{};
        const bool changed = SetScanFrame(&s, c.top, c.left, c.bottom, c.right);
        SCOPED_TRACE(testing::Message() << c.top << "," << c.left << "," << c.bottom << "," << c.right);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(s.Top, c.eTop);
        EXPECT_EQ(s.Left, c.eLeft);
        EXPECT_EQ(s.Bottom, c.eBottom);
        EXPECT_EQ(s.Right, c.eRight);
    }
}

} // namespace
