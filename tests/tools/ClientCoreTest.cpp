// The client's own logic without a source: the command line, the names of
// codes and capabilities, containers read from blocks the client does not
// trust, values typed by the user, bitmaps, the PDF writer and the images
// written through the imaging component and read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "BmpFile.h"
#include "CapValue.h"
#include "Options.h"
#include "OutputWriter_win.h"
#include "PdfReader.h"
#include "PdfWriter.h"
#include "TempFolder.h"
#include "TwainFailure.h"
#include "TwainNames.h"
#include "WicImage_win.h"

namespace {

ParseResult Parse(std::vector<std::string> args, Options& o) { return ParseOptions(args, o); }

Page TestPage(uint32_t w, uint32_t h, int bits)
{
    Page p;
    std::string error;
    EXPECT_TRUE(ShapePage(p, w, h, bits, 200, error)) << error;
    for (size_t i = 0; i < p.pixels.size(); ++i) p.pixels[i] = static_cast<uint8_t>(i * 7 + i / 13);
    if (bits == 1) {
        const int spare = static_cast<int>(p.stride * 8 - w);
        for (uint32_t y = 0; spare && y < h; ++y) p.Row(y)[p.stride - 1] |= static_cast<uint8_t>((1u << spare) - 1);
    }
    return p;
}

TEST(Options, ScanWithEverySetting)
{
    Options o;
    ParseResult r = Parse({"scan", "--source", "a.ds", "--mode", "colour", "--dpi", "300", "--frame", "0,0,100,50mm",
                           "--brightness", "-20", "--set", "ICAP_GAMMA=2.2", "--set", "CUSTCAP_DETECTEOP=0", "--xfer",
                           "memory", "--buffer", "65536", "--pages", "all", "--out", "x.TIF", "--quiet"},
                          o);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(o.verb, Verb::Scan);
    EXPECT_EQ(o.mode, "color");
    EXPECT_DOUBLE_EQ(o.dpi, 300);
    EXPECT_NEAR(o.frame[2], 100 / 25.4, 1e-9);
    EXPECT_NEAR(o.frame[3], 50 / 25.4, 1e-9);
    ASSERT_EQ(o.sets.size(), 2u);
    EXPECT_EQ(o.sets[1].first, "CUSTCAP_DETECTEOP");
    EXPECT_EQ(o.mechanism, Mechanism::Memory);
    EXPECT_EQ(o.bufferSize, 65536u);
    EXPECT_EQ(o.pages, 0);
    EXPECT_EQ(ResolveFormat(o), OutputFormat::Tiff);
    EXPECT_TRUE(o.quiet);
}

TEST(Options, RefusesWhatCannotWork)
{
    Options o;
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"scan", "--out", "x.png"},                                       // no source
        {"scan", "--source", "a.ds", "--manager", "m.dll", "--out", "x.png"}, // both
        {"scan", "--source", "a.ds"},                                     // no output
        {"scan", "--source", "a.ds", "--out", "x.gif"},                   // unknown format
        {"scan", "--source", "a.ds", "--out", "x.png", "--frame", "2,0,1,3"}, // right left of left
        {"scan", "--source", "a.ds", "--out", "x.png", "--buffer", "100"},    // not a memory transfer
        {"scan", "--source", "a.ds", "--out", "x.png", "--size", "A6", "--frame", "0,0,1,1"},
        {"scan", "--source", "a.ds", "--out", "x.png", "--pages", "0"},
        {"scan", "--source", "a.ds", "--out", "x.png", "--set", "=3"},
        {"scan", "--source", "a.ds", "--out", "x.png", "--dpi"},
        {"scan", "--source", "a.ds", "--out", "x.png", "--colour"},
        {"list", "--source", "a.ds"},
        {"get", "--source", "a.ds"},
        {"caps", "--source", "a.ds", "--mode", "bw"},
    };
    for (const auto& args : bad) {
        std::string line;
        for (const auto& a : args) line += a + " ";
        ParseResult r = Parse(args, o);
        EXPECT_FALSE(r.ok) << line;
        EXPECT_FALSE(r.error.empty()) << line;
    }
    EXPECT_TRUE(Parse({"get", "ICAP_GAMMA", "--manager", "TWAINDSM.DLL", "--name", "Tarvex 380"}, o).ok);
    EXPECT_EQ(o.capName, "ICAP_GAMMA");
    EXPECT_TRUE(Parse({"--help"}, o).ok);
    EXPECT_EQ(o.verb, Verb::Help);
    EXPECT_NE(std::string(HelpText()).find("5  device or transfer failure"), std::string::npos);
}

