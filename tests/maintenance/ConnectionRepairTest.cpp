// Repair of the scanner connection against the simulated scanner, with the
// USB search and the installer replaced by the test and the messages answered
// by a hook.
#include <gtest/gtest.h>

#include <cstring>

#include "MessageBoxRecorder.h"
#include "TempFolder.h"
#include "device/ConnectionRepair.h"
#include "device/DriverLink.h"
#include "session/DataSourceApp.h"
#include "SimulatedScanner.h"

namespace {

bool g_usbPresent = false;
bool g_installerStarts = false;
int g_installs = 0;
bool UsbPresent() { return g_usbPresent; }
bool Install() { ++g_installs; return g_installerStarts; }
void NoSleep(unsigned long) {}

class RepairTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The test keeps its own reference, so the simulator's state survives
        // the reload that a repair does.
        ASSERT_TRUE(m_sim.Loaded());
        ASSERT_EQ(LoadDriver(), kDriverBound);
        g_usbPresent = g_installerStarts = false;
        g_installs = 0;
        RepairHooks() = {&UsbPresent, &Install, &NoSleep};
    }
    void TearDown() override
    {
        if (TheScanner().IsBound()) TheScanner().SI_CloseInterface();
        FreeDriver();
        ResetRepairHooks();
    }
    void OpenResults(const char* codes) { ASSERT_TRUE(m_sim.Set("Device", "OpenResult", codes)); }
    int Open() { return TheScanner().OpenInterface("Tarvex380"); }

    SimulatedScanner m_sim;
};

TEST_F(RepairTest, DriverMissingWithoutTheUsbDeviceStaysAsItIs)
{
    OpenResults("11,0");
    MessageBoxRecorder boxes;
    const int first = Open();
    ASSERT_EQ(first, 11);
    EXPECT_EQ(RepairConnection(first), 11);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(g_installs, 0);
}

TEST_F(RepairTest, RefusedElevationStopsAfterTheFirstMessage)
{
    OpenResults("11,0");
    g_usbPresent = true;
    MessageBoxRecorder boxes;
    EXPECT_EQ(RepairConnection(Open()), 11);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_EQ(boxes.Boxes()[0].text.rfind("To use your scanner and application", 0), 0u);
    EXPECT_EQ(g_installs, 1);
}

// The library is really freed and loaded again: with no other reference to
// it, the reload starts a new copy of the simulator, which takes its open
// results from the scenario file (the old copy's script is gone with it).
TEST_F(RepairTest, InstallThenReconnectReopensTwiceWithFreshBindings)
{
    TempFolder folder;
    const std::string scenario = folder.File("reload.ini");
    WritePrivateProfileStringA("Device", "OpenResult", "22,0", scenario.c_str());
    SetEnvironmentVariableA("TARVX380_SIM", scenario.c_str());
    OpenResults("11");
    g_usbPresent = g_installerStarts = true;
    MessageBoxRecorder boxes;
    const int first = Open();
    ASSERT_EQ(first, 11);
    m_sim.Release(); // the source's reference is now the only one
    EXPECT_EQ(RepairConnection(first), 0);
    SetEnvironmentVariableA("TARVX380_SIM", nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[0].text.rfind("To use your scanner", 0), 0u);
    EXPECT_EQ(boxes.Boxes()[1].text.rfind("The driver has been successfully installed", 0), 0u);
    EXPECT_EQ(boxes.Boxes()[2].text.rfind("We have detected and resolved an issue", 0), 0u);
    ASSERT_TRUE(TheScanner().IsBound());
    HMODULE now = GetModuleHandleA("TARVX380.dll");
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(TheApp().m_hDriver, now);
    EXPECT_EQ(TheScanner().Module(), now);
    // The binding points into the library now loaded, not the one freed.
    EXPECT_EQ(reinterpret_cast<void*>(TheScanner().SI_OpenInterface), reinterpret_cast<void*>(GetProcAddress(now, "SI_OpenInterface")));
    EXPECT_EQ(reinterpret_cast<void*>(TheScanner().SI_ReadImageData), reinterpret_cast<void*>(GetProcAddress(now, "SI_ReadImageData")));
    // One reference: the one the source owns.
    TheScanner().SI_CloseInterface();
    FreeDriver();
    EXPECT_EQ(GetModuleHandleA("TARVX380.dll"), nullptr);
    m_sim.Reacquire();
}

