// Scanning the bundled pages through the SI_ interface alone.
#include <algorithm>
#include <numeric>

#include "SimFixture.h"

namespace {

double Mean(const std::vector<uint8_t>& data)
{
    if (data.empty())
        return 0;
    return std::accumulate(data.begin(), data.end(), 0.0) / data.size();
}

}  // namespace

TEST_F(SimTest, ReadsTheResolutionList)
{
    SIProperty p = Get(4);
    EXPECT_EQ(p.kind, SI_KIND_LIST);
    ASSERT_EQ(p.slot[0].i, 4);
    const int32_t* list = static_cast<const int32_t*>(p.slot[3].p);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(std::vector<int32_t>(list, list + 4), (std::vector<int32_t>{150, 200, 300, 600}));
    EXPECT_EQ(Get(2).slot[0].i, 600);  // optical resolution

    Set("Device", "Resolutions", "75,100,150,200,240,300,400,600,800,1200,1600,2400");
    p = Get(4);
    ASSERT_EQ(p.slot[0].i, 12);
    EXPECT_EQ(static_cast<const int32_t*>(p.slot[3].p)[11], 2400);
    EXPECT_NE(sim.SetValue("Device", "Resolutions", "1,2,3,4,5,6,7,8,9,10,11,12,13"), 0);
    EXPECT_NE(SetSingle(4, 250), 0);  // not in the list
    EXPECT_EQ(SetSingle(4, 2400), 0);
}

TEST_F(SimTest, EveryPropertyHasItsShape)
{
    for (int id : {9, 10, 12, 13, 14, 15, 26, 27, 32, 46, 60}) {
        SIProperty p = Get(id);
        EXPECT_EQ(p.kind, SI_KIND_RANGE) << id;
        EXPECT_LE(p.slot[0].i, p.slot[4].i) << id;
        EXPECT_LE(p.slot[4].i, p.slot[1].i) << id;
        EXPECT_LT(p.slot[0].i, p.slot[1].i) << id;
    }
    for (int id : {2, 8, 11, 17, 19, 21, 25, 33, 34, 45})
        EXPECT_EQ(Get(id).kind, SI_KIND_SINGLE) << id;
    for (int id : {5, 23})
        EXPECT_EQ(Get(id).kind, SI_KIND_SETTING) << id;
    EXPECT_FLOAT_EQ(Get(25).slot[0].f, 1.8f);
    EXPECT_STREQ(static_cast<const char*>(Get(205).slot[0].p), "Tarvex 380");
    Set("Device", "Serial", "SN-4711");
    EXPECT_EQ(Get(225).kind, SI_KIND_TEXT);
    EXPECT_STREQ(static_cast<const char*>(Get(225).slot[0].p), "SN-4711");
    for (int id : {0, 1, 3, 6, 7, 16, 18, 20, 99, 204, 300})
        Get(id, SI_NOT_SUPPORTED);

    // The frame follows the scan area at the resolution.
    ASSERT_EQ(SetSingle(4, 300), 0);
    EXPECT_EQ(Get(14).slot[1].i, 1296);
    EXPECT_EQ(Get(15).slot[1].i, 3000);
    ASSERT_EQ(SetSingle(4, 600), 0);
    EXPECT_EQ(Get(14).slot[1].i, 2592);
    EXPECT_EQ(Get(14).slot[4].i, 2592);  // the full frame scaled with it
    EXPECT_EQ(Get(15).slot[1].i, 6000);

    // A range record passed back sets the current value; bad values change nothing.
    SIProperty b = Get(9);
    b.slot[4].i = 40;
    EXPECT_EQ(lib.SI_SetProperty(&b), 0);
    EXPECT_EQ(Get(9).slot[4].i, 40);
    EXPECT_NE(SetSingle(9, 101), 0);
    EXPECT_EQ(Get(9).slot[4].i, 40);
    EXPECT_NE(SetSingle(19, 100), 0);   // read only
    EXPECT_NE(SetSingle(21, 1), 0);     // one-sided device
    EXPECT_NE(SetSingle(8, 3), 0);
    SIProperty g = {};
    g.id = 25;
    g.slot[0].f = 2.2f;
    EXPECT_EQ(lib.SI_SetProperty(&g), 0);
    EXPECT_FLOAT_EQ(Get(25).slot[0].f, 2.2f);

    // Bytes per row follow the mode and the width, unpadded.
    ASSERT_EQ(SetSingle(14, 1291), 0);
    for (int mode : {0, 1, 2}) {
        ASSERT_EQ(SetSingle(8, mode), 0);
        EXPECT_EQ(Get(19).slot[0].i, mode == 0 ? 162 : mode == 1 ? 1291 : 3873) << mode;
    }
}

TEST_F(SimTest, GreyPageInOddChunksEqualsOneRead)
{
    SetFrame(1, 300);
    ScanResult whole = Scan(100000, false);
    ScanResult pieces = Scan(37, false);
    ScanResult single = Scan(1, true);
    ASSERT_EQ(whole.rows, 3000);  // the letter is longer than the frame
    EXPECT_EQ(whole.lastCode, 0);
    EXPECT_EQ(whole.bytesPerRow, 1296);
    EXPECT_EQ(pieces.rows, whole.rows);
    EXPECT_TRUE(pieces.data == whole.data);
    EXPECT_TRUE(single.data == whole.data);
    EXPECT_GT(Mean(whole.data), 200);  // a mostly white letter
}

