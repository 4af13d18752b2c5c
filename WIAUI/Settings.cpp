#include "WIAUI/Settings.h"

#include <string>

namespace tx {
namespace wiaui {
namespace {

struct PrefeedName {
    const char* value;
    const char* twin;
    int builtIn;
};

constexpr PrefeedName kNames[] = {
    {"PrefeedEnable", "PrefeedEnableDef", kDefaultEnable ? 1 : 0},
    {"PrefeedDelayInMs", "PrefeedDelayInMsDef", kDefaultDelayMs},
    {"PrefeedDistance", "PrefeedDistanceDef", kDefaultDistance},
};

STISettings g_settings;

}  // namespace

STISettings& TheSTISettings() { return g_settings; }

bool STISettings::OpenDevice(const char* description)
{
    CloseDevice();
    DeviceValueStore& store = TheDeviceValueStore();
    if (!description || !store.HasDevice(description)) return false;
    m_store = &store;
    m_device = description;
    return true;
}

bool STISettings::ReadValue(const char* name, int32_t& value)
{
    return m_store && m_store->Read(m_device, name, &value);
}

bool STISettings::WriteValue(const char* name, uint32_t value)
{
    return m_store && m_store->Write(m_device, name, value);
}

void STISettings::CloseDevice()
{
    m_store = nullptr;
    m_device = nullptr;
}

void STISettings::SeedDefaults()
{
    if (!OpenDevice(kScannerDescription)) return;
    for (const PrefeedName& n : kNames) {
        int32_t twin = 0;
        if (ReadValue(n.twin, twin)) continue;
        int32_t value = n.builtIn;
        if (!ReadValue(n.value, value)) {
            value = n.builtIn;
            WriteValue(n.value, static_cast<uint32_t>(value));
        }
        WriteValue(n.twin, static_cast<uint32_t>(value));
    }
    CloseDevice();
}

bool STISettings::ReadPrefeed(PrefeedValues& values)
{
    if (!OpenDevice(kScannerDescription)) return false;
    int32_t read[3] = {};
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        if (!ReadValue(kNames[i].value, read[i])) {
            read[i] = kNames[i].builtIn;
            ok = WriteValue(kNames[i].value, static_cast<uint32_t>(read[i])) && ok;
        }
    }
    CloseDevice();
    values.enable = read[0] != 0;
    values.delay = read[1];
    values.distance = read[2];
    return ok;
}

PrefeedValues STISettings::ReadPrefeedDefaults()
{
    int32_t read[3] = {kNames[0].builtIn, kNames[1].builtIn, kNames[2].builtIn};
    if (OpenDevice(kScannerDescription)) {
        for (int i = 0; i < 3; ++i) {
            int32_t v = 0;
            if (ReadValue(kNames[i].twin, v)) read[i] = v;
        }
        CloseDevice();
    }
    PrefeedValues values;
    values.enable = read[0] != 0;
    values.delay = read[1];
    values.distance = read[2];
    return values;
}

bool STISettings::WritePrefeed(const PrefeedValues& values)
{
    if (!OpenDevice(kScannerDescription)) return false;
    bool ok = WriteValue(kNames[0].value, values.enable ? 1u : 0u);
    ok = WriteValue(kNames[1].value, static_cast<uint32_t>(values.delay)) && ok;
    ok = WriteValue(kNames[2].value, static_cast<uint32_t>(values.distance)) && ok;
    CloseDevice();
    return ok;
}

}  // namespace wiaui
}  // namespace tx
