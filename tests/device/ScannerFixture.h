// A fixture that binds the module's driver link (TheScanner) to the simulated
// scanner beside the test program and scripts it through its SIM_ exports.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/ScanSettings.h"

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One simulator key; fails the test when refused.
    void Sim(const char* section, const char* key, const char* value);
    // A device state by name (SIM_GetStatus).
    int SimStatus(const char* name);
    // Current value of a device property (slot 4 for ranges, else slot 0).
    int32_t DeviceValue(int id);
    float DeviceFloat(int id);
    // Feeds only this sample page (a file of the samples folder), once.
    void UsePage(const char* file);

    // Grey, 150 dpi, the whole area, neutral tone.
    static ScanSettings Settings(uint16_t mode = kModeGray, int16_t dpi = 150);
};

uint64_t Fingerprint(const uint8_t* data, size_t size);