// The package was installed, but the library cannot be loaded afterwards:
// the repair fails, and no binding into the freed library is left.
TEST_F(RepairTest, ReloadThatFailsLeavesNothingBound)
{
    OpenResults("11,0");
    g_usbPresent = g_installerStarts = true;
    MessageBoxRecorder boxes;
    const int first = Open();
    SetDriverFileForTests("TX_NO_SUCH_DRIVER.dll");
    EXPECT_EQ(RepairConnection(first), tx::OPEN_OTHER_FAILURE);
    SetDriverFileForTests(nullptr);
    EXPECT_EQ(boxes.Boxes().size(), 2u) << "the install messages, no reconnect";
    EXPECT_FALSE(TheScanner().IsBound());
    EXPECT_EQ(TheScanner().SI_OpenInterface, nullptr);
    EXPECT_EQ(TheApp().m_hDriver, nullptr);
}

TEST_F(RepairTest, ReconnectFaultAloneShowsOneMessage)
{
    OpenResults("22,0");
    MessageBoxRecorder boxes;
    EXPECT_EQ(RepairConnection(Open()), 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "We have detected and resolved an issue with your scanner connection. \n\nPlease unplug the scanner, "
              "wait a few seconds, then reconnect it. \n\nAfter reconnecting, click OK to continue.");
}

TEST_F(RepairTest, OtherCodesAreLeftAlone)
{
    MessageBoxRecorder boxes;
    EXPECT_EQ(RepairConnection(10), 10);
    EXPECT_EQ(RepairConnection(2048), 2048);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(UsbDeviceId, MatchesTheScannersDeviceInAnyCase)
{
    EXPECT_TRUE(IsKnownUsbDeviceId("USB\\VID_05E3&PID_0102\\5&1A2B"));
    EXPECT_TRUE(IsKnownUsbDeviceId("usb\\vid_05e3&pid_0102\\x"));
    EXPECT_FALSE(IsKnownUsbDeviceId("USB\\VID_05E3&PID_0103\\x"));
    EXPECT_FALSE(IsKnownUsbDeviceId("VID_05E3"));
    EXPECT_FALSE(IsKnownUsbDeviceId(""));
    EXPECT_FALSE(IsKnownUsbDeviceId(nullptr));
}

// The WMI walk really sees the system's devices (the root of the device tree
// is always there), and finds no such scanner on this machine.
int g_idsSeen = 0;
bool CountAndRefuse(const char* id) { ++g_idsSeen; return id == nullptr; }

TEST(UsbDeviceQuery, WalksTheSystemsDevices)
{
    g_idsSeen = 0;
    EXPECT_FALSE(AnyPnpDeviceMatches(&CountAndRefuse));
    EXPECT_GT(g_idsSeen, 0) << "WMI listed no device at all";
    EXPECT_FALSE(AnyPnpDeviceMatches(nullptr));
    EXPECT_FALSE(IsKnownUsbDevicePresent());
}

TEST(InstallerCommand, NativeProgramFilesAndQuotedParameter)
{
    InstallerCommand c;
    ASSERT_TRUE(MakeInstallerCommand("C:\\Program Files (x86)", "C:\\Windows\\system32", &c));
    EXPECT_STREQ(c.program, "C:\\Windows\\system32\\InfDefaultInstall.exe");
    EXPECT_STREQ(c.parameters, "\"C:\\Program Files\"");
    ASSERT_TRUE(MakeInstallerCommand("D:\\Apps", "C:\\Windows\\system32", &c));
    EXPECT_STREQ(c.parameters, "\"D:\\Apps\"");
    EXPECT_FALSE(MakeInstallerCommand(nullptr, "C:\\Windows", &c));
}

} // namespace
