// Faults, maintenance, the lamp, the prefeed and scenario files, through the
// SI_ interface and the SIM_ controls.
#include <windows.h>

#include <fstream>
#include <vector>

#include "SimFixture.h"

namespace {

std::vector<int> g_percents;
int g_cancelAt = -1;

int SI_CALL Progress(int percent)
{
    g_percents.push_back(percent);
    return percent == g_cancelAt ? 0 : 1;
}

void ResetProgress(int cancelAt)
{
    g_percents.clear();
    g_cancelAt = cancelAt;
}

}  // namespace

TEST_F(SimTest, OpenResultsComeAsTheScenarioSays)
{
    lib.SI_CloseInterface();
    Set("Device", "OpenResult", "11,22,0");
    EXPECT_EQ(lib.SI_OpenInterface("Tarvex380"), 11);
    int status = 0;
    EXPECT_NE(lib.SI_GetScannerStatus(&status), 0);  // still closed
    EXPECT_EQ(lib.OpenInterface(), 22);
    EXPECT_EQ(lib.OpenInterface(), 0);
    EXPECT_EQ(lib.OpenInterface(), 0);  // the last code repeats
    lib.SI_CloseInterface();
    for (auto c : {std::make_pair("14", 10), std::make_pair("256", 1), std::make_pair("7", 2048)}) {
        Set("Device", "OpenResult", c.first);
        EXPECT_EQ(lib.OpenInterface(), c.second) << c.first;
    }
    Set("Device", "OpenResult", "0");
    EXPECT_EQ(lib.SI_OpenInterface("SomeOtherScanner"), 1);
    EXPECT_EQ(lib.OpenInterface(), 0);
}

TEST_F(SimTest, NoDataForSomeReadsThenRows)
{
    Set("Faults", "NoDataReads", "5");
    SetFrame(1, 150, 0, 0, 432, 100);
    ASSERT_EQ(lib.SI_StartScan(), 0);
    std::vector<uint8_t> buffer(648 * 10);
    for (int i = 0; i < 5; ++i) {
        int delivered = -1;
        EXPECT_EQ(lib.SI_ReadImageData(buffer.data(), 10, 0, &delivered), 0);
        EXPECT_EQ(delivered, 0);
    }
    int delivered = 0;
    EXPECT_EQ(lib.SI_ReadImageData(buffer.data(), 10, 0, &delivered), 0);
    EXPECT_EQ(delivered, 10);
    EXPECT_EQ(lib.SI_EndScan(), 0);

    Set("Faults", "NoDataReads", "-1");
    ASSERT_EQ(lib.SI_StartScan(), 0);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(lib.SI_ReadImageData(buffer.data(), 10, 0, &delivered), 0);
        ASSERT_EQ(delivered, 0);
    }
    EXPECT_EQ(lib.SI_EndScan(), 0);
}

TEST_F(SimTest, ReadErrorAfterRows)
{
    Set("Faults", "ReadErrorAfterRows", "100");
    SetFrame(2, 300);
    ScanResult r = Scan(64);
    EXPECT_EQ(r.rows, 100);
    EXPECT_EQ(r.lastCode, 0xA06);
    EXPECT_EQ(lib.SI_GetLastError(), 0xA06);
    char text[256] = {};
    EXPECT_EQ(lib.SI_GetLastErrorText(text), 0);
    EXPECT_GT(strlen(text), 5u);
    Set("Faults", "ReadErrorCode", "0x1234");
    r = Scan(64);
    EXPECT_EQ(r.lastCode, 0x1234);
}

