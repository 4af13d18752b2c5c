#include "ContinuousSession.h"

#include <windows.h>

#include <algorithm>

#include "ModuleWorkload.h"
#include "SmallPage.h"

namespace {

TW_UINT16 SetTransferCount(SourceHarness& h, int16_t count)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(TW_ONEVALUE));
    if (!block) return TWRC_FAILURE;
    auto* one = static_cast<TW_ONEVALUE*>(GlobalLock(block));
    one->ItemType = TWTY_INT16;
    one->Item = static_cast<TW_UINT16>(count);
    GlobalUnlock(block);
    TW_CAPABILITY cap{CAP_XFERCOUNT, TWON_ONEVALUE, block};
    TW_UINT16 rc = h.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap);
    GlobalFree(block);
    return rc;
}

int16_t PendingCount(const TW_PENDINGXFERS& p) { return static_cast<int16_t>(p.Count); }

} // namespace

ContinuousSession::ContinuousSession(std::string sourcePath) : m_path(std::move(sourcePath)) {}

ContinuousSession::~ContinuousSession()
{
    if (m_open) Stop();
}

std::string ContinuousSession::Failed(const char* step, TW_UINT16 rc)
{
    return std::string(step) + ": " + m_harness.Describe(rc);
}

std::string ContinuousSession::Start()
{
    m_sim = std::make_unique<SimulatedScanner>();
    if (!m_sim->Loaded()) return "cannot load the simulated scanner TARVX380.dll";
    const std::string sheet = ProgramFolder() + "samples\\01-letter.png";
    if (!m_sim->Set("Device", "BusyAfterScanMs", "0") || !m_sim->Set("Feeder", "Pages", sheet.c_str()) ||
        !m_sim->Set("Feeder", "Loop", "1"))
        return "the simulated scanner refused the looping feeder of " + sheet;
    if (!m_harness.Load(m_path.c_str())) return "cannot load " + m_path;
    TW_UINT16 rc = m_harness.GiveEntryPoints();
    if (rc != TWRC_SUCCESS) return Failed("DAT_ENTRYPOINT/MSG_SET", rc);
    TW_IDENTITY ds{};
    ds.Id = 42;
    rc = m_harness.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds);
    if (rc != TWRC_SUCCESS) return Failed("MSG_OPENDS", rc);
    m_open = true;
    ScanSettings s = SmallPageSettings();
    s.ContinuousScan = 1;
    if ((rc = SendSettings(m_harness, s)) != TWRC_SUCCESS) return Failed("DAT_CUSTOMDSDATA/MSG_SET", rc);
    if ((rc = SetTransferCount(m_harness, -1)) != TWRC_SUCCESS) return Failed("CAP_XFERCOUNT -1", rc);

    SourceHarness::ClearRecords();
    TW_USERINTERFACE ui{FALSE, FALSE, m_harness.AppWindow()};
    if ((rc = m_harness.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui)) != TWRC_SUCCESS)
        return Failed("MSG_ENABLEDS without the dialog", rc);
    const auto& n = SourceHarness::Notifications();
    if (std::count(n.begin(), n.end(), TW_UINT16(MSG_XFERREADY)) != 1)
        return "MSG_ENABLEDS: not exactly one MSG_XFERREADY";
    TW_PENDINGXFERS pending{};
    if ((rc = m_harness.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, &pending)) != TWRC_SUCCESS)
        return Failed("DAT_PENDINGXFERS/MSG_GET", rc);
    if (PendingCount(pending) != -1)
        return "a continuous scan pends " + std::to_string(PendingCount(pending)) + " pages, not -1";
    return {};
}

// Every page is the same sheet under the same settings: the same size of
// bitmap, and a plausible one.
std::string ContinuousSession::CheckBitmap(TW_HANDLE dib)
{
    const size_t bytes = GlobalSize(dib);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    if (!header || bytes < sizeof(BITMAPINFOHEADER)) {
        if (header) GlobalUnlock(dib);
        return "the native bitmap has no header";
    }
    const long width = header->biWidth, height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    const size_t rows = static_cast<size_t>((width * header->biBitCount + 31) / 32 * 4) * height;
    GlobalUnlock(dib);
    if (width <= 0 || height <= 0 || bytes < sizeof(BITMAPINFOHEADER) + rows)
        return "the native bitmap is " + std::to_string(width) + " x " + std::to_string(height) + " in " +
               std::to_string(bytes) + " bytes";
    if (!m_bitmapBytes) {
        m_bitmapBytes = bytes;
        m_width = width;
        m_height = height;
    } else if (bytes != m_bitmapBytes || width != m_width || height != m_height) {
        return "the page came as " + std::to_string(width) + " x " + std::to_string(height) + " in " +
               std::to_string(bytes) + " bytes, the first as " + std::to_string(m_width) + " x " +
               std::to_string(m_height) + " in " + std::to_string(m_bitmapBytes);
    }
    return {};
}

std::string ContinuousSession::Page()
{
    if (!m_open) return "the session is not open";
    TW_HANDLE dib = nullptr;
    TW_UINT16 rc = m_harness.Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib);
    if (rc != TWRC_XFERDONE) return Failed("DAT_IMAGENATIVEXFER/MSG_GET", rc);
    std::string fault = dib ? CheckBitmap(dib) : "MSG_XFERDONE without a bitmap";
    if (dib) GlobalFree(dib);
    if (!fault.empty()) return fault;
    TW_PENDINGXFERS pending{};
    if ((rc = m_harness.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending)) != TWRC_SUCCESS)
        return Failed("MSG_ENDXFER", rc);
    m_harness.PumpEvents();
    ++m_pages;
    if (PendingCount(pending) != -1)
        return "MSG_ENDXFER left " + std::to_string(PendingCount(pending)) + " pages pending, not -1";
    if (!m_boxes.Boxes().empty()) return "a message box: " + m_boxes.Boxes()[0].text;
    return {};
}

std::string ContinuousSession::Stop()
{
    std::string fault;
    if (m_open) {
        TW_PENDINGXFERS pending{};
        TW_UINT16 rc = m_harness.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending);
        if (rc != TWRC_SUCCESS)
            fault = Failed("DAT_PENDINGXFERS/MSG_RESET", rc);
        else if (pending.Count != 0)
            fault = "MSG_RESET left " + std::to_string(PendingCount(pending)) + " pages pending";
        m_harness.PumpEvents();
        TW_USERINTERFACE ui{};
        rc = m_harness.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
        if (rc != TWRC_SUCCESS && fault.empty()) fault = Failed("MSG_DISABLEDS", rc);
        rc = m_harness.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        if (rc != TWRC_SUCCESS && fault.empty()) fault = Failed("MSG_CLOSEDS", rc);
        m_open = false;
    }
    m_harness.Unload();
    if (m_sim) m_sim->Reset();
    m_sim.reset();
    SourceHarness::ClearRecords();
    if (fault.empty() && !m_boxes.Boxes().empty()) fault = "a message box: " + m_boxes.Boxes()[0].text;
    return fault;
}
