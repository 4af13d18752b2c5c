// Shared pieces of the processing stage's tests: settings as a page is
// scanned with them, the recording library held loaded, and reading a whole
// processed page through ReadRows as the transfer does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "RecorderState.h"
#include "core/Image.h"
#include "imaging/ProcessedSource.h"

// Settings of a scan in the given mode with every processing step off and
// the colour-dropout values at their defaults.
ScanSettings PlainSettings(uint16_t scanMode, int16_t dpi = 300);

// The recording library, loaded for the life of the object so that what it
// noted outlives the stage's own load and unload.
class RecordingLibrary {
public:
    RecordingLibrary();
    ~RecordingLibrary();
    RecordingLibrary(const RecordingLibrary&) = delete;
    RecordingLibrary& operator=(const RecordingLibrary&) = delete;

    bool Loaded() const { return m_state != nullptr; }
    static std::string Path();
    RecorderState& State() { return *m_state; }
    std::string Calls() const { return m_state ? m_state->calls : ""; }
    void Reset();
    void FailCall(const char* name, int32_t result);

private:
    HMODULE m_module = nullptr;
    RecorderState* m_state = nullptr;
    RecorderResetFn* m_reset = nullptr;
};

// A processed page as the transfer receives it.
struct ServedPage {
    uint32_t width = 0;
    uint32_t length = 0;
    uint32_t rowBytes = 0;
    uint32_t bitsPerPixel = 0;
    std::vector<uint8_t> rows;   // rowBytes apart
    vz::Image image;             // the same, packed
};

// SelectSide(0), then ReadRows in reads of `rowsPerRead` until the page's
// length is in. Stops early (with what came) when a read delivers nothing.
ServedPage ReadProcessedPage(CProcessedSource& stage, uint32_t rowsPerRead = 37);