TEST_F(SimTest, BadCallsGetCodesNotCrashes)
{
    int delivered = -1;
    uint8_t row[16];
    EXPECT_NE(lib.SI_ReadImageData(row, 1, 0, &delivered), 0);  // no scan
    EXPECT_EQ(delivered, 0);
    EXPECT_NE(lib.SI_ReadImageData(row, 1, 0, nullptr), 0);
    EXPECT_NE(lib.SI_GetScannerStatus(nullptr), 0);
    EXPECT_NE(lib.SI_GetProperty(nullptr), 0);
    EXPECT_NE(lib.SI_OpenInterface(nullptr), 0);
    EXPECT_NE(lib.SI_EndScan(), 0);
    ASSERT_EQ(lib.SI_StartScan(), 0);
    EXPECT_NE(lib.SI_StartScan(), 0);                      // already running
    EXPECT_NE(lib.SI_ReadImageData(row, 1, 1, &delivered), 0);  // no back side
    EXPECT_NE(lib.SI_ReadImageData(nullptr, 1, 0, &delivered), 0);
    EXPECT_NE(SetSingle(8, 1), 0);                         // settings locked while scanning
    EXPECT_EQ(lib.SI_EndScan(), 0);
    EXPECT_NE(sim.SetValue("Device", "NoSuchKey", "1"), 0);
    EXPECT_NE(sim.SetValue("Faults", "NoDataReads", "many"), 0);
    EXPECT_EQ(sim.Value("Faults", "NoDataReads"), "0");
}

