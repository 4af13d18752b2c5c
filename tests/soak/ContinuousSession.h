// The data source in one continuous scan, as an application holds it for a
// long batch: loaded and opened once, CAP_XFERCOUNT -1 with continuous
// scanning in the settings, enabled without the dialog; each page is taken as
// a native bitmap and ended while the pending count says more follow. The
// simulated scanner, held loaded for the session, feeds one sheet in a loop,
// so the continue-scan wait ends as soon as it starts.
#pragma once

#include <memory>
#include <string>

#include "MessageBoxRecorder.h"
#include "PageSoak.h"
#include "SimulatedScanner.h"
#include "SourceHarness.h"

class ContinuousSession : public PageWorkload {
public:
    explicit ContinuousSession(std::string sourcePath);
    ~ContinuousSession() override;

    // Load, open, settings, transfer count, enable: state 6 with a page
    // ready. Empty when all went as expected, else what failed.
    std::string Start();
    std::string Page() override;
    // MSG_RESET (the application stops the batch), disable, close, unload.
    std::string Stop();

    int PagesTaken() const { return m_pages; }
    // The simulated scanner while the session runs (null before Start).
    SimulatedScanner* Scanner() { return m_sim.get(); }

private:
    std::string Failed(const char* step, TW_UINT16 rc);
    std::string CheckBitmap(TW_HANDLE dib);

    std::string m_path;
    std::unique_ptr<SimulatedScanner> m_sim;
    SourceHarness m_harness{"Soak App"};
    MessageBoxRecorder m_boxes;
    bool m_open = false;
    int m_pages = 0;
    size_t m_bitmapBytes = 0;  // the first page's; every later page is the same sheet
    long m_width = 0, m_height = 0;
};
