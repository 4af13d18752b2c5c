// A test fixture that reaches the simulated scanner only through its exports:
// the 21 SI_ names bound by ScannerLibrary and the SIM_ control names.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/driver/ScannerLibrary.h"

struct SimControl {
    int(SI_CALL* Reset)(void) = nullptr;
    int(SI_CALL* LoadScenario)(const char*) = nullptr;
    int(SI_CALL* SaveScenario)(const char*) = nullptr;
    int(SI_CALL* SetValue)(const char*, const char*, const char*) = nullptr;
    int(SI_CALL* GetValue)(const char*, const char*, char*, int) = nullptr;
    int(SI_CALL* GetStatus)(const char*, int*) = nullptr;
    int(SI_CALL* GetMessage)(char*, int) = nullptr;

    bool Bind(HMODULE module);
    int Status(const char* name);
    std::string Value(const char* section, const char* key);
};

// One scan's outcome: rows, bytes per row, the bytes, and the last result.
struct ScanResult {
    int rows = 0;
    int bytesPerRow = 0;
    int lastCode = 0;
    bool endOfPage = false;
    std::vector<uint8_t> data;
};

class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    SIProperty Get(int id, int expect = 0);
    int SetSingle(int id, int value);
    void Set(const char* section, const char* key, const char* value);
    // Sets mode, resolution and the frame (hundredths of an inch).
    void SetFrame(int mode, int dpi, int left = 0, int top = 0, int right = 432, int bottom = 1000);
    // Starts a scan and reads it in chunks of `chunk` rows until the frame is
    // complete, the page ends or an error; ends the scan; feeds out if asked.
    ScanResult Scan(int chunk, bool feedOut = true);

    tx::ScannerLibrary lib;
    SimControl sim;
};

std::string TempFolder();
uint64_t Fingerprint(const std::vector<uint8_t>& data);
