// Settings in the profile: defaults, repair on load, the keys written.
#include <gtest/gtest.h>

#include <cstring>

#include "TempFolder.h"
#include "device/ResolutionList.h"
#include "session/DataSourceApp.h"
#include "imaging/ImagingQuery.h"
#include "settings/ScanSettings.h"

namespace {

bool Yes() { return true; }
bool No() { return false; }

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_profile = m_folder.File("TARVX380.INI");
        TheApp().InstallFiles("TARVX380.hlp", m_profile.c_str());
    }
    void TearDown() override
    {
        TheApp().RestoreFiles();
        SetImagingQuery(nullptr);
        ResetResolutionList();
    }
    void Put(const char* key, const char* value, const char* section = "MYAPP")
    {
        WritePrivateProfileStringA(section, key, value, m_profile.c_str());
    }
    std::string Get(const char* key, const char* section = "MYAPP")
    {
        char buf[64] = {};
        GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, m_profile.c_str());
        return buf;
    }

    TempFolder m_folder;
    std::string m_profile;
};

TEST_F(ProfileTest, EmptyProfileLoadsTheDefaults)
{
    ScanSettings s;
    std::memset(&s, 0x5A, sizeof s);
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.ScanMode, kModeBlackWhite);
    EXPECT_EQ(s.DPI, 300);
    EXPECT_EQ(s.DetectEOP, 1);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.Highlight, 255);
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Bottom, 1000);
    EXPECT_EQ(s.Right, 432);
    EXPECT_EQ(s.ColorDropThreshold, -1);
    EXPECT_EQ(s.ColorDropBWThreshold, -1);
    EXPECT_EQ(s.FileFormat, TWFF_BMP);
    EXPECT_EQ(s.Reserved16 | s.Reserved64 | s.Reserved66 | s.Duplex, 0);
}

TEST_F(ProfileTest, NullRecordMeansTheSessionSettings)
{
    Put("DPI", "200");
    EXPECT_EQ(LoadScanSettings("MYAPP", nullptr), &TheApp().m_settings);
    EXPECT_EQ(TheApp().m_settings.DPI, 200);
}

TEST_F(ProfileTest, StoredOutOfRangeValuesAreRepairedOnLoad)
{
    Put("Gamma", "45");
    Put("Highlight", "3");
    Put("Shadow", "251");
    Put("Brightness", "-101");
    Put("ScanMode", "3");
    Put("UVOnTime", "10001");
    Put("Duplex", "1");
    ScanSettings s;
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.Highlight, 255);
    EXPECT_EQ(s.Shadow, 0);
    EXPECT_EQ(s.Brightness, 0);
    EXPECT_EQ(s.ScanMode, kModeBlackWhite);
    EXPECT_EQ(s.UVOnTime, 0);
    EXPECT_EQ(s.Duplex, 0);
    Put("Shadow", "-5");
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.Shadow, 0);
    EXPECT_EQ(Get("Gamma"), "45") << "repairs are not written back on load";
}

TEST_F(ProfileTest, ResolutionSnapsToTheDeviceListOnLoad)
{
    Put("DPI", "250");
    ScanSettings s;
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.DPI, 250);
    const int32_t list[] = {150, 200, 300, 600};
    SetResolutionList(list, 4);
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.DPI, 200);
}

TEST_F(ProfileTest, RoundTripKeepsNegativeValues)
{
    SetImagingQuery(&Yes);
    ScanSettings s;
    LoadScanSettings("MYAPP", &s);
    s.ScanMode = kModeColor;
    s.Brightness = -40;
    s.Contrast = -1;
    s.ColorDropThreshold = -1;
    s.ColorDropBWThreshold = 128;
    s.Deskew = 1;
    s.Top = 50;
    SaveScanSettings("MYAPP", &s);
    EXPECT_EQ(Get("Contrast"), "-1");
    ScanSettings back;
    LoadScanSettings("MYAPP", &back);
    EXPECT_EQ(std::memcmp(&s, &back, sizeof s), 0);
}

TEST_F(ProfileTest, WithoutImagingFilterAndInvertAreWrittenAndImagingKeysLeftAlone)
{
    SetImagingQuery(&No);
    Put("AutoCrop", "1");
    ScanSettings s;
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.AutoCrop, 0);
    s.Filter = 1;
    SaveScanSettings("MYAPP", &s);
    EXPECT_EQ(Get("Filter"), "1");
    EXPECT_EQ(Get("Invert"), "0");
    EXPECT_EQ(Get("AutoCrop"), "1") << "the file keeps what the session could not use";
    EXPECT_EQ(Get("ColorDropMin"), "<absent>");
}

TEST_F(ProfileTest, WithImagingFilterLoadsOffAndIsNeverWritten)
{
    SetImagingQuery(&Yes);
    Put("Filter", "1");
    Put("ColorDropMin", "100");
    Put("ColorDropMax", "50");
    Put("ColorDropBWThreshold", "300");
    ScanSettings s;
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.Filter, 0);
    EXPECT_EQ(s.ColorDropMin, 35);
    EXPECT_EQ(s.ColorDropMax, 50);
    EXPECT_EQ(s.ColorDropBWThreshold, -1);
    SaveScanSettings("MYAPP", &s);
    EXPECT_EQ(Get("Filter"), "1") << "Filter is not among the keys written with imaging";
    EXPECT_EQ(Get("ColorDropMin"), "35");
    EXPECT_EQ(Get("Duplex"), "<absent>");
    EXPECT_EQ(Get("FileFormat"), "<absent>");
}

TEST_F(ProfileTest, SectionsAreSeparateAndRestoringTheProfileReadsTheOldFile)
{
    Put("DPI", "600", "OTHER");
    ScanSettings s;
    LoadScanSettings("MYAPP", &s);
    EXPECT_EQ(s.DPI, 300);
    EXPECT_EQ(TheApp().GetProfileInt("OTHER", "DPI", 0), 600);
    TheApp().RestoreFiles();
    EXPECT_STRNE(TheApp().ProfileName(), m_profile.c_str());
    EXPECT_EQ(TheApp().GetProfileInt("OTHER", "DPI", 7), 7);
    TheApp().InstallFiles("TARVX380.hlp", m_profile.c_str());
}

} // namespace
