// Identity, opening and closing, as applications and managers do it.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "HandleCount.h"
#include "MessageBoxRecorder.h"
#include "SourceHarness.h"
#include "TempFolder.h"
#include "caps/CapValues.h"
#include "device/DriverLink.h"
#include "session/DataSourceApp.h"
#include "session/IdentitySignature.h"
#include "session/Router.h"
#include "session/SourceIdentity.h"
#include "SimulatedScanner.h"

namespace {

std::string BinFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

// Runs the probe from a folder of its own; gives what it printed.
std::string RunProbe(const TempFolder& folder, const std::string& args)
{
    const std::string bin = BinFolder();
    CopyFileA((bin + "identity_probe.exe").c_str(), folder.File("identity_probe.exe").c_str(), FALSE);
    CopyFileA((bin + "TARVX380.ds").c_str(), folder.File("TARVX380.ds").c_str(), FALSE);
    const std::string out = folder.File("out.txt");
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE file = CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = file;
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + folder.File("identity_probe.exe") + "\" \"" + folder.File("TARVX380.ds") + "\" " + args;
    // Run from the folder, so the current directory holds no driver either.
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, folder.Path().c_str(), &si, &pi)) {
        CloseHandle(file);
        return "not started";
    }
    WaitForSingleObject(pi.hProcess, 60000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(file);
    std::string text = ReadTextFile(out);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

TEST(SectionName, LettersOfTheProductNameInUpperCase)
{
    struct { const char* product; const char* section; } cases[] = {
        {"My App 2", "MYAPP"},
        {"X1", "UNTITLED"},
        {"", "UNTITLED"},
        {"ab-9", "UNTITLED"},
        {"abc", "ABC"},
        {"Abcdefghijklmnopqrst", "ABCDEFGHIJKLMNO"},
        {"Scan-O-Matic 3000 Pro", "SCANOMATICPRO"},
    };
    for (const auto& c : cases) {
        TW_IDENTITY app{};
        std::strncpy(app.ProductName, c.product, sizeof app.ProductName - 1);
        char section[16];
        MakeSectionName(app, section);
        EXPECT_STREQ(section, c.section) << c.product;
    }
    TW_IDENTITY full;
    std::memset(full.ProductName, 'q', sizeof full.ProductName); // no terminating zero at all
    char section[16];
    MakeSectionName(full, section);
    EXPECT_STREQ(section, "QQQQQQQQQQQQQQQ");
}

TEST(SourceIdentityRecord, FieldsAndSignature)
{
    TW_IDENTITY id;
    std::memset(&id, 0x77, sizeof id);
    WriteSourceIdentity(&id);
    EXPECT_EQ(id.Id, 0u);
    EXPECT_EQ(id.Version.MajorNum, 3);
    EXPECT_EQ(id.Version.MinorNum, 5);
    EXPECT_EQ(id.Version.Language, TWLG_ENGLISH_USA);
    EXPECT_EQ(id.Version.Country, TWCY_USA);
    EXPECT_STREQ(id.Version.Info, "3.5.0.0");
    EXPECT_EQ(static_cast<unsigned char>(id.Version.Info[8]), 0x77) << "bytes 8 to 17 are not written";
    EXPECT_EQ(std::memcmp(id.Version.Info + 18, kIdentitySignature, 16), 0);
    EXPECT_EQ(id.ProtocolMajor, 2);
    EXPECT_EQ(id.ProtocolMinor, 5);
    EXPECT_EQ(id.SupportedGroups, 0x40000003u);
    EXPECT_STREQ(id.Manufacturer, "VSK");
    EXPECT_STREQ(id.ProductFamily, "Tarvex");
    EXPECT_STREQ(id.ProductName, "Tarvex 380");
}

TEST(IdentityGet, HiddenUntilTheDriverLibraryIsOnTheSearchPath)
{
    TempFolder folder;
    const std::string out = RunProbe(folder, "get \"" + BinFolder() + "TARVX380.dll\"");
    EXPECT_EQ(out, "get 1 1 zero\nget 0 0 filled\n");
}

TEST(IdentityGet, DriverMissingFailsTheOpenWithItsMessage)
{
    TempFolder folder;
    const std::string out = RunProbe(folder, "open");
    EXPECT_EQ(out.rfind("open 1 5\n", 0), 0u) << out;
    EXPECT_NE(out.find("box: Tarvex 380|The scanner driver could not be loaded."), std::string::npos) << out;
}

class OpenCloseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Loaded());
        ASSERT_TRUE(h.Load());
    }
    void TearDown() override
    {
        h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        h.Unload();
    }
    TW_UINT16 Open(SourceHarness& harness)
    {
        TW_IDENTITY ds{};
        TW_IDENTITY get{};
        harness.Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &get);
        ds = get;
        ds.Id = 42;
        return harness.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds);
    }
    ScanSettings CurrentSettings()
    {
        TW_CUSTOMDSDATA custom{};
        ScanSettings s{};
        if (h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom) == TWRC_SUCCESS && custom.hData) {
            std::memcpy(&s, static_cast<uint8_t*>(GlobalLock(custom.hData)) + 12, sizeof s);
            GlobalUnlock(custom.hData);
            GlobalFree(custom.hData);
        }
        return s;
    }
    std::string ProfilePath()
    {
        char folder[MAX_PATH];
        SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
        return std::string(folder) + "\\Mirevo\\TARVX380.INI";
    }

    SourceHarness h{"My App 2"};
    SimulatedScanner m_sim;
};

