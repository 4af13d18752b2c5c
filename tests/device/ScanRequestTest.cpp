// The device request built from a settings record, read back from the
// simulated scanner's properties.
#include <cmath>

#include "ScannerFixture.h"
#include "device/ScanRequest.h"
#include "device/ScanSequence.h"

namespace {

class ScanRequestTest : public ScannerTest {};

TEST_F(ScanRequestTest, GreyRequestSetsModeFrameAndTone)
{
    ScanSettings s = Settings(kModeGray, 300);
    s.Left = 10; s.Top = 20; s.Right = 210; s.Bottom = 520;
    s.Brightness = 15; s.Contrast = -20; s.Gamma = 22; s.Shadow = 5; s.Highlight = 240;
    s.Invert = 1; s.Filter = 1; s.DetectEOP = 1;
    int32_t width = 0, height = 0;
    ASSERT_EQ(QueryScanSize(&s, &width, &height), 0);
    EXPECT_EQ(width, 600);
    EXPECT_EQ(height, 1500);
    EXPECT_EQ(DeviceValue(8), 1);
    EXPECT_EQ(DeviceValue(4), 300);
    EXPECT_EQ(DeviceValue(13), 30);
    EXPECT_EQ(DeviceValue(12), 60);
    EXPECT_EQ(DeviceValue(9), 15);
    EXPECT_EQ(DeviceValue(10), -20);
    EXPECT_EQ(DeviceValue(27), 5);
    EXPECT_EQ(DeviceValue(26), 240);
    EXPECT_FLOAT_EQ(DeviceFloat(25), 3.0f);   // sizing sends (gamma + 8) / 10
    EXPECT_EQ(DeviceValue(11), 1);
    EXPECT_EQ(DeviceValue(33), 1);
    EXPECT_EQ(DeviceValue(34), 1);
    EXPECT_EQ(DeviceValue(21), 0);
}

TEST_F(ScanRequestTest, BlackAndWhiteSendsThresholdAndNeutralTone)
{
    ScanSettings s = Settings(kModeBlackWhite, 200);
    s.Brightness = 40; s.Contrast = 30; s.Shadow = 50; s.Highlight = 100;
    ASSERT_EQ(SendScanRequest(&s), 0);
    EXPECT_EQ(DeviceValue(8), 0);
    EXPECT_EQ(DeviceValue(32), -40);
    EXPECT_FLOAT_EQ(DeviceFloat(25), 1.0f);
    EXPECT_EQ(DeviceValue(27), 0);
    EXPECT_EQ(DeviceValue(26), 255);
    EXPECT_EQ(DeviceValue(9), 0);
    EXPECT_EQ(DeviceValue(10), 0);
    EXPECT_EQ(DeviceValue(33), 0);
    EXPECT_EQ(DeviceValue(34), 0);
}

TEST_F(ScanRequestTest, ColourDropoutInGreyAsksForColourCapture)
{
    ScanSettings s = Settings(kModeGray, 150);
    s.ColorDropType = 1;
    ASSERT_EQ(SendScanRequest(&s), 0);
    EXPECT_EQ(DeviceValue(8), 2);
    EXPECT_EQ(DeviceValue(17), 1) << "sizing uses the draft capture";
    ASSERT_EQ(BeginScan(s, 0), 0);
    EXPECT_EQ(DeviceValue(8), 2);
    EXPECT_EQ(DeviceValue(17), 0) << "the scan itself uses the full capture";
    EndScan();
    s.ColorDropType = 0;
    ASSERT_EQ(SendScanRequest(&s), 0);
    EXPECT_EQ(DeviceValue(8), 1);
}

TEST_F(ScanRequestTest, WidthIsCutToTheDeviceMaximumButHeightIsNot)
{
    ScanSettings s = Settings(kModeGray, 150);
    s.Right = 600;
    int32_t width = 0, height = 0;
    ASSERT_EQ(QueryScanSize(&s, &width, &height), 0);
    EXPECT_EQ(width, 648);
    s.Right = 400;
    s.Bottom = 1200;
    EXPECT_EQ(QueryScanSize(&s, &width, &height), 0x901);
}

TEST_F(ScanRequestTest, RefusedValuesAndMissingSettings)
{
    EXPECT_EQ(SendScanRequest(nullptr), 14);
    ScanSettings s = Settings(kModeGray, 250);   // not a resolution the device offers
    EXPECT_EQ(SendScanRequest(&s), 0x901);
    s = Settings(kModeGray, 150);
    s.Brightness = 300;                          // raised/lowered into the device's range
    EXPECT_EQ(SendScanRequest(&s), 0);
    EXPECT_EQ(DeviceValue(9), 100);
}

TEST_F(ScanRequestTest, StartAdjustsShadowHighlightAndGamma)
{
    ScanSettings s = Settings(kModeColor, 150);
    s.Shadow = 250; s.Highlight = 200; s.Gamma = 22;
    ASSERT_EQ(BeginScan(s, 0), 0);
    EXPECT_EQ(DeviceValue(27), 250);
    EXPECT_EQ(DeviceValue(26), 251);
    EXPECT_FLOAT_EQ(DeviceFloat(25), 2.2f);
    EndScan();
    s.Shadow = 300; s.Highlight = 255;
    ASSERT_EQ(BeginScan(s, 0), 0);
    EXPECT_EQ(DeviceValue(27), 254);
    EXPECT_EQ(DeviceValue(26), 255);
    EndScan();
}

TEST_F(ScanRequestTest, EndOfPageSensitivityIsSentOnlyWithDetection)
{
    ScanSettings s = Settings(kModeGray, 150);
    s.DetectEOP = 1;
    s.AutoCrop = 1;
    ASSERT_EQ(BeginScan(s, 0), 0);
    EXPECT_EQ(DeviceValue(60), 33) << "border removal needs at least 33";
    EndScan();
    ASSERT_EQ(BeginScan(s, 70), 0);
    EXPECT_EQ(DeviceValue(60), 70);
    EndScan();
    s.DetectEOP = 0;
    ASSERT_EQ(BeginScan(s, -20), 0);
    EXPECT_EQ(DeviceValue(60), 70) << "no detection: the property is left alone";
    EndScan();
}

} // namespace
