// ScannerDevice: the whole simulated scanner behind the SI_ functions.
//
// One object holds the interface state (open or not), the properties, the
// feeder, the scan in progress, calibration, the lamp and the busy time that
// follows a scan or a calibration, all driven by a SimConfig. Every method
// takes the device lock; calibration and cleaning release it while they wait
// and call the progress callback, so status and paper can be polled from
// another thread meanwhile. Every method returns a result code (SimCodes.h)
// and remembers the last failure for SI_GetLastError.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Clock.h"
#include "DeviceProperties.h"
#include "Feeder.h"
#include "ScanSession.h"
#include "SimConfig.h"

namespace sim {

class ScannerDevice {
public:
    ScannerDevice(PageLoader* loader, Clock* clock);

    // Pages the feeder holds when the scenario names none.
    void SetDefaultPages(const std::vector<std::string>& paths);
    // Replaces the configuration and resets the device (an open interface
    // stays open).
    void Configure(const SimConfig& config);
    const SimConfig& Config() const { return m_config; }
    // Changes one key and applies it at once.
    bool SetValue(const std::string& section, const std::string& key, const std::string& value,
                  std::string& error);
    bool GetValue(const std::string& section, const std::string& key, std::string& value);
    // Named counters and states for tests; false for an unknown name.
    bool Status(const std::string& name, int& value);

    int OpenInterface(const char* deviceName);
    int CloseInterface();
    int GetScannerStatus(int* status);
    int GetPaperStatus(int* status);
    int IsCalibrated(int* calibrated);
    int GetProperty(SIProperty* property);
    int SetProperty(SIProperty* property);
    int StartScan();
    int EndScan();
    int ReadImageData(unsigned char* buffer, int rows, int side, int* delivered);
    int FeedPaperOut();
    int Feed();
    int Calibrate(int mode, SIProgressCallback progress);
    int Clean(SIProgressCallback progress);
    int GetButtonStatus(int button, int* pressed);
    int Reset();
    int Diagnostic(int test, int* result);
    int GetLastError();
    int GetLastErrorText(char* text);
    int GetEvent(int* event);

private:
    int Fail(int code);  // records and returns a non-zero code
    int RunMaintenance(bool calibrate, SIProgressCallback progress);
    void ApplyFeeder();
    bool LampOn();

    std::mutex m_lock;
    PageLoader* m_loader;
    Clock* m_clock;
    SimConfig m_config;
    std::vector<std::string> m_defaultPages;
    DeviceProperties m_props;
    Feeder m_feeder;
    std::unique_ptr<ScanSession> m_scan;

    bool m_open = false;
    size_t m_openCount = 0;
    bool m_calibrated = true;
    bool m_maintenance = false;
    int64_t m_busyUntil = 0;
    int64_t m_lampOffAt = 0;
    bool m_lampLit = false;
    bool m_held = false;          // a prefed sheet waits at the pull-in position
    int m_heldHundredths = 0;     // how far it was pulled in
    int m_calibrations = 0;
    int m_cleanings = 0;
    int m_feeds = 0;
    int m_lastError = 0;
};

}  // namespace sim
