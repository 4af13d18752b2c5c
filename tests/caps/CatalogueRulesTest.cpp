// The catalogue's rules as an application meets them through DS_Entry:
// resolution, pixel type, tone, sizes, counts, the TWAIN 2 and older
// containers, the device reads and the source without the imaging library.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "CapClient.h"
#include "TempFolder.h"
#include "caps/CustomCaps.h"

namespace {

class CatalogueRules : public CapTest {
protected:
    void SetUp() override
    {
        CapTest::SetUp();
        ASSERT_TRUE(c.Open());
    }
    std::vector<double> Resolutions()
    {
        Container get;
        c.Ask(ICAP_XRESOLUTION, MSG_GET, &get);
        std::vector<double> dpi;
        for (TW_UINT32 item : get.items) dpi.push_back(Unfix(item));
        return dpi;
    }
    TW_UINT32 Current(TW_UINT16 cap)
    {
        Container current;
        const TW_UINT16 rc = c.Ask(cap, MSG_GETCURRENT, &current);
        EXPECT_EQ(rc, TWRC_SUCCESS) << c.Status(rc);
        return current.value;
    }
    CapClient c{true};
};

TEST_F(CatalogueRules, ResolutionSnapsToTheListAndRangesEnableEntries)
{
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS, c.SetOne(ICAP_XRESOLUTION, TWTY_FIX32, Fix(250)));
    EXPECT_EQ(c.Settings().DPI, 200) << "the tie goes to the earlier entry";
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_XRESOLUTION, TWTY_FIX32, Fix(100)));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_YRESOLUTION, TWTY_FIX32, Fix(700)));
    EXPECT_EQ(c.Settings().DPI, 200);
    {
        SCOPED_TRACE("rounded to 300");
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_YRESOLUTION, TWTY_FIX32, Fix(299.6)));
    }
    EXPECT_EQ(c.Settings().DPI, 300);

    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS,
                 c.SetRange(ICAP_XRESOLUTION, TWTY_FIX32, Fix(200), Fix(600), Fix(100), Fix(400)));
    EXPECT_EQ(c.Settings().DPI, 300);
    EXPECT_EQ(Resolutions(), (std::vector<double>{200, 300, 600}));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE,
                 c.SetRange(ICAP_XRESOLUTION, TWTY_FIX32, Fix(600), Fix(200), Fix(100), Fix(400)));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE,
                 c.SetRange(ICAP_XRESOLUTION, TWTY_FIX32, Fix(150), Fix(600), Fix(0), Fix(400)));
    EXPECT_EQ(Resolutions(), (std::vector<double>{200, 300, 600})) << "a refused range changes nothing";

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS,
                 c.SetEnum(ICAP_XRESOLUTION, TWTY_FIX32, {Fix(150), Fix(600)}, 1));
    EXPECT_EQ(c.Settings().DPI, 600);
    EXPECT_EQ(Resolutions(), (std::vector<double>{150, 600}));
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS, c.SetOne(ICAP_XRESOLUTION, TWTY_FIX32, Fix(300)));
    EXPECT_EQ(c.Settings().DPI, 150) << "only enabled entries are snapped to";

    Container reset;
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(ICAP_XRESOLUTION, MSG_RESET, &reset));
    EXPECT_EQ(reset.conType, TWON_ONEVALUE);
    EXPECT_EQ(Unfix(reset.value), 300.0);
    EXPECT_EQ(Resolutions(), (std::vector<double>{150, 200, 300, 600}));
}

TEST_F(CatalogueRules, PixelTypeEnumerationRestrictsLaterChoices)
{
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetEnum(ICAP_PIXELTYPE, TWTY_UINT16, {TWPT_BW, TWPT_GRAY}, 1));
    EXPECT_EQ(c.Settings().ScanMode, kModeGray);
    Container get;
    c.Ask(ICAP_PIXELTYPE, MSG_GET, &get);
    EXPECT_EQ(get.items, (std::vector<TW_UINT32>{TWPT_BW, TWPT_GRAY}));
    EXPECT_EQ(get.currentIndex, 1u);
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS, c.SetOne(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_RGB));
    EXPECT_EQ(c.Settings().ScanMode, kModeGray) << "the highest allowed type";
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_PALETTE));
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(ICAP_PIXELTYPE, MSG_RESET));
    EXPECT_EQ(c.Settings().ScanMode, kModeBlackWhite);
    c.Ask(ICAP_PIXELTYPE, MSG_GET, &get);
    EXPECT_EQ(get.items, (std::vector<TW_UINT32>{TWPT_BW, TWPT_GRAY, TWPT_RGB}));
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_RGB));
    EXPECT_EQ(c.Settings().ScanMode, kModeColor);
    EXPECT_EQ(Current(ICAP_BITDEPTH), 8u);
    c.Ask(ICAP_BITDEPTH, MSG_GET, &get);
    EXPECT_EQ(get.items, (std::vector<TW_UINT32>{24}));
}

