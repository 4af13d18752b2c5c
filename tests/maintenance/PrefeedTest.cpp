// The prefeed and its guard against the simulated scanner, with the device
// values held in memory.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/sti/MemoryDeviceStore.h"
#include "device/DeviceProperty.h"
#include "device/DriverLink.h"
#include "device/Prefeed.h"
#include "SimulatedScanner.h"

namespace {

unsigned long g_slept = 0;
void RecordSleep(unsigned long ms) { g_slept += ms; }

class PrefeedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Loaded());
        ASSERT_TRUE(TheScanner().Bind(m_sim.Module()));
        ASSERT_EQ(TheScanner().OpenInterface("Tarvex380"), 0);
        m_store.AddDevice("TARVEX 380"); // the service compares without regard to case
        tx::SetDeviceValueStore(&m_store);
        SetPrefeedSleep(&RecordSleep);
        g_slept = 0;
    }
    void TearDown() override
    {
        SetPrefeedSleep(nullptr);
        tx::SetDeviceValueStore(nullptr);
        TheScanner().SI_CloseInterface();
        TheScanner().Unload();
    }
    int Status(const char* name) { return m_sim.Status(name); }
    int32_t Current(uint16_t id)
    {
        SIProperty p;
        ReadDeviceProperty(id, p);
        return CurrentValue(p);
    }

    SimulatedScanner m_sim;
    tx::MemoryDeviceStore m_store;
};

TEST_F(PrefeedTest, PullsTheDocumentInByAnEighthOfTheOpticalResolutionAndRestores)
{
    ASSERT_TRUE(m_sim.Set("Device", "OpticalDpi", "600"));
    const int32_t topBefore = Current(12);
    EXPECT_TRUE(PrefeedDocument());
    EXPECT_EQ(g_slept, 1500u);
    // 75 pixels at 600 dpi: an eighth of an inch.
    EXPECT_EQ(Status("HeldHundredths"), 12);
    EXPECT_EQ(Status("Held"), 1);
    EXPECT_EQ(Current(12), topBefore);
}

TEST_F(PrefeedTest, GuardFollowsTheSharedDeviceValue)
{
    // Missing: the extension's default, on.
    EXPECT_TRUE(PrefeedAllowed());
    EXPECT_FALSE(ReadPrefeedEnable());
    ASSERT_TRUE(WritePrefeedEnable(false));
    EXPECT_FALSE(PrefeedAllowed());
    EXPECT_FALSE(PrefeedDocument());
    EXPECT_EQ(Status("Held"), 0);
    EXPECT_EQ(g_slept, 0u);
    ASSERT_TRUE(WritePrefeedEnable(true));
    EXPECT_TRUE(ReadPrefeedEnable());
    EXPECT_TRUE(PrefeedAllowed());
    m_store.PutString("Tarvex 380", "PrefeedEnable", "0");
    EXPECT_FALSE(ReadPrefeedEnable()) << "a text value is read as a number";
    EXPECT_FALSE(PrefeedAllowed());
}

TEST_F(PrefeedTest, UnknownDeviceOrNoNameStillAllowsThePrefeed)
{
    ASSERT_TRUE(m_sim.Set("Device", "Name", "Other Scanner"));
    EXPECT_FALSE(ReadPrefeedEnable());
    EXPECT_FALSE(WritePrefeedEnable(true));
    EXPECT_TRUE(PrefeedAllowed());
    ASSERT_TRUE(m_sim.Set("Device", "Name", ""));
    EXPECT_EQ(ReadDeviceName(), "");
    EXPECT_FALSE(ReadPrefeedEnable());
    EXPECT_TRUE(PrefeedAllowed());
}

TEST(StillImageService, UnavailableServiceReadsAndWritesNothing)
{
    // Wine's service lists no devices: both calls fail quietly.
    int32_t v = 0;
    EXPECT_FALSE(tx::TheDeviceValueStore().Read("Tarvex 380", "PrefeedEnable", &v));
    EXPECT_FALSE(tx::TheDeviceValueStore().Write("Tarvex 380", "PrefeedEnable", 1));
    EXPECT_FALSE(tx::TheDeviceValueStore().Read("", "PrefeedEnable", &v));
}

} // namespace
