// The prefeed settings in the device values: seeding of the default twins,
// reading with repair of missing values, the defaults, writing.
#include <gtest/gtest.h>

#include "TestModule.h"
#include "WIAUI/Settings.h"

using tx::wiaui::PrefeedValues;
using tx::wiaui::STISettings;

namespace {

TEST(Seeding, AnExistingValueBecomesItsOwnDefault)
{
    ScopedStore store;
    store.Get().Write("Tarvex 380", "PrefeedDelayInMs", 2000);
    STISettings settings;
    settings.SeedDefaults();
    EXPECT_EQ(store.Value("PrefeedDelayInMs"), 2000);
    EXPECT_EQ(store.Value("PrefeedDelayInMsDef"), 2000);
    EXPECT_EQ(store.Value("PrefeedEnable"), 1);
    EXPECT_EQ(store.Value("PrefeedEnableDef"), 1);
    EXPECT_EQ(store.Value("PrefeedDistanceDef"), 13);
    EXPECT_EQ(settings.ReadPrefeedDefaults().delay, 2000) << "Default later restores 2000";
}

TEST(Seeding, NothingPresentGivesTheBuiltInValuesAndTwins)
{
    ScopedStore store;
    STISettings settings;
    settings.SeedDefaults();
    const char* names[] = {"PrefeedEnable", "PrefeedDelayInMs", "PrefeedDistance"};
    const int expected[] = {1, 1500, 13};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(store.Value(names[i]), expected[i]) << names[i];
        EXPECT_EQ(store.Value((std::string(names[i]) + "Def").c_str()), expected[i]) << names[i];
    }
}

TEST(Seeding, AnExistingTwinIsLeftAloneAndTextValuesCount)
{
    ScopedStore store;
    store.Get().Write("Tarvex 380", "PrefeedDistanceDef", 20);
    store.Get().Write("Tarvex 380", "PrefeedDistance", 30);
    store.Get().PutString("Tarvex 380", "PrefeedEnable", "0");
    STISettings settings;
    settings.SeedDefaults();
    EXPECT_EQ(store.Value("PrefeedDistanceDef"), 20);
    EXPECT_EQ(store.Value("PrefeedDistance"), 30);
    EXPECT_EQ(store.Value("PrefeedEnableDef"), 0) << "the text value \"0\" is the value found";
}

TEST(Seeding, WithoutTheScannerNothingIsWritten)
{
    ScopedStore store(false);
    STISettings settings;
    settings.SeedDefaults();
    EXPECT_EQ(store.Get().Writes(), 0);
    PrefeedValues v;
    v.delay = 77;
    EXPECT_FALSE(settings.ReadPrefeed(v));
    EXPECT_EQ(v.delay, 77) << "outputs unchanged without the device";
    EXPECT_FALSE(settings.WritePrefeed(v));
    const PrefeedValues d = settings.ReadPrefeedDefaults();
    EXPECT_TRUE(d.enable);
    EXPECT_EQ(d.delay, 1500);
    EXPECT_EQ(d.distance, 13);
    int32_t out = 5;
    EXPECT_FALSE(settings.ReadValue("PrefeedEnable", out)) << "no device open";
    EXPECT_EQ(out, 5);
}

TEST(Prefeed, ReadWritesWhatIsMissingAndWriteStoresAllThree)
{
    ScopedStore store;
    store.Get().Write("Tarvex 380", "PrefeedEnable", 0);
    STISettings settings;
    PrefeedValues v;
    EXPECT_TRUE(settings.ReadPrefeed(v));
    EXPECT_FALSE(v.enable);
    EXPECT_EQ(v.delay, 1500);
    EXPECT_EQ(v.distance, 13);
    EXPECT_EQ(store.Value("PrefeedDelayInMs"), 1500) << "the missing value was written";

    v = PrefeedValues{true, 900, 4};
    EXPECT_TRUE(settings.WritePrefeed(v));
    EXPECT_EQ(store.Value("PrefeedEnable"), 1);
    EXPECT_EQ(store.Value("PrefeedDelayInMs"), 900);
    EXPECT_EQ(store.Value("PrefeedDistance"), 4);
    EXPECT_EQ(store.Value("PrefeedDelayInMsDef"), -1) << "writing never touches the defaults";
}

}  // namespace