TEST_F(CatalogueRules, ToneValuesTruncateRoundAndScale)
{
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS, c.SetOne(ICAP_BRIGHTNESS, TWTY_FIX32, Fix(255)));
    EXPECT_EQ(c.Settings().Brightness, 25);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_BRIGHTNESS, TWTY_FIX32, Fix(1001)));
    EXPECT_EQ(Unfix(Current(ICAP_BRIGHTNESS)), 250.0);
    {
        SCOPED_TRACE("-10.5 truncates toward zero to -10, a multiple of 10");
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_CONTRAST, TWTY_FIX32, Fix(-10.5)));
    }
    EXPECT_EQ(c.Settings().Contrast, -1);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS,
                 c.SetRange(ICAP_CONTRAST, TWTY_FIX32, Fix(-1000), Fix(1000), Fix(10), Fix(-1000)));
    EXPECT_EQ(c.Settings().Contrast, -100);

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_THRESHOLD, TWTY_FIX32, Fix(200)));
    EXPECT_EQ(c.Settings().Brightness, -72);
    EXPECT_EQ(Unfix(Current(ICAP_THRESHOLD)), 200.0);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_THRESHOLD, TWTY_FIX32, Fix(0)));
    EXPECT_EQ(c.Settings().Brightness, 127) << "0 is taken as 1";
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_THRESHOLD, TWTY_FIX32, Fix(255.5)));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_THRESHOLD, TWTY_FIX32, Fix(-2))); // rounds to -1
    EXPECT_EQ(c.Settings().Brightness, 127);

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_GAMMA, TWTY_FIX32, Fix(5.0)));
    EXPECT_EQ(c.Settings().Gamma, 40);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_GAMMA, TWTY_FIX32, Fix(2.24)));
    EXPECT_EQ(c.Settings().Gamma, 22);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetEnum(ICAP_GAMMA, TWTY_FIX32, {Fix(2)}, 0));

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_HIGHLIGHT, TWTY_FIX32, Fix(200.9)));
    EXPECT_EQ(c.Settings().Highlight, 200);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_SHADOW, TWTY_FIX32, Fix(-5.5)));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_SHADOW, TWTY_FIX32, Fix(256)));
    Container range;
    c.Ask(ICAP_BRIGHTNESS, MSG_GET, &range);
    EXPECT_EQ(range.conType, TWON_RANGE);
    EXPECT_EQ(Unfix(range.minValue), -1000.0);
    EXPECT_EQ(Unfix(range.maxValue), 1000.0);
    EXPECT_EQ(Unfix(range.stepSize), 10.0);
}

TEST_F(CatalogueRules, SizesSetTheFrame)
{
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_SUPPORTEDSIZES, TWTY_UINT16, TWSS_BUSINESSCARD));
    ScanSettings s = c.Settings();
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Bottom, 217);
    EXPECT_EQ(s.Right, 354);
    EXPECT_EQ(Current(ICAP_SUPPORTEDSIZES), TWSS_BUSINESSCARD);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_SUPPORTEDSIZES, TWTY_UINT16, TWSS_USLETTER));
    EXPECT_EQ(c.Settings().Bottom, 217);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(ICAP_SUPPORTEDSIZES, MSG_RESET));
    s = c.Settings();
    EXPECT_EQ(s.Bottom, 583);
    EXPECT_EQ(s.Right, 413);
    EXPECT_EQ(Current(ICAP_SUPPORTEDSIZES), TWSS_A6);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_SUPPORTEDSIZES, TWTY_UINT16, TWSS_NONE));
    EXPECT_EQ(c.Settings().Bottom, 1000);
    EXPECT_EQ(Current(ICAP_SUPPORTEDSIZES), TWSS_NONE);
}

