// Reading a page's rows from the device: widening to 4-byte strides, the end
// of the sheet, a device slow to deliver, and the end of the scan.
#include <windows.h>

#include <cstring>
#include <vector>

#include "ScannerFixture.h"
#include "device/DriverLink.h"
#include "device/ScanSequence.h"
#include "session/DataSourceApp.h"

namespace {

class ScanSequenceTest : public ScannerTest {};

TEST(WidenRows, MovesRowsToTheWiderStrideAndZeroFills)
{
    std::vector<uint8_t> buffer(3 * 8, 0xEE);
    for (int i = 0; i < 3 * 6; ++i)
        buffer[i] = static_cast<uint8_t>(i + 1);
    WidenRows(buffer.data(), 3, 6, 8);
    const uint8_t expected[] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0, 13, 14, 15, 16, 17, 18, 0, 0};
    EXPECT_EQ(0, std::memcmp(buffer.data(), expected, sizeof(expected)));
}

TEST_F(ScanSequenceTest, RowsOf2550BytesAreWidenedTo2552)
{
    Sim("Feeder", "Pages", "samples\\01-letter.png");   // the same sheet comes back
    ScanSettings s = Settings(kModeGray, 600);
    s.Right = 425;   // 2550 pixels
    s.Bottom = 10;   // 60 rows
    ASSERT_EQ(BeginScan(s, 0), 0);
    ASSERT_EQ(DeviceRowBytes(), 2550);
    ASSERT_EQ(PaddedDeviceRowBytes(), 2552u);
    std::vector<uint8_t> widened(60 * 2552, 0xEE);
    bool eop = true;
    ASSERT_EQ(ReadScanRows(widened.data(), 60, &eop, 0), 60);
    EXPECT_FALSE(eop);
    EndScan();

    // The same frame again, straight from the driver: the bytes must match.
    ASSERT_EQ(BeginScan(s, 0), 0);
    std::vector<uint8_t> raw(60 * 2550);
    int got = 0, delivered = 0;
    while (got < 60) {
        ASSERT_EQ(TheScanner().SI_ReadImageData(raw.data() + got * 2550, 60 - got, 0, &delivered), 0);
        got += delivered;
    }
    for (int row = 0; row < 60; ++row) {
        ASSERT_EQ(0, std::memcmp(&widened[row * 2552], &raw[row * 2550], 2550)) << "row " << row;
        EXPECT_EQ(widened[row * 2552 + 2550], 0);
        EXPECT_EQ(widened[row * 2552 + 2551], 0);
    }
}

TEST_F(ScanSequenceTest, EndOfSheetWithDetectionEndsThePageEarly)
{
    UsePage("04-short-sheet.png");
    ScanSettings s = Settings(kModeGray, 150);
    s.DetectEOP = 1;
    int32_t width = 0, height = 0;
    ASSERT_EQ(BeginScan(s, 0, &width, &height), 0);
    std::vector<uint8_t> buffer(static_cast<size_t>(PaddedDeviceRowBytes()) * height);
    int total = 0;
    bool eop = false;
    while (!eop && total < height) {
        const int n = ReadScanRows(buffer.data() + total * PaddedDeviceRowBytes(), 100, &eop, 0);
        ASSERT_GE(n, 0);
        total += n;
    }
    EXPECT_TRUE(eop);
    EXPECT_GT(total, 0);
    EXPECT_LT(total, height);
    EXPECT_EQ(ReadScanRows(buffer.data(), 10, &eop, 0), 0) << "nothing after the end of the sheet";
    EXPECT_FALSE(eop);
}

TEST_F(ScanSequenceTest, EndOfSheetWithoutDetectionIsAFailure)
{
    UsePage("04-short-sheet.png");
    ScanSettings s = Settings(kModeGray, 150);
    int32_t width = 0, height = 0;
    ASSERT_EQ(BeginScan(s, 0, &width, &height), 0);
    std::vector<uint8_t> buffer(static_cast<size_t>(PaddedDeviceRowBytes()) * height);
    bool eop = false;
    EXPECT_EQ(ReadScanRows(buffer.data(), height, &eop, 0), -1);
}

TEST_F(ScanSequenceTest, SlowDeviceIsWaitedForAndBadSidesRefused)
{
    Sim("Faults", "NoDataReads", "5");
    ScanSettings s = Settings(kModeGray, 150);
    s.Bottom = 100;
    ASSERT_EQ(BeginScan(s, 0), 0);
    std::vector<uint8_t> buffer(PaddedDeviceRowBytes() * 150);
    bool eop = false;
    static unsigned long waited;
    waited = 0;
    const ScanPause previous = SetScanPause([](unsigned long ms) { waited += ms; });
    EXPECT_EQ(ReadScanRows(buffer.data(), 150, &eop, 0), 150);
    SetScanPause(previous);
    EXPECT_EQ(waited, 250u) << "five empty reads, 50 ms apart";
    EXPECT_EQ(ReadScanRows(buffer.data(), 0, &eop, 0), 0);
    EXPECT_EQ(ReadScanRows(buffer.data(), 1, &eop, 2), -1);
    EXPECT_EQ(ReadScanRows(buffer.data(), 1, &eop, 1), -1) << "the device is one-sided";
}

TEST_F(ScanSequenceTest, EndScanEjectsOnceAndLightsTheLamp)
{
    ScanSettings s = Settings(kModeGray, 150);
    s.Bottom = 50;
    const int out = SimStatus("SheetsOut");
    const uint16_t savedOnTime = TheApp().m_settings.UVOnTime;
    TheApp().m_settings.UVOnTime = 2000;
    ASSERT_EQ(BeginScan(s, 0), 0);
    EXPECT_TRUE(IsScanStarted());
    EndScan();
    EXPECT_FALSE(IsScanStarted());
    EXPECT_EQ(SimStatus("Scanning"), 0);
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1);
    EXPECT_EQ(SimStatus("LampOn"), 1);
    EXPECT_EQ(DeviceValue(46), 2000);
    EndScan();
    EXPECT_EQ(SimStatus("SheetsOut"), out + 1) << "a second EndScan does nothing";
    TheApp().m_settings.UVOnTime = savedOnTime;
}

} // namespace
