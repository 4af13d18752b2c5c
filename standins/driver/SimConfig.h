// SimConfig: everything a scenario can set, with the INI text it is read from
// and written to. Plain C++: the library reads the file named by TARVX380_SIM
// and the SIM_ exports set single keys, both through this class.
//
// Every key is listed, with its meaning, in this folder's README.md.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct SimConfig {
    // [Device]
    std::vector<int> openResults{0};              // successive opens; the last repeats
    std::vector<int32_t> resolutions{150, 200, 300, 600};
    int opticalDpi = 600;
    bool calibrated = true;
    std::string serial = "TX380-0001";
    std::string name = "Tarvex 380";
    bool uvLamp = true;
    int busyAfterScanMs = 100;
    int busyAfterCalibrateMs = 300;
    int rowsPerSecond = 0;                        // 0 = every row at once
    // [Feeder]
    bool pagesGiven = false;                      // false: the bundled sample pages
    std::vector<std::string> pages;               // as written (relative to baseDir)
    bool loop = true;
    int pageDpi = 0;                              // 0 = the resolution stored in the file
    int backing = 32;                             // grey level of the feed path's backing
    // [Calibration] and [Cleaning]
    int calibrationResult = 0;
    int calibrationMs = 0;
    int cleaningResult = 0;
    int cleaningMs = 0;
    // [Faults]
    int noDataReads = 0;                          // per scan; -1 = never any data
    int readErrorAfterRows = -1;                  // -1 = off
    int readErrorCode = 0xA06;
    int scannerStatus = 0;                        // 0 = as the device is; else this value
    int scannerStatusResult = 0;                  // non-zero: SI_GetScannerStatus fails
    int paperStatusResult = 0;                    // non-zero: SI_GetPaperStatus fails
    int startScanResult = 0;                      // non-zero: SI_StartScan fails

    // Folder that relative page paths are taken from (the scenario's folder).
    std::string baseDir;

    // Sets one key; false with a message for an unknown key or a bad value.
    bool Set(const std::string& section, const std::string& key, const std::string& value,
             std::string& error);
    // The value of one key as the INI file would hold it; false if unknown.
    bool Get(const std::string& section, const std::string& key, std::string& value) const;
    // Reads INI text over the current values; stops at the first bad line.
    bool Parse(const std::string& text, std::string& error);
    // INI text holding every key.
    std::string Serialise() const;
    // Page paths resolved against baseDir.
    std::vector<std::string> ResolvedPages() const;
};

}  // namespace sim