TEST_F(SimTest, ScannerAndPaperStatusFaults)
{
    int status = 0;
    EXPECT_EQ(lib.SI_GetScannerStatus(&status), 0);
    EXPECT_EQ(status, 1);
    Set("Faults", "ScannerStatus", "3");
    EXPECT_EQ(lib.SI_GetScannerStatus(&status), 0);
    EXPECT_EQ(status, 3);
    EXPECT_NE(lib.SI_StartScan(), 0);
    Set("Faults", "ScannerStatus", "0");
    Set("Faults", "ScannerStatusResult", "0x300");
    EXPECT_EQ(lib.SI_GetScannerStatus(&status), 0x300);
    Set("Faults", "ScannerStatusResult", "0");

    EXPECT_EQ(lib.SI_GetPaperStatus(&status), 0);
    EXPECT_EQ(status, 1);
    Set("Faults", "PaperStatusResult", "0xA09");
    EXPECT_EQ(lib.SI_GetPaperStatus(&status), 0xA09);
    Set("Faults", "PaperStatusResult", "0");
    Set("Feeder", "Pages", "");
    EXPECT_EQ(lib.SI_GetPaperStatus(&status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_NE(lib.SI_StartScan(), 0);
}

TEST_F(SimTest, BusyForAWhileAfterAScan)
{
    Set("Device", "BusyAfterScanMs", "400");
    SetFrame(0, 150, 0, 0, 432, 50);
    Scan(100);
    int status = 0;
    ASSERT_EQ(lib.SI_GetScannerStatus(&status), 0);
    EXPECT_EQ(status, 2);
    EXPECT_NE(lib.SI_StartScan(), 0);
    Sleep(550);
    ASSERT_EQ(lib.SI_GetScannerStatus(&status), 0);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lib.SI_StartScan(), 0);
    EXPECT_EQ(lib.SI_EndScan(), 0);
}

TEST_F(SimTest, CalibrationReportsProgressAndStopsWhenCancelled)
{
    Set("Device", "Calibrated", "0");
    int calibrated = -1;
    ASSERT_EQ(lib.SI_IsCalibrated(&calibrated), 0);
    EXPECT_EQ(calibrated, 0);

    ResetProgress(30);
    EXPECT_EQ(lib.SI_Calibrate(0, Progress), SI_CANCELLED);
    EXPECT_EQ(g_percents, (std::vector<int>{0, 10, 20, 30}));
    ASSERT_EQ(lib.SI_IsCalibrated(&calibrated), 0);
    EXPECT_EQ(calibrated, 0);
    EXPECT_EQ(sim.Status("SheetsOut"), 0);  // the sheet did not go through

    ResetProgress(-1);
    EXPECT_EQ(lib.SI_Calibrate(0, Progress), 0);
    EXPECT_EQ(g_percents.size(), 11u);
    EXPECT_EQ(g_percents.back(), 100);
    ASSERT_EQ(lib.SI_IsCalibrated(&calibrated), 0);
    EXPECT_EQ(calibrated, 1);
    EXPECT_EQ(sim.Status("SheetsOut"), 1);

    Set("Device", "Calibrated", "0");
    Set("Calibration", "Result", "0x840");
    EXPECT_EQ(lib.SI_Calibrate(0, nullptr), SI_WHITE_ONLY_CALIBRATION);
    ASSERT_EQ(lib.SI_IsCalibrated(&calibrated), 0);
    EXPECT_EQ(calibrated, 1);
    Set("Device", "Calibrated", "0");
    Set("Calibration", "Result", "18");
    EXPECT_EQ(lib.SI_Calibrate(0, nullptr), 18);
    Set("Calibration", "Result", "0xA0A");
    EXPECT_EQ(lib.SI_Calibrate(0, nullptr), 0xA0A);
    ASSERT_EQ(lib.SI_IsCalibrated(&calibrated), 0);
    EXPECT_EQ(calibrated, 0);
    EXPECT_NE(lib.SI_Calibrate(1, nullptr), 0);  // only mode 0 exists
}

TEST_F(SimTest, CleaningReportsProgressAndStopsWhenCancelled)
{
    ResetProgress(0);
    EXPECT_EQ(lib.SI_Clean(Progress), SI_CANCELLED);
    EXPECT_EQ(g_percents, std::vector<int>{0});
    EXPECT_EQ(sim.Status("Cleanings"), 0);
    ResetProgress(-1);
    Set("Cleaning", "DurationMs", "200");
    DWORD start = GetTickCount();
    EXPECT_EQ(lib.SI_Clean(Progress), 0);
    EXPECT_GE(GetTickCount() - start, 150u);
    EXPECT_EQ(g_percents.size(), 11u);
    EXPECT_EQ(sim.Status("Cleanings"), 1);
    Set("Feeder", "Pages", "");
    EXPECT_NE(lib.SI_Clean(nullptr), 0);  // no cleaning sheet
}

TEST_F(SimTest, LampStaysOnForItsOnTime)
{
    SIProperty t = Get(46);
    EXPECT_EQ(Get(45).slot[0].i, 0);
    t.slot[4].i = 300;
    ASSERT_EQ(lib.SI_SetProperty(&t), 0);
    ASSERT_EQ(SetSingle(45, 1), 0);
    EXPECT_NE(Get(45).slot[0].i, 0);
    Sleep(150);
    EXPECT_NE(Get(45).slot[0].i, 0);
    Sleep(300);
    EXPECT_EQ(Get(45).slot[0].i, 0);
    t.slot[4].i = t.slot[1].i + 1;
    EXPECT_NE(lib.SI_SetProperty(&t), 0);

    Set("Device", "UvLamp", "0");
    Get(45, SI_NOT_SUPPORTED);
    EXPECT_EQ(SetSingle(45, 1), SI_NOT_SUPPORTED);
}

TEST_F(SimTest, PrefeedPullsTheSheetInByTheTopOffset)
{
    // The data source's prefeed: feed resolution = optical, top = 1/8 inch, hold.
    const int v = Get(2).slot[0].i;
    ASSERT_EQ(v, 600);
    SIProperty feedRes = Get(5);
    const int savedRes = feedRes.slot[1].i;
    feedRes.slot[1].i = v;
    ASSERT_EQ(lib.SI_SetProperty(&feedRes), 0);
    const int savedTop = Get(12).slot[4].i;
    ASSERT_EQ(SetSingle(12, v / 8), 0);
    const int savedThrough = Get(23).slot[1].i;
    ASSERT_EQ(SetSingle(23, 0), 0);
    ASSERT_EQ(lib.SI_Feed(), 0);
    EXPECT_EQ(sim.Status("Held"), 1);
    EXPECT_EQ(sim.Status("HeldHundredths"), 12);
    EXPECT_EQ(sim.Status("SheetsOut"), 0);
    ASSERT_EQ(SetSingle(5, savedRes), 0);
    ASSERT_EQ(SetSingle(12, savedTop), 0);
    ASSERT_EQ(SetSingle(23, savedThrough), 0);
    EXPECT_EQ(Get(5).slot[1].i, savedRes);
    EXPECT_EQ(Get(23).slot[1].i, 1);

    ASSERT_EQ(lib.SI_Feed(), 0);  // feed-through: the sheet passes out
    EXPECT_EQ(sim.Status("SheetsOut"), 1);
}

TEST_F(SimTest, ScenarioFileRoundTrip)
{
    const std::string folder = TempFolder();
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string bin(self);
    bin = bin.substr(0, bin.find_last_of('\\'));
    ASSERT_TRUE(CopyFileA((bin + "\\samples\\04-short-sheet.png").c_str(),
                          (folder + "\\receipt.png").c_str(), FALSE));
    const std::string first = folder + "\\first.ini";
    {
        std::ofstream out(first);
        out << "; a receipt scanned once\n[Device]\nResolutions=100, 300\nSerial=RT-0042\n"
               "OpenResult=0\nCalibrated=0\n\n[Feeder]\nPages=receipt.png\nLoop=0\n"
               "[Faults]\nNoDataReads=2\n";
    }
    ASSERT_EQ(sim.LoadScenario(first.c_str()), 0);
    EXPECT_EQ(sim.Value("Device", "Serial"), "RT-0042");
    EXPECT_EQ(sim.Value("Device", "Resolutions"), "100,300");
    EXPECT_EQ(sim.Value("Feeder", "Loop"), "0");
    int calibrated = 1;
    ASSERT_EQ(lib.SI_IsCalibrated(&calibrated), 0);
    EXPECT_EQ(calibrated, 0);
    EXPECT_EQ(Get(4).slot[0].i, 2);

    SetFrame(1, 100);
    ScanResult a = Scan(40);
    EXPECT_EQ(a.rows, 250);
    int paper = 1;
    ASSERT_EQ(lib.SI_GetPaperStatus(&paper), 0);
    EXPECT_EQ(paper, 0);  // one sheet, no loop

    const std::string second = folder + "\\second.ini";
    ASSERT_EQ(sim.SaveScenario(second.c_str()), 0);
    ASSERT_EQ(sim.Reset(), 0);
    EXPECT_NE(sim.Value("Device", "Serial"), "RT-0042");
    ASSERT_EQ(sim.LoadScenario(second.c_str()), 0);
    EXPECT_EQ(sim.Value("Device", "Serial"), "RT-0042");
    EXPECT_EQ(sim.Value("Faults", "NoDataReads"), "2");
    SetFrame(1, 100);
    ScanResult b = Scan(40);
    EXPECT_EQ(Fingerprint(a.data), Fingerprint(b.data));

    const std::string bad = folder + "\\bad.ini";
    std::ofstream(bad) << "[Device]\nSerail=oops\n";
    EXPECT_NE(sim.LoadScenario(bad.c_str()), 0);
    char message[512] = {};
    EXPECT_EQ(sim.GetMessage(message, sizeof(message)), 0);
    EXPECT_NE(std::string(message).find("Serail"), std::string::npos) << message;
    EXPECT_EQ(sim.Value("Device", "Serial"), "RT-0042");  // unchanged
    EXPECT_NE(sim.LoadScenario((folder + "\\missing.ini").c_str()), 0);

    // The environment variable configures a freshly loaded library.
    lib.SI_CloseInterface();
    ASSERT_TRUE(SetEnvironmentVariableA("TARVX380_SIM", second.c_str()));
    ASSERT_TRUE(lib.Load());
    ASSERT_TRUE(sim.Bind(lib.Module()));
    EXPECT_EQ(sim.Value("Device", "Serial"), "RT-0042");
    SetEnvironmentVariableA("TARVX380_SIM", nullptr);
    ASSERT_TRUE(lib.Load());
    ASSERT_TRUE(sim.Bind(lib.Module()));
    EXPECT_NE(sim.Value("Device", "Serial"), "RT-0042");
    ASSERT_EQ(lib.OpenInterface(), 0);
}