TEST_F(SimTest, RowsNotAMultipleOfFourBytes)
{
    // 850 colour pixels make 2550 bytes a row.
    SetFrame(2, 200, 0, 0, 425, 500);
    ScanResult r = Scan(33);
    EXPECT_EQ(r.bytesPerRow, 2550);
    EXPECT_EQ(r.rows, 1000);
    EXPECT_EQ(r.data.size(), 2550u * 1000u);
    SetFrame(1, 150, 10, 0, 431, 180);  // 631 grey bytes; the card is 2 inches long
    r = Scan(64);
    EXPECT_EQ(r.bytesPerRow, 631);
    EXPECT_EQ(r.rows, 270);
    EXPECT_EQ(r.lastCode, 0);
}

TEST_F(SimTest, EndOfPageWithDetectionOnAndOff)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(lib.SI_FeedPaperOut(), 0);  // the short sheet, 2.5 inches, comes next
    SetFrame(1, 300);
    ASSERT_EQ(SetSingle(33, 1), 0);
    ASSERT_EQ(SetSingle(60, 100), 0);  // most sensitive: stops at the edge
    ScanResult on = Scan(100, false);
    EXPECT_TRUE(on.endOfPage);
    EXPECT_EQ(on.rows, 750);
    ASSERT_EQ(SetSingle(60, 0), 0);    // confirms the edge 1/50 inch later
    on = Scan(128, false);
    EXPECT_TRUE(on.endOfPage);
    EXPECT_EQ(on.rows, 756);

    ASSERT_EQ(SetSingle(33, 0), 0);
    ScanResult off = Scan(128);
    EXPECT_FALSE(off.endOfPage);
    EXPECT_EQ(off.rows, 750);
    EXPECT_NE(off.lastCode, 0);
    EXPECT_NE(off.lastCode, SI_END_OF_PAGE);
}

TEST_F(SimTest, ScansEveryBundledPageInEveryModeAtEveryResolution)
{
    SIProperty list = Get(4);
    const int32_t* dpis = static_cast<const int32_t*>(list.slot[3].p);
    std::vector<int32_t> resolutions(dpis, dpis + list.slot[0].i);
    ASSERT_EQ(SetSingle(33, 1), 0);
    ASSERT_EQ(SetSingle(60, 100), 0);
    const double heights[] = {10.5, 2.0, 6.0, 2.5};  // inches, in feeder order
    bool sawRed = false;
    for (int dpi : resolutions) {
        for (int mode : {0, 1, 2}) {
            SetFrame(mode, dpi);
            for (int page = 0; page < 4; ++page) {
                ASSERT_EQ(sim.Status("FeederPosition"), page);
                ScanResult r = Scan(256);
                const int expected = std::min(10 * dpi, static_cast<int>(heights[page] * dpi + 0.5));
                EXPECT_EQ(r.rows, expected) << "dpi " << dpi << " mode " << mode << " page " << page;
                EXPECT_EQ(r.endOfPage, expected < 10 * dpi);
                EXPECT_EQ(r.bytesPerRow, mode == 2 ? 432 * dpi / 100 * 3
                                                   : mode == 1 ? 432 * dpi / 100 : (432 * dpi / 100 + 7) / 8);
                auto mm = std::minmax_element(r.data.begin(), r.data.end());
                EXPECT_LT(*mm.first, *mm.second) << "a blank scan";
                if (mode == 2 && page == 1) {
                    for (size_t i = 0; i + 2 < r.data.size(); i += 3)
                        sawRed |= r.data[i] > 170 && r.data[i + 1] < 90 && r.data[i + 2] < 90;
                }
            }
        }
    }
    EXPECT_TRUE(sawRed) << "the card's red form lines";
}

TEST_F(SimTest, SameSettingsGiveTheSameBytes)
{
    SetFrame(2, 150);
    ScanResult first = Scan(50, false);
    ScanResult again = Scan(77, false);
    EXPECT_EQ(Fingerprint(first.data), Fingerprint(again.data));
    ASSERT_EQ(SetSingle(34, 1), 0);  // descreen changes the bytes, not the size
    ScanResult filtered = Scan(50, false);
    EXPECT_EQ(filtered.data.size(), first.data.size());
    EXPECT_NE(Fingerprint(filtered.data), Fingerprint(first.data));
}

TEST_F(SimTest, ToneAndInvertAct)
{
    SetFrame(1, 150, 0, 0, 432, 400);
    ScanResult plain = Scan(500, false);
    ASSERT_EQ(SetSingle(11, 1), 0);
    ScanResult inverted = Scan(500, false);
    ASSERT_EQ(inverted.data.size(), plain.data.size());
    for (size_t i = 0; i < plain.data.size(); ++i)
        ASSERT_EQ(inverted.data[i], 255 - plain.data[i]) << i;
    ASSERT_EQ(SetSingle(11, 0), 0);
    ASSERT_EQ(SetSingle(9, -60), 0);
    ScanResult darker = Scan(500, false);
    EXPECT_LT(Mean(darker.data), Mean(plain.data) - 20);

    // Black and white: a raised threshold makes more of the page black.
    SetFrame(0, 150, 0, 0, 432, 400);
    ASSERT_EQ(SetSingle(9, 0), 0);
    ScanResult bw = Scan(500, false);
    ASSERT_EQ(SetSingle(32, 90), 0);
    ScanResult bwDark = Scan(500, false);
    EXPECT_LT(Mean(bwDark.data), Mean(bw.data));
}
