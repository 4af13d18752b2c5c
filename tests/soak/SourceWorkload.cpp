// The data source's session as an application runs it through a manager:
// the manager lists the source (load, identity, unload), then loads it again,
// identifies it, hands over its entry points, opens and closes it and unloads
// it, all through the manager-playing harness. The source loads and frees
// the simulated driver library at every open and close, as in use. Every
// step of the session is a row of kSteps: a transfer goes between open and
// close.
#include "ModuleWorkload.h"
#include "MessageBoxRecorder.h"
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

const SessionStep kSteps[] = {
    {"DAT_IDENTITY/MSG_GET", GetIdentity},
    {"DAT_ENTRYPOINT/MSG_SET", GiveEntryPoints},
    {"MSG_OPENDS", OpenSource},
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
