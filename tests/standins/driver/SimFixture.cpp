#include "SimFixture.h"

#include <windows.h>

#include <algorithm>

template <typename Fn>
static bool Find(HMODULE module, const char* name, Fn& out)
{
    out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return out != nullptr;
}

bool SimControl::Bind(HMODULE m)
{
    return Find(m, "SIM_Reset", Reset) && Find(m, "SIM_LoadScenario", LoadScenario) &&
           Find(m, "SIM_SaveScenario", SaveScenario) && Find(m, "SIM_SetValue", SetValue) &&
           Find(m, "SIM_GetValue", GetValue) && Find(m, "SIM_GetStatus", GetStatus) &&
           Find(m, "SIM_GetMessage", GetMessage);
}

int SimControl::Status(const char* name)
{
    int value = -12345;
    EXPECT_EQ(GetStatus(name, &value), 0) << name;
    return value;
}

std::string SimControl::Value(const char* section, const char* key)
{
    char text[1024] = {};
    EXPECT_EQ(GetValue(section, key, text, sizeof(text)), 0) << section << "/" << key;
    return text;
}

void SimTest::SetUp()
{
    ASSERT_TRUE(lib.Load());
    ASSERT_TRUE(sim.Bind(lib.Module()));
    ASSERT_EQ(sim.Reset(), 0);
    Set("Device", "BusyAfterScanMs", "0");
    Set("Device", "BusyAfterCalibrateMs", "0");
    ASSERT_EQ(lib.OpenInterface("Tarvex380"), 0);
}

void SimTest::TearDown()
{
    if (lib.IsBound())
        lib.SI_CloseInterface();
}

SIProperty SimTest::Get(int id, int expect)
{
    SIProperty p = {};
    p.id = static_cast<uint16_t>(id);
    EXPECT_EQ(lib.SI_GetProperty(&p), expect) << "property " << id;
    return p;
}

int SimTest::SetSingle(int id, int value)
{
    SIProperty p = {};
    p.id = static_cast<uint16_t>(id);
    p.kind = SI_KIND_SINGLE;
    p.fromNothing = 1;
    p.slot[0].i = value;
    return lib.SI_SetProperty(&p);
}

void SimTest::Set(const char* section, const char* key, const char* value)
{
    ASSERT_EQ(sim.SetValue(section, key, value), 0) << section << "/" << key << "=" << value;
}

void SimTest::SetFrame(int mode, int dpi, int left, int top, int right, int bottom)
{
    ASSERT_EQ(SetSingle(8, mode), 0);
    ASSERT_EQ(SetSingle(4, dpi), 0);
    ASSERT_EQ(SetSingle(13, left * dpi / 100), 0);
    ASSERT_EQ(SetSingle(12, top * dpi / 100), 0);
    ASSERT_EQ(SetSingle(14, (right - left) * dpi / 100), 0);
    ASSERT_EQ(SetSingle(15, (bottom - top) * dpi / 100), 0);
}

ScanResult SimTest::Scan(int chunk, bool feedOut)
{
    ScanResult r;
    r.bytesPerRow = Get(19).slot[0].i;
    const int height = Get(15).slot[4].i;
    EXPECT_EQ(lib.SI_StartScan(), 0);
    r.data.resize(static_cast<size_t>(height) * r.bytesPerRow);
    int emptyReads = 0;
    while (r.rows < height && emptyReads < 1000) {
        int delivered = -1;
        int want = std::min(chunk, height - r.rows);
        r.lastCode = lib.SI_ReadImageData(r.data.data() + static_cast<size_t>(r.rows) * r.bytesPerRow,
                                          want, 0, &delivered);
        EXPECT_GE(delivered, 0);
        EXPECT_LE(delivered, want);
        r.rows += delivered;
        if (r.lastCode == SI_END_OF_PAGE) {
            r.endOfPage = true;
            break;
        }
        if (r.lastCode != 0)
            break;
        emptyReads = delivered == 0 ? emptyReads + 1 : 0;
    }
    r.data.resize(static_cast<size_t>(r.rows) * r.bytesPerRow);
    EXPECT_EQ(lib.SI_EndScan(), 0);
    if (feedOut) {
        EXPECT_EQ(lib.SI_FeedPaperOut(), 0);
    }
    return r;
}

std::string TempFolder()
{
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string folder = std::string(path) + "tx_sim_test_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

uint64_t Fingerprint(const std::vector<uint8_t>& data)
{
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (uint8_t b : data)
        h = (h ^ b) * 1099511628211ull;
    return h;
}
