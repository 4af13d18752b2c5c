#include "ScannerDevice.h"

#include <cctype>
#include <cstring>

#include "ErrorText.h"

namespace sim {

namespace {

bool IsOurDevice(const char* name)
{
    static const char kName[] = "Tarvex380";
    if (std::strlen(name) != sizeof(kName) - 1)
        return false;
    for (size_t i = 0; kName[i] != 0; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) !=
            std::tolower(static_cast<unsigned char>(kName[i])))
            return false;
    return true;
}

}  // namespace

ScannerDevice::ScannerDevice(PageLoader* loader, Clock* clock)
    : m_loader(loader), m_clock(clock), m_feeder(loader)
{
    Configure(SimConfig());
}

void ScannerDevice::SetDefaultPages(const std::vector<std::string>& paths)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_defaultPages = paths;
    ApplyFeeder();
}

void ScannerDevice::ApplyFeeder()
{
    m_scan.reset();
    m_held = false;
    m_feeder.Fill(m_config.pagesGiven ? m_config.ResolvedPages() : m_defaultPages, m_config.loop,
                  m_config.pageDpi);
}

void ScannerDevice::Configure(const SimConfig& config)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_config = config;
    m_props = DeviceProperties();
    m_props.SetResolutions(config.resolutions);
    m_props.SetOpticalResolution(config.opticalDpi);
    m_props.SetDeviceName(config.name);
    m_props.SetSerialNumber(config.serial);
    m_openCount = 0;
    m_calibrated = config.calibrated;
    m_busyUntil = 0;
    m_lampLit = false;
    m_heldHundredths = 0;
    m_calibrations = m_cleanings = m_feeds = 0;
    m_lastError = 0;
    ApplyFeeder();
}

bool ScannerDevice::SetValue(const std::string& section, const std::string& key,
                             const std::string& value, std::string& error)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_config.Set(section, key, value, error))
        return false;
    // Keys that set up state take effect now; the others are read when used.
    std::string k = key;
    for (char& c : k)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (k == "resolutions")
        m_props.SetResolutions(m_config.resolutions);
    else if (k == "opticaldpi")
        m_props.SetOpticalResolution(m_config.opticalDpi);
    else if (k == "name")
        m_props.SetDeviceName(m_config.name);
    else if (k == "serial")
        m_props.SetSerialNumber(m_config.serial);
    else if (k == "calibrated")
        m_calibrated = m_config.calibrated;
    else if (k == "openresult")
        m_openCount = 0;
    else if (k == "pages" || k == "loop" || k == "pagedpi")
        ApplyFeeder();
    else if (k == "uvlamp" && !m_config.uvLamp)
        m_lampLit = false;
    return true;
}

bool ScannerDevice::GetValue(const std::string& section, const std::string& key, std::string& value)
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_config.Get(section, key, value);
}

bool ScannerDevice::Status(const std::string& name, int& value)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (name == "Open") value = m_open;
    else if (name == "PaperPresent") value = m_feeder.HasPaper();
    else if (name == "FeederPosition") value = static_cast<int>(m_feeder.Position());
    else if (name == "SheetsOut") value = m_feeder.SheetsOut();
    else if (name == "Scanning") value = m_scan != nullptr;
    else if (name == "RowsDelivered") value = m_scan ? m_scan->RowsDelivered() : 0;
    else if (name == "Calibrated") value = m_calibrated;
    else if (name == "Calibrations") value = m_calibrations;
    else if (name == "Cleanings") value = m_cleanings;
    else if (name == "Feeds") value = m_feeds;
    else if (name == "Held") value = m_held;
    else if (name == "HeldHundredths") value = m_heldHundredths;
    else if (name == "LampOn") value = LampOn();
    else return false;
    return true;
}

int ScannerDevice::Fail(int code)
{
    if (code != kOk && code != kEndOfPage)
        m_lastError = code;
    return code;
}

bool ScannerDevice::LampOn()
{
    if (m_lampLit && m_clock->NowMs() >= m_lampOffAt)
        m_lampLit = false;
    return m_lampLit;
}

int ScannerDevice::OpenInterface(const char* deviceName)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (deviceName == nullptr)
        return Fail(kBadArgument);
    const std::vector<int>& codes = m_config.openResults;
    int code = codes[m_openCount < codes.size() ? m_openCount : codes.size() - 1];
    ++m_openCount;
    if (!IsOurDevice(deviceName))
        return Fail(kOpenNotFound);
    if (code != kOk)
        return Fail(code);
    m_open = true;
    return kOk;
}