TEST(Names, CodesTripletsAndCapabilities)
{
    EXPECT_EQ(ReturnCodeName(TWRC_CHECKSTATUS), "TWRC_CHECKSTATUS");
    EXPECT_EQ(ConditionCodeName(TWCC_CAPBADOPERATION), "TWCC_CAPBADOPERATION");
    EXPECT_EQ(ConditionCodeName(0x9000), "0x9000");
    EXPECT_EQ(TripletText(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET), "DG_IMAGE / DAT_IMAGEMEMXFER / MSG_GET");
    TwainFailure f;
    f.dg = DG_CONTROL;
    f.dat = DAT_CAPABILITY;
    f.msg = MSG_SET;
    f.rc = TWRC_FAILURE;
    f.cc = TWCC_BADVALUE;
    f.haveCc = true;
    f.about = "ICAP_GAMMA";
    EXPECT_EQ(f.Text(), "DG_CONTROL / DAT_CAPABILITY / MSG_SET (ICAP_GAMMA) failed: TWRC_FAILURE, TWCC_BADVALUE");

    TW_UINT16 cap = 0;
    EXPECT_TRUE(CapabilityByName("custcap_detecteop", cap));
    EXPECT_EQ(cap, CUSTCAP_DETECTEOP);
    EXPECT_TRUE(CapabilityByName("0x1108", cap));
    EXPECT_EQ(CapabilityName(cap), "ICAP_GAMMA");
    EXPECT_FALSE(CapabilityByName("ICAP_NOSUCH", cap));
    TW_UINT32 v = 0;
    EXPECT_TRUE(ValueByName(ICAP_PIXELTYPE, "rgb", v));
    EXPECT_EQ(v, TWPT_RGB);
    EXPECT_TRUE(ValueByName(ICAP_SUPPORTEDSIZES, "TWSS_BUSINESSCARD", v));
    EXPECT_EQ(v, TWSS_BUSINESSCARD);
    EXPECT_FALSE(ValueByName(ICAP_GAMMA, "RGB", v));
}

TEST(CapValue, ReadsContainersAndRefusesShortOnes)
{
    // An enumeration of three UINT16 items, current index 1, default 0.
    uint8_t e[16 + 6] = {};
    const uint16_t type = TWTY_UINT16, items[3] = {0, 1, 2};
    const uint32_t n = 3, cur = 1, def = 0;
    std::memcpy(e, &type, 2);
    std::memcpy(e + 2, &n, 4);
    std::memcpy(e + 6, &cur, 4);
    std::memcpy(e + 10, &def, 4);
    std::memcpy(e + 14, items, 6);
    CapValue v;
    std::string error;
    ASSERT_TRUE(ReadContainer(ICAP_PIXELTYPE, TWON_ENUMERATION, e, 20, v, error)) << error;
    EXPECT_EQ(FormatContainer(v),
              "enumeration of TWTY_UINT16: TWPT_BW (0), [TWPT_GRAY (1)], TWPT_RGB (2); default TWPT_BW (0)");
    TW_UINT32 raw = 0;
    ASSERT_TRUE(CurrentRaw(v, raw));
    EXPECT_EQ(raw, TWPT_GRAY);

    EXPECT_FALSE(ReadContainer(ICAP_PIXELTYPE, TWON_ENUMERATION, e, 19, v, error)) << "one item byte short";
    const uint32_t outside = 3;
    std::memcpy(e + 6, &outside, 4);
    EXPECT_FALSE(ReadContainer(ICAP_PIXELTYPE, TWON_ENUMERATION, e, 20, v, error)) << "current index past the items";
    const uint32_t huge = 0x40000000;
    std::memcpy(e + 2, &huge, 4);
    EXPECT_FALSE(ReadContainer(ICAP_PIXELTYPE, TWON_ENUMERATION, e, 20, v, error)) << "count past the block";
    EXPECT_FALSE(ReadContainer(ICAP_GAMMA, TWON_RANGE, e, 21, v, error)) << "a range needs 22 bytes";

    std::vector<uint8_t> one = OneValueBlock(TWTY_FIX32, Fix32FromDouble(-5.5));
    ASSERT_TRUE(ReadContainer(ICAP_BRIGHTNESS, TWON_ONEVALUE, one.data(), one.size(), v, error));
    EXPECT_EQ(FormatContainer(v), "one value of TWTY_FIX32: -5.5");
    // TW_FIX32 -5.5 is Whole -6, Frac 0x8000, Whole first in memory.
    EXPECT_EQ(one[2], 0xFA);
    EXPECT_EQ(one[3], 0xFF);
    EXPECT_EQ(one[4], 0x00);
    EXPECT_EQ(one[5], 0x80);
}

