#include "PipelineFixture.h"

#include <algorithm>
#include <cstring>

#include "TestPageSource.h"
#include "imaging/ImagingLibrary.h"

ScanSettings PlainSettings(uint16_t scanMode, int16_t dpi)
{
    ScanSettings s;
    std::memset(&s, 0, sizeof s);
    s.ScanMode = scanMode;
    s.DPI = dpi;
    s.Gamma = 18;
    s.Highlight = 255;
    s.Bottom = kScanAreaLength;
    s.Right = kScanAreaWidth;
    s.ColorDropThreshold = -1;
    s.ColorDropMin = 35;
    s.ColorDropMax = 85;
    s.ColorDropSatMin = 75;
    s.ColorDropLumMin = 25;
    s.ColorDropBlobMin = 25;
    s.ColorDropBWThreshold = -1;
    return s;
}

std::string RecordingLibrary::Path()
{
    return ImagingLibrary::OwnFolder() + "VOZozurRecorder.dll";
}

RecordingLibrary::RecordingLibrary()
{
    m_module = LoadLibraryA(Path().c_str());
    if (!m_module)
        return;
    auto state = reinterpret_cast<RecorderStateFn*>(reinterpret_cast<void*>(GetProcAddress(m_module, "Recorder_State")));
    m_reset = reinterpret_cast<RecorderResetFn*>(reinterpret_cast<void*>(GetProcAddress(m_module, "Recorder_Reset")));
    if (state && m_reset)
        m_state = state();
    Reset();
}

RecordingLibrary::~RecordingLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}

void RecordingLibrary::Reset()
{
    if (m_reset)
        m_reset();
}

void RecordingLibrary::FailCall(const char* name, int32_t result)
{
    std::strncpy(m_state->failCall, name, sizeof m_state->failCall - 1);
    m_state->failResult = result;
}

ServedPage ReadProcessedPage(CProcessedSource& stage, uint32_t rowsPerRead)
{
    ServedPage page;
    stage.SelectSide(0);
    page.width = stage.Width(true);
    page.length = stage.Length(true);
    page.rowBytes = stage.RowBytes(true);
    page.bitsPerPixel = stage.BitsPerPixel();
    page.rows.assign(static_cast<size_t>(page.rowBytes) * page.length, 0xEE);
    uint32_t done = 0;
    while (done < page.length) {
        uint32_t got = 0;
        const uint32_t wanted = std::min(rowsPerRead, page.length - done);
        stage.ReadRows(&page.rows[static_cast<size_t>(done) * page.rowBytes], wanted, 0, &got);
        if (got == 0)
            break;
        done += got;
    }
    page.rows.resize(static_cast<size_t>(page.rowBytes) * done);
    if (done > 0 && (page.bitsPerPixel == 1 || page.bitsPerPixel == 8 || page.bitsPerPixel == 24))
        page.image = ImageFromRows(page.rows.data(), page.rowBytes, page.width, done, page.bitsPerPixel);
    return page;
}
