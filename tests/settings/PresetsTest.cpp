// Presets in the profile: built-in defaults, the saved-preset rule, the lock,
// the first save's "Locked" key and the page sizes.
#include <gtest/gtest.h>

#include <cstring>

#include "TempFolder.h"
#include "device/ResolutionList.h"
#include "imaging/ImagingQuery.h"
#include "session/DataSourceApp.h"
#include "settings/Presets.h"
#include "common/text/DsLanguage.h"

namespace {

bool No() { return false; }

class PresetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetImagingQuery(&No);
        tx::g_languageId = tx::kLangEnglish;
        m_profile = m_folder.File("TARVX380.INI");
        TheApp().InstallFiles("TARVX380.hlp", m_profile.c_str());
    }
    void TearDown() override
    {
        TheApp().RestoreFiles();
        SetImagingQuery(nullptr);
    }
    void Put(const char* section, const char* key, const char* value)
    {
        WritePrivateProfileStringA(section, key, value, m_profile.c_str());
    }
    std::string Get(const char* section, const char* key)
    {
        char buf[64] = {};
        GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, m_profile.c_str());
        return buf;
    }

    TempFolder m_folder;
    std::string m_profile;
};

TEST_F(PresetsTest, EmptyProfileGivesTheBuiltInPresets)
{
    ScanSettings s;
    std::memset(&s, 0x5A, sizeof s);
    LoadPreset(0, &s);
    EXPECT_EQ(s.ScanMode, kModeColor);
    EXPECT_EQ(s.DPI, 150);
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Bottom, 600);
    EXPECT_EQ(s.Right, 400);
    EXPECT_EQ(s.DetectEOP, 1);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.ColorDropBWThreshold, -1);
    EXPECT_EQ(s.ContinuousScan, 0) << "cleared, not left from the record's old bytes";
    EXPECT_EQ(s.Reserved66, 0);

    LoadPreset(4, &s);
    EXPECT_EQ(s.ScanMode, kModeBlackWhite);
    EXPECT_EQ(s.DPI, 300);
    EXPECT_EQ(s.Bottom, 217);
    EXPECT_EQ(s.Right, 354);

    const int modes[] = {kModeColor, kModeColor, kModeGray, kModeGray, kModeBlackWhite};
    const int dpis[] = {150, 150, 300, 200, 300};
    const int sizes[] = {3, 2, 2, 1, 1};
    for (int n = 0; n < kPresetCount; ++n) {
        PresetDefaults(n, &s);
        EXPECT_EQ(s.ScanMode, modes[n]) << n;
        EXPECT_EQ(s.DPI, dpis[n]) << n;
        EXPECT_EQ(MatchPageSize(s), sizes[n]) << n;
        EXPECT_FALSE(IsPresetLocked(n));
    }
}

TEST_F(PresetsTest, FirstSaveWritesLockedOnceAndTheRecord)
{
    ScanSettings s;
    PresetDefaults(2, &s);
    s.DPI = 600;
    s.Brightness = 20;
    SavePreset(2, &s);
    EXPECT_EQ(Get("PRESET_2", "Locked"), "0");
    EXPECT_EQ(Get("PRESET_2", "DPI"), "600");
    EXPECT_EQ(Get("PRESET_2", "Filter"), "0") << "the keys SaveScanSettings writes without imaging";

    // Someone locks it by hand; the next save leaves the lock alone.
    Put("PRESET_2", "Locked", "1");
    SavePreset(2, &s);
    EXPECT_EQ(Get("PRESET_2", "Locked"), "1");
    EXPECT_TRUE(IsPresetLocked(2));

    ScanSettings back;
    LoadPreset(2, &back);
    EXPECT_EQ(back.DPI, 600);
    EXPECT_EQ(back.Brightness, 20);
}

TEST_F(PresetsTest, SectionWithoutDpiCountsAsUnsavedAndLoadIsValidated)
{
    Put("PRESET_1", "DPI", "0");
    Put("PRESET_1", "ScanMode", "1");
    ScanSettings s;
    LoadPreset(1, &s);
    EXPECT_EQ(s.ScanMode, kModeColor) << "defaults, not the section";
    EXPECT_EQ(s.Bottom, 500);

    Put("PRESET_1", "DPI", "200");
    Put("PRESET_1", "Gamma", "45");
    LoadPreset(1, &s);
    EXPECT_EQ(s.ScanMode, kModeGray);
    EXPECT_EQ(s.Gamma, 18) << "a saved preset is validated like any section";
}

TEST_F(PresetsTest, NullRecordMeansTheSessionSettings)
{
    LoadPreset(3, nullptr);
    EXPECT_EQ(TheApp().m_settings.DPI, 200);
    EXPECT_EQ(TheApp().m_settings.ScanMode, kModeGray);
    ApplyPageSize(4, nullptr);
    EXPECT_EQ(TheApp().m_settings.Bottom, 800);
}

TEST_F(PresetsTest, PageSizes)
{
    ScanSettings s;
    PresetDefaults(0, &s);
    s.Top = 0, s.Left = 0, s.Bottom = 1000, s.Right = 432;
    EXPECT_EQ(MatchPageSize(s), 0);
    s.Bottom = 500, s.Right = 350;
    EXPECT_EQ(MatchPageSize(s), 2);
    s.Left = 1;
    EXPECT_EQ(MatchPageSize(s), 0) << "every edge counts";

    ApplyPageSize(9, &s);
    EXPECT_EQ(MatchPageSize(s), 1) << "a size outside 1..4 applies size 1";
    ApplyPageSize(0, &s);
    EXPECT_EQ(MatchPageSize(s), 1);

    EXPECT_EQ(PageSizeName(0), "Business card (90 x 55mm)");
    EXPECT_EQ(PageSizeName(1), "Photo (5.0 x 3.5\")");
    EXPECT_EQ(PageSizeName(3), "Panorama photo (4.0 x 8.0\")");
    EXPECT_EQ(PageSizeName(4), "");
    EXPECT_EQ(PageSizeName(-1), "");
}

} // namespace