TEST(CapValue, ParsesWhatTheUserTypes)
{
    TW_UINT32 raw = 0;
    EXPECT_TRUE(ParseItem(ICAP_GAMMA, TWTY_FIX32, "2.2", raw));
    EXPECT_NEAR(Fix32ToDouble(raw), 2.2, 1e-4);
    EXPECT_TRUE(ParseItem(CUSTCAP_DETECTEOP, TWTY_BOOL, "off", raw));
    EXPECT_EQ(raw, 0u);
    EXPECT_TRUE(ParseItem(ICAP_XFERMECH, TWTY_UINT16, "memory", raw));
    EXPECT_EQ(raw, TWSX_MEMORY);
    EXPECT_TRUE(ParseItem(CAP_XFERCOUNT, TWTY_INT16, "-1", raw));
    EXPECT_EQ(raw, 0xFFFFu);
    EXPECT_FALSE(ParseItem(ICAP_BITDEPTH, TWTY_UINT16, "70000", raw));
    EXPECT_FALSE(ParseItem(ICAP_BITDEPTH, TWTY_UINT16, "-1", raw));
    EXPECT_FALSE(ParseItem(CUSTCAP_DETECTEOP, TWTY_BOOL, "maybe", raw));
    EXPECT_FALSE(ParseItem(ICAP_GAMMA, TWTY_FIX32, "40000", raw)) << "outside TW_FIX32";
    EXPECT_FALSE(ParseItem(ICAP_GAMMA, TWTY_FIX32, "2.2x", raw));
}

TEST(Bitmaps, RoundTripAndRejectShortData)
{
    for (int bits : {1, 8, 24}) {
        const Page page = TestPage(37, 11, bits);
        const std::vector<uint8_t> bmp = BuildBmp(page);
        Page back;
        std::string error;
        ASSERT_TRUE(PageFromDib(bmp.data(), bmp.size(), true, back, error)) << bits << ": " << error;
        EXPECT_EQ(back.width, 37u);
        EXPECT_EQ(back.height, 11u);
        EXPECT_EQ(back.dpi, 200);
        EXPECT_TRUE(back.pixels == page.pixels) << bits << "-bit rows back in order, red first";
        EXPECT_FALSE(PageFromDib(bmp.data(), bmp.size() - 1, true, back, error)) << bits;
        // As a packed DIB (what a native transfer delivers).
        EXPECT_TRUE(PageFromDib(bmp.data() + 14, bmp.size() - 14, false, back, error)) << error;
        EXPECT_TRUE(back.pixels == page.pixels);
    }
    // A 1-bit palette with white first is read with 0 black all the same.
    Page page = TestPage(16, 2, 1);
    std::vector<uint8_t> bmp = BuildBmp(page);
    std::swap_ranges(bmp.begin() + 54, bmp.begin() + 58, bmp.begin() + 58);
    for (size_t i = 62; i < bmp.size(); ++i) bmp[i] = static_cast<uint8_t>(~bmp[i]);
    Page back;
    std::string error;
    ASSERT_TRUE(PageFromDib(bmp.data(), bmp.size(), true, back, error));
    EXPECT_TRUE(back.pixels == page.pixels);
}