TEST_F(OpenCloseTest, OpenLoadsTheSettingsOfTheApplicationsOwnSection)
{
    const std::string profile = ProfilePath();
    WritePrivateProfileStringA("MYAPP", nullptr, nullptr, profile.c_str());
    WritePrivateProfileStringA("MYAPP", "ScanMode", "1", profile.c_str());
    WritePrivateProfileStringA("MYAPP", "DPI", "250", profile.c_str());
    WritePrivateProfileStringA("MYAPP", "Gamma", "45", profile.c_str());
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, Open(h));
    const ScanSettings s = CurrentSettings();
    EXPECT_EQ(s.ScanMode, kModeGray);
    EXPECT_EQ(s.DPI, 200) << "snapped to the device's list, read at open";
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.FileFormat, TWFF_BMP);
    WritePrivateProfileStringA("MYAPP", nullptr, nullptr, profile.c_str());
}

TEST_F(OpenCloseTest, SecondOpenIsRefusedAndTheFirstSessionStays)
{
    ASSERT_EQ(Open(h), TWRC_SUCCESS);
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_SEQERROR, Open(h));
    TW_CUSTOMDSDATA custom{};
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom));
    EXPECT_EQ(custom.InfoLength, 80u);
    GlobalFree(custom.hData);
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr));
    EXPECT_TWAIN(h, TWRC_FAILURE, TWCC_SEQERROR, h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom));
}

TEST_F(OpenCloseTest, OpensWithTheScannerUnplugged)
{
    ASSERT_TRUE(m_sim.Set("Device", "OpenResult", "10"));
    MessageBoxRecorder boxes;
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, Open(h));
    EXPECT_TRUE(boxes.Boxes().empty());
    TW_CUSTOMDSDATA custom{};
    EXPECT_EQ(h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom), TWRC_SUCCESS);
    GlobalFree(custom.hData);
}

TEST_F(OpenCloseTest, ConnectionFaultsAtOpen)
{
    // 11 with no such USB device on this machine: nothing shown, still open.
    ASSERT_TRUE(m_sim.Set("Device", "OpenResult", "11,0"));
    {
        MessageBoxRecorder boxes;
        EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, Open(h));
        EXPECT_TRUE(boxes.Boxes().empty());
    }
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    // 22: the reconnect message, then the interface is opened again.
    ASSERT_TRUE(m_sim.Set("Device", "OpenResult", "22,0"));
    MessageBoxRecorder boxes;
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, Open(h));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text.rfind("We have detected and resolved an issue", 0), 0u);
}

TEST_F(OpenCloseTest, AsARealManagerOpensIt)
{
    // Load, identify with the application as origin, unload; load again,
    // identify, hand over entry points, open.
    TW_IDENTITY id{};
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &id), TWRC_SUCCESS);
    EXPECT_EQ(id.SupportedGroups, 0x40000003u);
    h.Unload();
    ASSERT_TRUE(h.Load());
    TW_IDENTITY again{};
    ASSERT_EQ(h.CallWithOrigin(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GET, &again), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&id, &again, sizeof id), 0);
    EXPECT_EQ(h.GiveEntryPoints(), TWRC_SUCCESS);
    again.Id = 7;
    EXPECT_TWAIN(h, TWRC_SUCCESS, TWCC_SUCCESS, h.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &again));
    TW_CUSTOMDSDATA custom{};
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &custom), TWRC_SUCCESS);
    EXPECT_TRUE(SourceHarness::MadeByManager(custom.hData));
    GlobalFree(custom.hData);
}

