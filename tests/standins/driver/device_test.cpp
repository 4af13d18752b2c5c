// ScannerDevice on a clock of the test's own: pacing, the lamp, busy time.
#include <gtest/gtest.h>

#include "ScannerDevice.h"

using namespace sim;

namespace {

class ManualClock : public Clock {
public:
    int64_t NowMs() override { return now; }
    void SleepMs(int ms) override { now += ms; }
    int64_t now = 1000;
};

class GreyPages : public PageLoader {
public:
    std::shared_ptr<const PageImage> Load(const std::string& path) override
    {
        ++loads;
        if (path == "broken")
            return nullptr;
        auto p = std::make_shared<PageImage>();
        p->width = 400;
        p->height = path == "short" ? 100 : 1200;
        p->dpiX = p->dpiY = 100;
        p->rgb.assign(static_cast<size_t>(p->width) * p->height * 3, 180);
        return p;
    }
    int loads = 0;
};

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        SimConfig config;
        ASSERT_TRUE(config.Parse("[Feeder]\nPages=long;short;broken\nLoop=0\n", error));
        device.Configure(config);
        ASSERT_EQ(device.OpenInterface("TARVEX380"), kOk);  // name without regard to case
    }
    int SetSingle(int id, int value)
    {
        SIProperty p = {};
        p.id = static_cast<uint16_t>(id);
        p.slot[0].i = value;
        return device.SetProperty(&p);
    }

    ManualClock clock;
    GreyPages pages;
    ScannerDevice device{&pages, &clock};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(1 << 20);
};

}  // namespace

TEST_F(DeviceTest, PacingDeliversRowsAsTimePasses)
{
    std::string error;
    ASSERT_TRUE(device.SetValue("Device", "RowsPerSecond", "200", error));
    ASSERT_EQ(SetSingle(kPropResolution, 150), kOk);
    ASSERT_EQ(device.StartScan(), kOk);
    int got = -1;
    EXPECT_EQ(device.ReadImageData(buffer.data(), 100, 0, &got), kOk);
    EXPECT_EQ(got, 0);
    clock.now += 100;
    EXPECT_EQ(device.ReadImageData(buffer.data(), 100, 0, &got), kOk);
    EXPECT_EQ(got, 20);
    clock.now += 1000;
    EXPECT_EQ(device.ReadImageData(buffer.data(), 500, 0, &got), kOk);
    EXPECT_EQ(got, 200);
}

TEST_F(DeviceTest, BusyAfterScanAndLampByTheClock)
{
    ASSERT_EQ(device.StartScan(), kOk);
    int status = 0;
    ASSERT_EQ(device.GetScannerStatus(&status), kOk);
    EXPECT_EQ(status, 2);  // scanning
    ASSERT_EQ(device.EndScan(), kOk);
    ASSERT_EQ(device.GetScannerStatus(&status), kOk);
    EXPECT_EQ(status, 2);
    clock.now += 100;
    ASSERT_EQ(device.GetScannerStatus(&status), kOk);
    EXPECT_EQ(status, 1);

    SIProperty lamp = {};
    lamp.id = kPropUvLamp;
    lamp.slot[0].i = 1;
    ASSERT_EQ(device.SetProperty(&lamp), kOk);
    clock.now += 999;
    ASSERT_EQ(device.GetProperty(&lamp), kOk);
    EXPECT_EQ(lamp.slot[0].i, 1);  // default on-time 1000 ms
    clock.now += 1;
    ASSERT_EQ(device.GetProperty(&lamp), kOk);
    EXPECT_EQ(lamp.slot[0].i, 0);
}

TEST_F(DeviceTest, CalibrationTakesItsTimeAndLeavesTheScannerBusy)
{
    std::string error;
    ASSERT_TRUE(device.SetValue("Calibration", "DurationMs", "2000", error));
    const int64_t start = clock.now;
    EXPECT_EQ(device.Calibrate(0, nullptr), kOk);
    EXPECT_EQ(clock.now - start, 2000);
    int status = 0;
    ASSERT_EQ(device.GetScannerStatus(&status), kOk);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(device.StartScan(), kBusy);
    clock.now += 300;
    EXPECT_EQ(device.StartScan(), kOk);  // the next sheet: the calibration sheet went through
    int position = -1;
    ASSERT_TRUE(device.Status("FeederPosition", position));
    EXPECT_EQ(position, 1);
}

TEST_F(DeviceTest, FeederRunsOutAndUnreadablePagesFailTheStart)
{
    EXPECT_EQ(device.FeedPaperOut(), kOk);
    EXPECT_EQ(device.FeedPaperOut(), kOk);
    EXPECT_EQ(device.StartScan(), kImageUnreadable);
    EXPECT_EQ(device.GetLastError(), kImageUnreadable);
    EXPECT_EQ(device.FeedPaperOut(), kOk);
    int paper = 1;
    ASSERT_EQ(device.GetPaperStatus(&paper), kOk);
    EXPECT_EQ(paper, 0);
    EXPECT_EQ(device.StartScan(), kNoPaper);
    EXPECT_EQ(device.FeedPaperOut(), kNoPaper);
}

TEST_F(DeviceTest, DescreenedRowsDoNotDependOnTheChunks)
{
    ASSERT_EQ(SetSingle(kPropDescreen, 1), kOk);
    ASSERT_EQ(SetSingle(kPropImageMode, kModeColour), kOk);
    ASSERT_EQ(SetSingle(kPropResolution, 150), kOk);
    ASSERT_EQ(SetSingle(kPropHeight, 200), kOk);
    std::vector<uint8_t> whole, pieces;
    for (int chunk : {200, 7}) {
        ASSERT_EQ(device.StartScan(), kOk);
        int total = 0, got = 0;
        const int bpr = 648 * 3;
        while (total < 200) {
            ASSERT_EQ(device.ReadImageData(buffer.data() + total * bpr, std::min(chunk, 200 - total), 0, &got), kOk);
            total += got;
        }
        (chunk == 200 ? whole : pieces).assign(buffer.begin(), buffer.begin() + 200 * bpr);
        ASSERT_EQ(device.EndScan(), kOk);
        clock.now += 1000;
    }
    EXPECT_TRUE(whole == pieces);
    EXPECT_EQ(pages.loads, 1);  // the page was read once
}