int ScannerDevice::CloseInterface()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_scan.reset();
    m_open = false;
    return kOk;
}

int ScannerDevice::GetScannerStatus(int* status)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (status == nullptr)
        return Fail(kBadArgument);
    *status = 0;
    if (m_config.scannerStatusResult != 0)
        return Fail(m_config.scannerStatusResult);
    if (!m_open)
        return Fail(kNotOpen);
    if (m_config.scannerStatus != 0)
        *status = m_config.scannerStatus;
    else if (m_scan || m_maintenance || m_clock->NowMs() < m_busyUntil)
        *status = 2;
    else
        *status = 1;
    return kOk;
}

int ScannerDevice::GetPaperStatus(int* status)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (status == nullptr)
        return Fail(kBadArgument);
    *status = 0;
    if (m_config.paperStatusResult != 0)
        return Fail(m_config.paperStatusResult);
    if (!m_open)
        return Fail(kNotOpen);
    *status = m_feeder.HasPaper() ? 1 : 0;
    return kOk;
}

int ScannerDevice::IsCalibrated(int* calibrated)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (calibrated == nullptr)
        return Fail(kBadArgument);
    *calibrated = 0;
    if (!m_open)
        return Fail(kNotOpen);
    *calibrated = m_calibrated ? 1 : 0;
    return kOk;
}

int ScannerDevice::GetProperty(SIProperty* p)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (p == nullptr)
        return Fail(kBadArgument);
    if (!m_open)
        return Fail(kNotOpen);
    if (p->id == kPropUvLamp) {
        if (!m_config.uvLamp)
            return Fail(kNotSupported);
        for (SIValue& slot : p->slot)
            slot.raw = 0;
        p->kind = SI_KIND_SINGLE;
        p->fromNothing = 0;
        p->slot[0].i = LampOn() ? 1 : 0;
        return kOk;
    }
    return Fail(m_props.Get(*p));
}

int ScannerDevice::SetProperty(SIProperty* p)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (p == nullptr)
        return Fail(kBadArgument);
    if (!m_open)
        return Fail(kNotOpen);
    if (p->id == kPropUvLamp) {
        if (!m_config.uvLamp)
            return Fail(kNotSupported);
        if (p->kind != SI_KIND_SINGLE)
            return Fail(kBadShape);
        if (p->slot[0].i == 1) {
            m_lampLit = true;
            m_lampOffAt = m_clock->NowMs() + m_props.UvOnTime();
        } else if (p->slot[0].i == 0) {
            m_lampLit = false;
        } else {
            return Fail(kValueRefused);
        }
        return kOk;
    }
    if (m_scan)
        return Fail(kScanRunning);
    return Fail(m_props.Set(*p));
}

int ScannerDevice::StartScan()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_open)
        return Fail(kNotOpen);
    if (m_config.startScanResult != 0)
        return Fail(m_config.startScanResult);
    if (m_scan)
        return Fail(kScanRunning);
    if (m_config.scannerStatus != 0 && m_config.scannerStatus != 1)
        return Fail(kNotReady);
    if (m_maintenance || m_clock->NowMs() < m_busyUntil)
        return Fail(kBusy);
    if (!m_feeder.HasPaper())
        return Fail(kNoPaper);
    std::shared_ptr<const PageImage> page = m_feeder.FrontPage();
    if (!page)
        return Fail(kImageUnreadable);
    m_scan.reset(new ScanSession(page, m_props, m_config.backing, m_clock->NowMs()));
    m_held = false;
    return kOk;
}

int ScannerDevice::EndScan()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_open)
        return Fail(kNotOpen);
    if (!m_scan)
        return Fail(kNoScan);
    m_scan.reset();
    m_busyUntil = m_clock->NowMs() + m_config.busyAfterScanMs;
    return kOk;
}

int ScannerDevice::ReadImageData(unsigned char* buffer, int rows, int side, int* delivered)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (delivered == nullptr)
        return Fail(kBadArgument);
    *delivered = 0;
    if (!m_open)
        return Fail(kNotOpen);
    if (!m_scan)
        return Fail(kNoScan);
    if (side != 0 || rows < 0 || (rows > 0 && buffer == nullptr))
        return Fail(kBadArgument);
    ReadFaults faults;
    faults.noDataReads = m_config.noDataReads;
    faults.readErrorAfterRows = m_config.readErrorAfterRows;
    faults.readErrorCode = m_config.readErrorCode;
    faults.rowsPerSecond = m_config.rowsPerSecond;
    return Fail(m_scan->Read(buffer, rows, faults, m_clock->NowMs(), *delivered));
}

