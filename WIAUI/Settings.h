// STISettings: the three prefeed settings in the scanner's still-image device
// values, and their default twins that the page's Default button restores.
// The values are reached through the device-value store (the still-image
// service, or the store a test installed); "opening the device" finds the
// scanner "Tarvex 380" there.
#pragma once

#include <cstdint>

#include "common/sti/DeviceValueStore.h"

namespace tx {
namespace wiaui {

constexpr const char* kScannerDescription = "Tarvex 380";

struct PrefeedValues {
    bool enable = false;
    int delay = 0;     // milliseconds
    int distance = 0;  // the driver's units
};

// Built-in defaults.
constexpr bool kDefaultEnable = true;
constexpr int kDefaultDelayMs = 1500;
constexpr int kDefaultDistance = 13;

class STISettings {
public:
    constexpr STISettings() = default;
    STISettings(const STISettings&) = delete;
    STISettings& operator=(const STISettings&) = delete;

    // Closes first; true when the store lists a device with this description.
    bool OpenDevice(const char* description);
    // A value of the open device; false (value unchanged) when none is open
    // or the value cannot be read.
    bool ReadValue(const char* name, int32_t& value);
    bool WriteValue(const char* name, uint32_t value);
    void CloseDevice();

    // Gives every prefeed value without a default twin its twin: the value
    // found, or the built-in default (then written as the value too).
    void SeedDefaults();

    // The three values; a missing one is written with its built-in default.
    // False (outputs unchanged) without the device; false also when a
    // needed write failed.
    bool ReadPrefeed(PrefeedValues& values);
    // The default twins over the built-in defaults.
    PrefeedValues ReadPrefeedDefaults();
    // Writes the three values; true when all three were written.
    bool WritePrefeed(const PrefeedValues& values);

private:
    DeviceValueStore* m_store = nullptr;  // set while the device is open
    const char* m_device = nullptr;
};

// The process's settings object.
STISettings& TheSTISettings();

}  // namespace wiaui
}  // namespace tx