TEST_F(CatalogueRules, CountsMechanismSensitivityAndBitDepth)
{
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(CAP_XFERCOUNT, TWTY_INT16, 5));
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CAP_XFERCOUNT, TWTY_INT16, 1));
    EXPECT_EQ(Current(CAP_XFERCOUNT), 1u);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CAP_XFERCOUNT, TWTY_INT16, 0xFFFF));
    EXPECT_EQ(static_cast<int16_t>(Current(CAP_XFERCOUNT)), -1);
    {
        SCOPED_TRACE("a one-value capability refuses an enumeration");
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetEnum(CAP_XFERCOUNT, TWTY_INT16, {1}, 0));
    }

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetEnum(ICAP_XFERMECH, TWTY_UINT16, {0, 1, 2}, 2));
    EXPECT_EQ(Current(ICAP_XFERMECH), TWSX_MEMORY);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_XFERMECH, TWTY_UINT16, 3));
    {
        SCOPED_TRACE("no range for the mechanism");
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE,
                 c.SetRange(ICAP_XFERMECH, TWTY_UINT16, 0, 2, 1, 1));
    }

    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS, c.SetOne(CUSTCAP_EOPSENSITIVITY, TWTY_INT32, 150));
    EXPECT_EQ(Current(CUSTCAP_EOPSENSITIVITY), 100u);
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_SUCCESS,
                 c.SetOne(CUSTCAP_EOPSENSITIVITY, TWTY_INT32, static_cast<TW_UINT32>(-70000)));
    EXPECT_EQ(static_cast<int32_t>(Current(CUSTCAP_EOPSENSITIVITY)), -100);

    // Black and white: 1 only; an enumeration of 8 is a near miss, of 24 a refusal.
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_BITDEPTH, TWTY_UINT16, 1));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_BITDEPTH, TWTY_UINT16, 8));
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BADVALUE, c.SetEnum(ICAP_BITDEPTH, TWTY_UINT16, {8}, 0));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetEnum(ICAP_BITDEPTH, TWTY_UINT16, {24}, 0));

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_COMPRESSION, TWTY_UINT16, 0));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_UNITS, TWTY_UINT16, TWUN_CENTIMETERS));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_BITORDER, TWTY_UINT16, TWBO_LSBFIRST));
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_DETECTEOP, TWTY_BOOL, 7));
    EXPECT_EQ(c.Settings().DetectEOP, 1) << "stored as 1";
}

TEST_F(CatalogueRules, PixelFlavorChecksItsEnumeration)
{
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetEnum(ICAP_PIXELFLAVOR, TWTY_UINT16, {0, 1}, 1));
    EXPECT_EQ(Current(ICAP_PIXELFLAVOR), TWPF_VANILLA);
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BADVALUE, c.SetEnum(ICAP_PIXELFLAVOR, TWTY_UINT32, {0, 0}, 0));
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BADVALUE, c.SetEnum(ICAP_PIXELFLAVOR, TWTY_UINT16, {0, 1}, 2));
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BADVALUE, c.SetEnum(ICAP_PIXELFLAVOR, TWTY_UINT16, {}, 0));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_PIXELFLAVOR, TWTY_UINT16, 2));
    EXPECT_EQ(Current(ICAP_PIXELFLAVOR), TWPF_VANILLA) << "nothing changed";
}

TEST_F(CatalogueRules, FileFormatAndOrientation)
{
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_IMAGEFILEFORMAT, TWTY_UINT16, TWFF_TIFF));
    EXPECT_EQ(c.Settings().FileFormat, TWFF_TIFF);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_IMAGEFILEFORMAT, TWTY_UINT16, TWFF_PNG));
    Container get;
    c.Ask(ICAP_IMAGEFILEFORMAT, MSG_GET, &get);
    EXPECT_EQ(get.items, (std::vector<TW_UINT32>{TWFF_BMP, TWFF_TIFF}));
    EXPECT_EQ(get.currentIndex, 1u);
    EXPECT_EQ(get.defaultIndex, 0u) << "TWFF_BMP is item 0: no match among items 1 and up gives 0";
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(ICAP_IMAGEFILEFORMAT, MSG_RESET));
    EXPECT_EQ(c.Settings().FileFormat, TWFF_BMP);

    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_ORIENTATION, TWTY_UINT16, TWOR_ROT180));
    EXPECT_EQ(c.Settings().Rotation, TWOR_ROT180);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetOne(ICAP_ORIENTATION, TWTY_UINT16, 4));
    {
        SCOPED_TRACE("an enumeration item above 3 is passed over");
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetEnum(ICAP_ORIENTATION, TWTY_UINT16, {0, 9}, 1));
    }
    EXPECT_EQ(c.Settings().Rotation, TWOR_ROT180);
}

