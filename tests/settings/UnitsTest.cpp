// The "Units" choice: stored value, else the locale; cached for the process.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "session/DataSourceApp.h"
#include "settings/Units.h"

namespace {

TEST(Units, StoredValueWinsOverTheLocale)
{
    EXPECT_EQ(ChooseUnits(-1, 0), kUnitsMetric);
    EXPECT_EQ(ChooseUnits(-1, 1), kUnitsInches);
    EXPECT_EQ(ChooseUnits(1, 0), kUnitsInches);
    EXPECT_EQ(ChooseUnits(0, 1), kUnitsMetric);
    // A value the profile can hold but the source never writes counts as not set.
    EXPECT_EQ(ChooseUnits(2, 1), kUnitsInches);
    EXPECT_EQ(ChooseUnits(-7, 0), kUnitsMetric);
    EXPECT_EQ(ChooseUnits(100, 0), kUnitsMetric);
}

TEST(Units, AbsentKeyWritesNothingAndWritingUpdatesTheCache)
{
    TempFolder folder;
    const std::string profile = folder.File("TARVX380.INI");
    TheApp().InstallFiles("x.hlp", profile.c_str());
    ForgetUnits();
    const int fromLocale = GetUnits();
    EXPECT_TRUE(fromLocale == kUnitsMetric || fromLocale == kUnitsInches);
    EXPECT_EQ(TheApp().GetProfileInt("MAIN", "Units", -7), -7) << "the locale's choice is not written";

    SetUnits(1 - fromLocale);
    EXPECT_EQ(GetUnits(), 1 - fromLocale);
    EXPECT_EQ(TheApp().GetProfileInt("MAIN", "Units", -7), 1 - fromLocale);

    // Cached: a change in the file is not seen until the cache is forgotten.
    WritePrivateProfileStringA("MAIN", "Units", fromLocale ? "1" : "0", profile.c_str());
    EXPECT_EQ(GetUnits(), 1 - fromLocale);
    ForgetUnits();
    EXPECT_EQ(GetUnits(), fromLocale);
    TheApp().RestoreFiles();
    ForgetUnits();
}

} // namespace
