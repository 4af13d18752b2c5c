#include "ScannerFixture.h"

#include <windows.h>

#include <cstring>

#include "common/driver/SIInterface.h"
#include "common/text/DsLanguage.h"
#include "device/DriverLink.h"
#include "device/ScanSequence.h"
#include "device/UvLamp.h"
#include "transfer/ImageSource.h"

namespace {

template <typename Fn>
Fn Export(const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(TheScanner().Module(), name)));
}

using SetValueFn = int(SI_CALL*)(const char*, const char*, const char*);
using GetStatusFn = int(SI_CALL*)(const char*, int*);
using ResetFn = int(SI_CALL*)(void);

} // namespace

void ScannerTest::SetUp()
{
    tx::g_languageId = tx::kLangEnglish;
    if (!TheScanner().IsBound()) {
        ASSERT_TRUE(TheScanner().Load()) << "the simulated scanner beside the test";
    }
    auto reset = Export<ResetFn>("SIM_Reset");
    ASSERT_NE(reset, nullptr);
    ASSERT_EQ(reset(), 0);
    Sim("Device", "BusyAfterScanMs", "0");
    Sim("Device", "BusyAfterCalibrateMs", "0");
    ASSERT_EQ(TheScanner().OpenInterface("Tarvex380"), 0);
    ForgetUvLampPresence();
    g_scanStatus = kScanOk;
}

void ScannerTest::TearDown()
{
    EndScan();
    TheScanner().SI_CloseInterface();
    g_scanStatus = kScanOk;
}

void ScannerTest::Sim(const char* section, const char* key, const char* value)
{
    auto setValue = Export<SetValueFn>("SIM_SetValue");
    ASSERT_NE(setValue, nullptr);
    ASSERT_EQ(setValue(section, key, value), 0) << section << "/" << key << "=" << value;
}

int ScannerTest::SimStatus(const char* name)
{
    auto getStatus = Export<GetStatusFn>("SIM_GetStatus");
    int value = -12345;
    EXPECT_EQ(getStatus ? getStatus(name, &value) : -1, 0) << name;
    return value;
}

static SIProperty ReadProperty(int id)
{
    SIProperty p;
    std::memset(&p, 0, sizeof(p));
    p.id = static_cast<uint16_t>(id);
    EXPECT_EQ(TheScanner().SI_GetProperty(&p), 0) << "property " << id;
    return p;
}

int32_t ScannerTest::DeviceValue(int id)
{
    SIProperty p = ReadProperty(id);
    return p.kind == SI_KIND_RANGE || p.kind == SI_KIND_LIST ? p.slot[4].i
           : p.kind == SI_KIND_SETTING                     ? p.slot[1].i
                                                           : p.slot[0].i;
}

float ScannerTest::DeviceFloat(int id) { return ReadProperty(id).slot[0].f; }

void ScannerTest::UsePage(const char* file)
{
    Sim("Feeder", "Pages", (std::string("samples\\") + file).c_str());
    Sim("Feeder", "Loop", "0");
}

ScanSettings ScannerTest::Settings(uint16_t mode, int16_t dpi)
{
    ScanSettings s;
    std::memset(&s, 0, sizeof(s));
    s.ScanMode = mode;
    s.DPI = dpi;
    s.Gamma = 18;
    s.Highlight = 255;
    s.Shadow = 0;
    s.Right = kScanAreaWidth;
    s.Bottom = kScanAreaLength;
    s.ColorDropThreshold = -1;
    s.ColorDropBWThreshold = -1;
    return s;
}

uint64_t Fingerprint(const uint8_t* data, size_t size)
{
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 1099511628211ull;
    return h;
}