TEST_F(CatalogueRules, QueriesOfUnknownCapabilities)
{
    Container q;
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(CAP_AUTHOR, MSG_QUERYSUPPORT, &q));
    EXPECT_EQ(q.itemType, TWTY_INT32);
    EXPECT_EQ(q.value, 0u);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.Ask(CAP_AUTHOR, MSG_GET));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.SetOne(CAP_AUTHOR, TWTY_STR255, 0));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.Ask(CAP_DUPLEX, MSG_RESET));

    // Served without being listed, while the imaging library is there.
    Container get;
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(ICAP_IMAGEFILTER, MSG_GET, &get));
    EXPECT_EQ(get.itemType, TWTY_BOOL);
    EXPECT_EQ(get.value, 0u);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(ICAP_IMAGEFILTER, MSG_QUERYSUPPORT, &q));
    EXPECT_EQ(q.value, 0u);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.Ask(ICAP_IMAGEFILTER, MSG_GETCURRENT));
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(ICAP_IMAGEFILTER, TWTY_BOOL, 1));
    EXPECT_EQ(c.Settings().Photo, 1);
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.Ask(ICAP_IMAGEFILTER, MSG_RESET));
    EXPECT_EQ(c.Settings().Photo, 0) << "the reset happened before the answer";
}

TEST_F(CatalogueRules, DeviceReadsGiveFalseOrEmptyOnFailure)
{
    EXPECT_EQ(Current(CAP_FEEDERLOADED), 1u);
    EXPECT_EQ(Current(CAP_DEVICEONLINE), 1u);
    EXPECT_EQ(Current(CUSTCAP_NEEDSCALIBRATION), 0u);
    Container serial;
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(CAP_SERIALNUMBER, MSG_GET, &serial));
    EXPECT_EQ(serial.text, "TX380-0001");
    EXPECT_EQ(serial.blockSize, 262u);

    ASSERT_TRUE(m_sim.Set("Faults", "PaperStatusResult", "5"));
    ASSERT_TRUE(m_sim.Set("Faults", "ScannerStatusResult", "5"));
    ASSERT_TRUE(m_sim.Set("Device", "Calibrated", "0"));
    ASSERT_TRUE(m_sim.Set("Device", "Serial", "abc"));
    EXPECT_EQ(Current(CAP_FEEDERLOADED), 0u);
    EXPECT_EQ(Current(CAP_DEVICEONLINE), 0u);
    EXPECT_EQ(Current(CUSTCAP_NEEDSCALIBRATION), 1u);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(CAP_SERIALNUMBER, MSG_GETCURRENT, &serial));
    EXPECT_EQ(serial.text, "") << "shorter than 4 characters";
    EXPECT_TRUE(serial.terminated);
}

TEST_F(CatalogueRules, ClearPageEjectsAndReportsAFailedEject)
{
    const int before = m_sim.Status("SheetsOut");
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CAP_CLEARPAGE, TWTY_BOOL, 0));
    EXPECT_EQ(m_sim.Status("SheetsOut"), before);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CAP_CLEARPAGE, TWTY_BOOL, 1));
    EXPECT_EQ(m_sim.Status("SheetsOut"), before + 1);
    c.Close();
    ASSERT_TRUE(m_sim.Set("Device", "OpenResult", "10")); // opens without the interface
    ASSERT_TRUE(c.Open());
    EXPECT_TWAIN(c.h, TWRC_CHECKSTATUS, TWCC_BUMMER, c.SetOne(CAP_CLEARPAGE, TWTY_BOOL, 1));
}

TEST_F(CatalogueRules, OneNamedApplicationIsNotOfferedTheSettingsOnlyDialog)
{
    EXPECT_EQ(Current(CAP_ENABLEDSUIONLY), 1u);
    c.Close();
    CapClient x(true, "ApplicationXtender");
    ASSERT_TRUE(x.Open());
    Container get;
    EXPECT_TWAIN(x.h, TWRC_SUCCESS, TWCC_SUCCESS, x.Ask(CAP_ENABLEDSUIONLY, MSG_GET, &get));
    EXPECT_EQ(get.items, std::vector<TW_UINT32>{0});
    EXPECT_EQ(get.currentIndex, 0u);
}

