// The simulator's image pipeline, properties and configuration as plain C++.
#include <gtest/gtest.h>

#include "DeviceProperties.h"
#include "FrameRenderer.h"
#include "Resampler.h"
#include "SimConfig.h"
#include "ToneCurve.h"

using namespace sim;

namespace {

PageImage Uniform(int w, int h, double dpi, uint8_t r, uint8_t g, uint8_t b)
{
    PageImage p;
    p.width = w;
    p.height = h;
    p.dpiX = p.dpiY = dpi;
    p.rgb.resize(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < p.rgb.size(); i += 3) {
        p.rgb[i] = r;
        p.rgb[i + 1] = g;
        p.rgb[i + 2] = b;
    }
    return p;
}

}  // namespace

TEST(AxisWeights, SumToOneAtEveryScale)
{
    for (double out : {50.0, 150.0, 200.0, 300.0, 600.0, 1200.0}) {
        for (bool nearest : {false, true}) {
            AxisWeights w(97, 3, out, 500, 200.0, 0.1, nearest);
            for (int o = 0; o < 97; ++o) {
                int32_t sum = 0;
                for (int i = 0; i < w.Count(o); ++i)
                    sum += w.Weights(o)[i];
                ASSERT_EQ(sum, AxisWeights::kOne) << out << " " << o;
            }
        }
    }
}

TEST(Resampler, PlacesTheSheetOnTheBacking)
{
    // A 2-inch wide sheet centred on the 4.32-inch area at 100 dpi.
    PageImage page = Uniform(400, 100, 200, 200, 100, 50);
    ResampleSpec params;
    params.dpi = 100;
    params.width = 432;
    params.height = 50;
    params.sheetLeftInches = 1.16;
    params.backing = 10;
    Resampler r(page, params);
    std::vector<uint8_t> row(432 * 3);
    r.Row(20, row.data());
    EXPECT_EQ(row[0], 10);                 // backing at the left
    EXPECT_EQ(row[431 * 3 + 2], 10);       // and the right
    EXPECT_EQ(row[216 * 3], 200);          // the sheet in the middle
    EXPECT_EQ(row[216 * 3 + 1], 100);
    EXPECT_EQ(row[216 * 3 + 2], 50);
}

TEST(Resampler, ReductionAveragesFineDetail)
{
    // One-pixel stripes of black and white, halved in resolution: grey.
    PageImage page = Uniform(432, 40, 100, 0, 0, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 1; x < 432; x += 2)
            for (int c = 0; c < 3; ++c)
                page.rgb[(y * 432 + x) * 3 + c] = 255;
    ResampleSpec params;
    params.dpi = 50;
    params.width = 216;
    params.height = 20;
    Resampler r(page, params);
    std::vector<uint8_t> row(216 * 3);
    r.Row(10, row.data());
    for (int x = 2; x < 214; ++x)
        EXPECT_NEAR(row[x * 3], 128, 2) << x;
}

TEST(ToneCurve, DefaultsLeaveValuesAndEachControlActs)
{
    auto identity = BuildToneCurve(ToneParams());
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(identity[i], i);
    ToneParams levels;
    levels.shadow = 50;
    levels.highlight = 150;
    auto l = BuildToneCurve(levels);
    EXPECT_EQ(l[50], 0);
    EXPECT_NEAR(l[100], 128, 1);
    EXPECT_EQ(l[150], 255);
    ToneParams gamma;
    gamma.gamma = 2.6f;
    EXPECT_GT(BuildToneCurve(gamma)[128], 140);
    gamma.gamma = 1.0f;
    EXPECT_LT(BuildToneCurve(gamma)[128], 110);
    ToneParams bright;
    bright.brightness = 100;
    EXPECT_EQ(BuildToneCurve(bright)[0], 128);
    ToneParams flat;
    flat.contrast = -100;
    auto f = BuildToneCurve(flat);
    EXPECT_EQ(f[0], 128);
    EXPECT_EQ(f[255], 128);
    ToneParams bad;  // highlight below shadow: no division by zero, still monotone
    bad.shadow = 250;
    bad.highlight = 200;
    auto b = BuildToneCurve(bad);
    EXPECT_EQ(b[250], 0);
    EXPECT_EQ(b[251], 255);
}