int ScannerDevice::FeedPaperOut()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_open)
        return Fail(kNotOpen);
    m_scan.reset();  // a sheet fed out mid-scan ends that scan
    if (!m_feeder.HasPaper())
        return Fail(kNoPaper);
    m_feeder.FeedOut();
    m_held = false;
    return kOk;
}

int ScannerDevice::Feed()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_open)
        return Fail(kNotOpen);
    if (m_scan)
        return Fail(kScanRunning);
    if (m_maintenance || m_clock->NowMs() < m_busyUntil)
        return Fail(kBusy);
    if (!m_feeder.HasPaper())
        return Fail(kNoPaper);
    ++m_feeds;
    if (m_props.FeedThrough()) {  // the sheet passes through and out
        m_feeder.FeedOut();
        m_held = false;
        return kOk;
    }
    const int dpi = m_props.FeedResolution() > 0 ? m_props.FeedResolution() : m_props.Resolution();
    m_held = true;
    m_heldHundredths = m_props.Top() * 100 / dpi;
    return kOk;
}

int ScannerDevice::Calibrate(int mode, SIProgressCallback progress)
{
    if (mode != 0) {
        std::lock_guard<std::mutex> hold(m_lock);
        return Fail(kBadArgument);
    }
    return RunMaintenance(true, progress);
}

int ScannerDevice::Clean(SIProgressCallback progress)
{
    return RunMaintenance(false, progress);
}

int ScannerDevice::RunMaintenance(bool calibrate, SIProgressCallback progress)
{
    int durationMs = 0;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (!m_open)
            return Fail(kNotOpen);
        if (m_scan)
            return Fail(kScanRunning);
        if (m_maintenance)
            return Fail(kBusy);
        if (!m_feeder.HasPaper())
            return Fail(kNoPaper);  // the calibration or cleaning sheet
        m_maintenance = true;
        durationMs = calibrate ? m_config.calibrationMs : m_config.cleaningMs;
    }
    // Eleven steps, 0 to 100 percent, the lock released while waiting.
    bool cancelled = false;
    for (int percent = 0; percent <= 100; percent += 10) {
        if (percent > 0)
            m_clock->SleepMs(durationMs / 10);
        if (progress != nullptr && progress(percent) == 0) {
            cancelled = true;
            break;
        }
    }
    std::lock_guard<std::mutex> hold(m_lock);
    m_maintenance = false;
    m_busyUntil = m_clock->NowMs() + m_config.busyAfterCalibrateMs;
    if (cancelled)
        return Fail(kCancelled);
    m_feeder.FeedOut();  // the sheet has passed through
    if (!calibrate) {
        ++m_cleanings;
        return Fail(m_config.cleaningResult);
    }
    ++m_calibrations;
    int result = m_config.calibrationResult;
    if (result == kOk || result == kWhiteOnlyCalibration)
        m_calibrated = true;
    return Fail(result);
}

int ScannerDevice::GetButtonStatus(int button, int* pressed)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (pressed == nullptr)
        return Fail(kBadArgument);
    *pressed = 0;  // the simulated front panel has no button held down
    return m_open ? kOk : Fail(kNotOpen);
}

int ScannerDevice::Reset()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_open)
        return Fail(kNotOpen);
    m_scan.reset();
    m_lampLit = false;
    m_busyUntil = 0;
    return kOk;
}

int ScannerDevice::Diagnostic(int test, int* result)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (result == nullptr)
        return Fail(kBadArgument);
    *result = 0;  // every self-test passes
    return m_open ? kOk : Fail(kNotOpen);
}

int ScannerDevice::GetLastError()
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_lastError;
}

int ScannerDevice::GetLastErrorText(char* text)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (text == nullptr)
        return kBadArgument;
    const char* message = ErrorText(m_lastError);
    std::strncpy(text, message, 255);
    text[255] = '\0';
    return kOk;
}

int ScannerDevice::GetEvent(int* event)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (event == nullptr)
        return Fail(kBadArgument);
    *event = 0;  // no pending event
    return kOk;
}

}  // namespace sim
