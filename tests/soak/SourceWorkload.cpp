// The data source's session as an application runs it through a manager:
// the manager lists the source (load, identity, unload), then loads it again,
// identifies it, hands over its entry points, opens and closes it and unloads
// it, all through the manager-playing harness. The source loads and frees
// the simulated driver library at every open and close, as in use. Every
// step of the session is a row of kSteps: a transfer goes between open and
// close: a small grey page, enabled without the dialog, taken as a native
// bitmap, ended, disabled.
#include <windows.h>

#include <algorithm>

#include "MessageBoxRecorder.h"
#include "ModuleWorkload.h"
#include "SmallPage.h"
#include "SourceHarness.h"

namespace {

struct SessionStep {
    const char* name;
    TW_UINT16 (*run)(SourceHarness& h, TW_IDENTITY& ds);
};

TW_UINT16 GetIdentity(SourceHarness& h, TW_IDENTITY& ds)
{
    ds = TW_IDENTITY{};
    return h.Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &ds);
}

TW_UINT16 GiveEntryPoints(SourceHarness& h, TW_IDENTITY&)
{
    return h.GiveEntryPoints();
}

TW_UINT16 OpenSource(SourceHarness& h, TW_IDENTITY& ds)
{
    ds.Id = 42;
    return h.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds);
}

TW_UINT16 CloseSource(SourceHarness& h, TW_IDENTITY&)
{
    return h.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
}

TW_UINT16 SetSmallPage(SourceHarness& h, TW_IDENTITY&)
{
    return SendSettings(h, SmallPageSettings());
}

TW_UINT16 EnableWithoutDialog(SourceHarness& h, TW_IDENTITY&)
{
    SourceHarness::ClearRecords();
    TW_USERINTERFACE ui{FALSE, FALSE, h.AppWindow()};
    TW_UINT16 rc = h.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
    if (rc != TWRC_SUCCESS) return rc;
    const auto& n = SourceHarness::Notifications();
    return std::count(n.begin(), n.end(), TW_UINT16(MSG_XFERREADY)) == 1 ? TWRC_SUCCESS : TWRC_FAILURE;
}

TW_UINT16 TransferNative(SourceHarness& h, TW_IDENTITY&)
{
    TW_HANDLE dib = nullptr;
    TW_UINT16 rc = h.Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib);
    if (dib && rc == TWRC_XFERDONE) GlobalFree(dib);
    return rc == TWRC_XFERDONE ? TWRC_SUCCESS : rc;
}

TW_UINT16 EndTransfer(SourceHarness& h, TW_IDENTITY&)
{
    TW_PENDINGXFERS pending{};
    TW_UINT16 rc = h.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending);
    if (rc != TWRC_SUCCESS) return rc;
    h.PumpEvents();   // the wake-up message and the close request
    return pending.Count == 0 ? TWRC_SUCCESS : TWRC_FAILURE;
}

TW_UINT16 DisableSource(SourceHarness& h, TW_IDENTITY&)
{
    TW_USERINTERFACE ui{};
    return h.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
}

const SessionStep kSteps[] = {
    {"DAT_IDENTITY/MSG_GET", GetIdentity},
    {"DAT_ENTRYPOINT/MSG_SET", GiveEntryPoints},
    {"MSG_OPENDS", OpenSource},
    {"DAT_CUSTOMDSDATA/MSG_SET", SetSmallPage},
    {"MSG_ENABLEDS without the dialog, MSG_XFERREADY", EnableWithoutDialog},
    {"DAT_IMAGENATIVEXFER/MSG_GET", TransferNative},
    {"MSG_ENDXFER, no page left", EndTransfer},
    {"MSG_DISABLEDS", DisableSource},
    {"MSG_CLOSEDS", CloseSource},
};

class SourceWorkload : public ModuleWorkload {
public:
    explicit SourceWorkload(std::string path) : m_path(std::move(path)) {}

    std::string Cycle() override
    {
        MessageBoxRecorder boxes;
        TW_IDENTITY ds{};
        if (!m_harness.Load(m_path.c_str()))
            return "cannot load " + m_path;
        TW_UINT16 listed = GetIdentity(m_harness, ds);
        m_harness.Unload();
        if (listed != TWRC_SUCCESS)
            return "listing: DAT_IDENTITY/MSG_GET gave " + std::to_string(listed);
        if (!m_harness.Load(m_path.c_str()))
            return "cannot load " + m_path + " again";
        std::string fault;
        for (const SessionStep& step : kSteps) {
            TW_UINT16 rc = step.run(m_harness, ds);
            if (rc != TWRC_SUCCESS) {
                fault = std::string(step.name) + ": " + m_harness.Describe(rc);
                break;
            }
        }
        if (!fault.empty())
            m_harness.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        m_harness.Unload();
        if (fault.empty() && !boxes.Boxes().empty())
            fault = "a message box: " + boxes.Boxes()[0].text;
        return fault;
    }

private:
    std::string m_path;
    SourceHarness m_harness{"Soak App"};
};

}  // namespace

std::unique_ptr<ModuleWorkload> MakeSourceWorkload(const std::string& path)
{
    return std::make_unique<SourceWorkload>(path);
}