TEST(FrameRenderer, PacksBlackAndWhiteHighBitFirst)
{
    // Left half dark grey (90), right half light; 10 pixels a row.
    PageImage page = Uniform(10, 4, 100, 230, 230, 230);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            for (int c = 0; c < 3; ++c)
                page.rgb[(y * 10 + x) * 3 + c] = 90;
    RenderSpec params;
    params.frame.dpi = 100;
    params.frame.width = 10;
    params.frame.height = 4;
    params.frame.nearest = true;
    params.mode = 0;
    FrameRenderer plain(page, params);
    ASSERT_EQ(plain.BytesPerRow(), 2);
    uint8_t row[2];
    plain.Row(1, row);
    EXPECT_EQ(row[0], 0x07);  // pixels 5..7 white
    EXPECT_EQ(row[1], 0xC0);  // pixels 8, 9 white, padding bits 0
    params.thresholdShift = -50;  // threshold 65: the dark half turns white
    FrameRenderer lighter(page, params);
    lighter.Row(1, row);
    EXPECT_EQ(row[0], 0xFF);
    EXPECT_EQ(row[1], 0xC0);
    params.thresholdShift = 0;
    params.invert = true;
    FrameRenderer inverted(page, params);
    inverted.Row(1, row);
    EXPECT_EQ(row[0], 0xF8);
    EXPECT_EQ(row[1], 0x00);
}

TEST(FrameRenderer, GreyIsLuminance)
{
    PageImage page = Uniform(8, 2, 100, 255, 0, 0);
    RenderSpec params;
    params.frame.dpi = 100;
    params.frame.width = 8;
    params.frame.height = 2;
    params.mode = 1;
    FrameRenderer r(page, params);
    uint8_t row[8];
    r.Row(0, row);
    EXPECT_EQ(row[3], 76);  // 0.299 * 255
}

TEST(DeviceProperties, ResolutionRescalesTheFrameAndRefusalsChangeNothing)
{
    DeviceProperties props;
    SIProperty p = {};
    p.id = kPropWidth;
    p.slot[0].i = 600;
    ASSERT_EQ(props.Set(p), kOk);
    p.id = kPropTop;
    p.slot[0].i = 150;
    ASSERT_EQ(props.Set(p), kOk);
    p.id = kPropResolution;
    p.slot[0].i = 150;
    ASSERT_EQ(props.Set(p), kOk);
    EXPECT_EQ(props.Width(), 300);
    EXPECT_EQ(props.Top(), 75);
    p.id = kPropWidth;
    p.slot[0].i = 649;  // 4.33 inches at 150 dpi
    EXPECT_EQ(props.Set(p), kValueRefused);
    EXPECT_EQ(props.Width(), 300);
    p.slot[0].i = 74;   // under half an inch
    EXPECT_EQ(props.Set(p), kValueRefused);
    p.id = kPropFeedResolution;
    p.kind = SI_KIND_RANGE;  // not its shape
    EXPECT_EQ(props.Set(p), kBadShape);
    p.kind = SI_KIND_SETTING;
    p.slot[1].i = 600;
    EXPECT_EQ(props.Set(p), kOk);
    EXPECT_EQ(props.FeedResolution(), 600);
    p.id = kPropGamma;
    p.kind = SI_KIND_SINGLE;
    p.slot[0].f = 0.0f;
    EXPECT_EQ(props.Set(p), kValueRefused);
    props.SetResolutions({200, 400});
    EXPECT_EQ(props.Resolution(), 200);  // 150 left the list
}

TEST(SimConfig, SerialisesEveryKeyAndReadsItBack)
{
    SimConfig a;
    std::string error;
    ASSERT_TRUE(a.Parse("[device]\nopenresult = 11, 22 ,0\nResolutions=100,200\nSerial=X-1\n"
                        "UvLamp=0\n[Feeder]\nPages=a.png; sub\\b.jpg\nLoop=0\nBacking=200\n"
                        "[Calibration]\nResult=0x840\n[Faults]\nNoDataReads=-1\n",
                        error))
        << error;
    EXPECT_EQ(a.openResults, (std::vector<int>{11, 22, 0}));
    EXPECT_EQ(a.calibrationResult, 0x840);
    EXPECT_EQ(a.pages, (std::vector<std::string>{"a.png", "sub\\b.jpg"}));
    SimConfig b;
    ASSERT_TRUE(b.Parse(a.Serialise(), error)) << error;
    EXPECT_EQ(b.Serialise(), a.Serialise());
    EXPECT_EQ(b.backing, 200);
    EXPECT_FALSE(b.uvLamp);
    a.baseDir = "C:\\scenarios";
    EXPECT_EQ(a.ResolvedPages()[1], "C:\\scenarios\\sub\\b.jpg");

    SimConfig c;
    EXPECT_FALSE(c.Parse("[Device]\nResolutions=300\nCalibrated=2\n", error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_FALSE(c.Parse("[Device]\nResolutions\n", error));
    EXPECT_FALSE(c.Set("Feeder", "Backing", "256", error));
    EXPECT_EQ(c.backing, 32);
    EXPECT_TRUE(SimConfig().Serialise().find("Pages=") == std::string::npos);  // bundled pages
}