TEST(Pdf, RunLengthAndDocumentStructure)
{
    const uint8_t data[] = {1, 1, 1, 1, 2, 3, 4, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 9};
    std::vector<uint8_t> rle = RunLengthEncode(data, sizeof data), back;
    ASSERT_TRUE(RunLengthDecode(rle.data(), rle.size(), back));
    EXPECT_EQ(back, std::vector<uint8_t>(data, data + sizeof data));
    std::vector<uint8_t> longRun(1000, 0xFF);
    rle = RunLengthEncode(longRun.data(), longRun.size());
    EXPECT_LT(rle.size(), 20u);
    ASSERT_TRUE(RunLengthDecode(rle.data(), rle.size(), back));
    EXPECT_EQ(back, longRun);
    EXPECT_FALSE(RunLengthDecode(rle.data(), rle.size() - 1, back)) << "no end marker";

    const Page bw = TestPage(100, 40, 1);
    Page grey = TestPage(50, 20, 8);
    grey.dpi = 100;
    std::vector<uint8_t> jpeg;
    std::string error;
    {
        ComScope com;
        ASSERT_TRUE(EncodeJpeg(grey, 90, jpeg, error)) << error;
    }
    const std::vector<uint8_t> file = BuildPdf({BilevelPdfImage(bw), JpegPdfImage(grey, jpeg)});
    std::vector<PdfPageImage> pages;
    ASSERT_TRUE(ReadPdf(file, pages, error)) << error;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(pages[0].mediaWidth, 36.0, 0.01); // 100 pixels at 200 dpi: half an inch
    EXPECT_NEAR(pages[1].mediaHeight, 14.4, 0.01);
    EXPECT_EQ(pages[0].colorSpace, "DeviceGray");
    EXPECT_EQ(pages[1].filter, "DCTDecode");
    EXPECT_EQ(pages[1].stream, jpeg);
    ASSERT_TRUE(RunLengthDecode(pages[0].stream.data(), pages[0].stream.size(), back));
    EXPECT_EQ(back, bw.pixels);
    EXPECT_TRUE(BuildPdf({}).empty());
}

TEST(ImagingComponent, PngAndMultiPageTiffReadBack)
{
    ComScope com;
    TempFolder folder;
    const std::vector<Page> pages = {TestPage(40, 30, 24), TestPage(33, 10, 1), TestPage(20, 20, 8)};
    std::vector<std::string> written;
    std::string error;
    ASSERT_TRUE(WriteOutput(pages, folder.File("all.tif"), OutputFormat::Tiff, 90, written, error)) << error;
    ASSERT_EQ(written.size(), 1u);
    std::vector<Page> back;
    std::wstring tif(written[0].begin(), written[0].end());
    ASSERT_TRUE(ReadWicFile(tif, back, error)) << error;
    ASSERT_EQ(back.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i].bitsPerPixel, pages[i].bitsPerPixel) << i;
        EXPECT_EQ(back[i].dpi, 200) << i;
        EXPECT_TRUE(back[i].pixels == pages[i].pixels) << "page " << i;
    }
    // Several pages as PNG: numbered files, each one page.
    ASSERT_TRUE(WriteOutput(pages, folder.File("p.png"), OutputFormat::Png, 90, written, error)) << error;
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2], folder.File("p-3.png"));
    std::wstring png(written[1].begin(), written[1].end());
    ASSERT_TRUE(ReadWicFile(png, back, error)) << error;
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(back[0].pixels == pages[1].pixels);
    // A folder that does not exist: an error and nothing left behind.
    EXPECT_FALSE(WriteOutput(pages, folder.File("missing\\x.pdf"), OutputFormat::Pdf, 90, written, error));
    EXPECT_TRUE(written.empty());
}

} // namespace