TEST_F(CatalogueRules, SupportedDatsNameGroupAndArgumentType)
{
    Container dats;
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(CAP_SUPPORTEDDATS, MSG_GETDEFAULT, &dats));
    ASSERT_EQ(dats.items.size(), 16u);
    EXPECT_EQ(dats.items.front(), 0x00010001u);
    EXPECT_EQ(dats.items[8], 0x0001000Cu);
    EXPECT_EQ(dats.items[9], 0x00010010u);
    EXPECT_EQ(dats.items.back(), 0x0002010Bu);
    EXPECT_EQ(dats.blockSize, 8u + 16 * 4);
}

TEST(Indicators, OlderApplicationsGetAOneValueTwain2AnEnumeration)
{
    SimulatedScanner sim;
    Container get;
    {
        CapClient older(false);
        ASSERT_TRUE(older.Open());
        EXPECT_TWAIN(older.h, TWRC_SUCCESS, TWCC_SUCCESS, older.Ask(CAP_INDICATORS, MSG_GET, &get));
        EXPECT_EQ(get.conType, TWON_ONEVALUE);
        EXPECT_EQ(get.value, 1u);
        // An older application's one value holds the format in force.
        ASSERT_EQ(older.SetOne(ICAP_IMAGEFILEFORMAT, TWTY_UINT16, TWFF_TIFF), TWRC_SUCCESS);
        EXPECT_TWAIN(older.h, TWRC_SUCCESS, TWCC_SUCCESS, older.Ask(ICAP_IMAGEFILEFORMAT, MSG_GET, &get));
        EXPECT_EQ(get.conType, TWON_ONEVALUE);
        EXPECT_EQ(get.value, TWFF_TIFF);
    }
    CapClient newer(true);
    ASSERT_TRUE(newer.Open());
    EXPECT_TWAIN(newer.h, TWRC_SUCCESS, TWCC_SUCCESS, newer.Ask(CAP_INDICATORS, MSG_GET, &get));
    EXPECT_EQ(get.conType, TWON_ENUMERATION);
    EXPECT_EQ(get.items, (std::vector<TW_UINT32>{0, 1}));
    EXPECT_EQ(get.currentIndex, 1u);
    EXPECT_EQ(get.defaultIndex, 1u);
    EXPECT_EQ(newer.SetOne(CAP_INDICATORS, TWTY_BOOL, 0), TWRC_SUCCESS);
    newer.Close();
    ASSERT_TRUE(newer.Open());
    EXPECT_TWAIN(newer.h, TWRC_SUCCESS, TWCC_SUCCESS, newer.Ask(CAP_INDICATORS, MSG_GETCURRENT, &get));
    EXPECT_EQ(get.value, 1u) << "opening resets the indicators";
}

// The source on its own in a folder, without the imaging library beside it.
TEST(WithoutImaging, FourImagingCapabilitiesAreGone)
{
    SimulatedScanner sim;
    TempFolder folder;
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string bin(exe);
    bin = bin.substr(0, bin.find_last_of('\\') + 1);
    ASSERT_TRUE(CopyFileA((bin + "TARVX380.ds").c_str(), folder.File("TARVX380.ds").c_str(), FALSE));
    {
        CapClient c(true);
        ASSERT_TRUE(c.Open(folder.File("TARVX380.ds").c_str()));
        Container caps;
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(CAP_SUPPORTEDCAPS, MSG_GET, &caps));
        EXPECT_EQ(caps.items.size(), 48u);
        for (TW_UINT16 gone : {ICAP_ORIENTATION, ICAP_AUTOMATICBORDERDETECTION, ICAP_AUTOMATICDESKEW,
                               ICAP_AUTOMATICROTATE}) {
            EXPECT_EQ(std::count(caps.items.begin(), caps.items.end(), gone), 0) << gone;
            EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.Ask(gone, MSG_GET));
            EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.SetOne(gone, TWTY_BOOL, 0));
            Container q;
            EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.Ask(gone, MSG_QUERYSUPPORT, &q));
            EXPECT_EQ(q.value, 0u);
        }
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_CAPUNSUPPORTED, c.Ask(ICAP_IMAGEFILTER, MSG_GET));
        EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetOne(CUSTCAP_FILTER, TWTY_BOOL, 1));
        EXPECT_EQ(c.Settings().Filter, 1);
    }
}

} // namespace