TEST_F(OpenCloseTest, FiftyCyclesLeaveNothingBehind)
{
    ASSERT_EQ(Open(h), TWRC_SUCCESS);
    ASSERT_EQ(h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    const long handlesBefore = CountProcessHandles();
    ASSERT_GT(handlesBefore, 0);
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(Open(h), TWRC_SUCCESS) << "cycle " << i;
        ASSERT_EQ(h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    }
    EXPECT_LE(CountProcessHandles(), handlesBefore + 2);
    // The source holds no reference to the driver library after close: ours
    // is the only one left, so freeing it unloads the library.
    m_sim.Release();
    EXPECT_EQ(GetModuleHandleA("TARVX380.dll"), nullptr);
    m_sim.Reacquire();
}

// The profile installed for a session is put back at close (core level, where
// the application object can be seen).
TEST(OpenCloseCore, ProfileInForceBeforeTheSessionIsRestored)
{
    const std::string before = TheApp().ProfileName();
    TW_IDENTITY app{};
    std::strcpy(app.ProductName, "Core App");
    TW_IDENTITY ds{};
    ASSERT_EQ(Dispatch(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    EXPECT_NE(std::string(TheApp().ProfileName()), before);
    EXPECT_NE(std::string(TheApp().ProfileName()).find("\\Mirevo\\TARVX380.INI"), std::string::npos);
    EXPECT_STREQ(TheApp().m_sectionName, "COREAPP");
    ASSERT_EQ(Dispatch(&app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    EXPECT_EQ(std::string(TheApp().ProfileName()), before);
    EXPECT_EQ(TheApp().m_twainState, kStateLoaded);
    EXPECT_EQ(TheApp().m_hDriver, nullptr);
}

// A driver library without one of the functions the source needs: the open
// fails with TWCC_BUMMER and nothing of it stays loaded or bound.
TEST(OpenCloseCore, DriverLackingAFunctionFailsTheOpenAndIsFreed)
{
    const std::string before = TheApp().ProfileName();
    SetDriverFileForTests("tx_partial_driver.dll");
    TW_IDENTITY app{};
    std::strcpy(app.ProductName, "Core App");
    TW_IDENTITY ds{};
    EXPECT_EQ(Dispatch(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_FAILURE);
    SetDriverFileForTests(nullptr);
    EXPECT_EQ(TheApp().m_status.ConditionCode, TWCC_BUMMER);
    EXPECT_EQ(TheApp().m_twainState, kStateLoaded);
    EXPECT_EQ(TheApp().m_hDriver, nullptr);
    EXPECT_FALSE(TheScanner().IsBound());
    EXPECT_EQ(GetModuleHandleA("tx_partial_driver.dll"), nullptr);
    EXPECT_EQ(std::string(TheApp().ProfileName()), before);
}

// Opening starts the negotiated values afresh for each application: what a
// previous session set is reset, what lasts for the process is kept, and the
// application's own settings then override pixel type and resolution.
TEST(OpenCloseCore, NegotiatedValuesAreResetAtOpen)
{
    SimulatedScanner sim;
    ASSERT_TRUE(sim.Loaded());
    CapValues& caps = TheCapValues();
    caps.transferCount = 1;
    caps.transferMechanism = TWSX_MEMORY;
    caps.indicators = 0;
    caps.pixelFlavor = TWPF_VANILLA;
    caps.pixelTypeAllowed[0] = caps.pixelTypeAllowed[2] = false;
    caps.feederEnabled = 1;
    caps.autoFeed = 0;
    caps.eopSensitivity = 40;
    caps.undefinedImageSize = 1;
    TW_IDENTITY app{};
    std::strcpy(app.ProductName, "Reset App");
    const std::string profile = TheApp().ProfileName();
    TW_IDENTITY ds{};
    ASSERT_EQ(Dispatch(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    EXPECT_EQ(caps.transferCount, -1);
    EXPECT_EQ(caps.transferMechanism, TWSX_NATIVE);
    EXPECT_EQ(caps.indicators, 1);
    EXPECT_EQ(caps.pixelFlavor, TWPF_CHOCOLATE);
    EXPECT_TRUE(caps.pixelTypeAllowed[0] && caps.pixelTypeAllowed[1] && caps.pixelTypeAllowed[2]);
    EXPECT_EQ(caps.feederEnabled, 1) << "kept for the process";
    EXPECT_EQ(caps.autoFeed, 0) << "kept for the process";
    EXPECT_EQ(caps.eopSensitivity, 40) << "kept for the process";
    EXPECT_EQ(caps.undefinedImageSize, 1) << "kept for the process";
    ASSERT_EQ(Dispatch(&app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    caps = CapValues{};
}

} // namespace
