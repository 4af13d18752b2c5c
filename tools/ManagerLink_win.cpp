// A data source reached through a TWAIN 2 data source manager: MSG_OPENDSM
// with the client's window, the manager's memory functions from
// DAT_ENTRYPOINT, the source chosen by product name from the manager's list,
// and the notifications through a registered callback (or, when the manager
// takes none, through MSG_PROCESSEVENT, which the message loop reads).
#include <cctype>
#include <cstdio>

#include "SourceLink.h"

namespace {

#pragma pack(push, 2)
struct TW_CALLBACK {
    TW_MEMREF CallBackProc;
    TW_UINT32 RefCon;
    TW_INT16  Message;
};
#pragma pack(pop)

TW_UINT16 TW_CALLINGSTYLE Callback(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                                   TW_MEMREF)
{
    if (dg == DG_CONTROL && dat == DAT_NULL) PostNotification(msg);
    return TWRC_SUCCESS;
}

bool SameName(const char* a, const std::string& b)
{
    size_t i = 0;
    for (; a[i] && i < b.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return a[i] == '\0' && i == b.size();
}

// The manager module and its session (MSG_OPENDSM .. MSG_CLOSEDSM).
class Manager {
public:
    ~Manager() { Unload(); }

    bool Load(const std::string& path, HWND window, std::string& error, TwainFailure& failure)
    {
        m_window = window;
        m_app = ClientIdentity();
        m_module = LoadLibraryA(path.c_str());
        if (!m_module) {
            char buf[48];
            std::snprintf(buf, sizeof buf, " (Windows error %lu)", GetLastError());
            error = "cannot load the data source manager '" + path + "'" + buf;
            return false;
        }
        m_entry = reinterpret_cast<DSMENTRYPROC>(reinterpret_cast<void*>(GetProcAddress(m_module, "DSM_Entry")));
        if (!m_entry) {
            error = "'" + path + "' is not a data source manager (no DSM_Entry)";
            Unload();
            return false;
        }
        if (!Step(nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, &m_window, failure)) {
            error = "the data source manager cannot be opened";
            Unload();
            return false;
        }
        m_dsmOpen = true;
        if (m_app.SupportedGroups & DF_DSM2) {
            m_ep.Size = sizeof m_ep;
            if (m_entry(&m_app, nullptr, DG_CONTROL, DAT_ENTRYPOINT, MSG_GET, &m_ep) != TWRC_SUCCESS) m_ep = {};
        }
        return true;
    }

    bool List(std::vector<TW_IDENTITY>& sources)
    {
        sources.clear();
        TW_IDENTITY id{};
        TW_UINT16 rc = m_entry(&m_app, nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST, &id);
        while (rc == TWRC_SUCCESS && sources.size() < 1000) {
            sources.push_back(id);
            id = {};
            rc = m_entry(&m_app, nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETNEXT, &id);
        }
        return rc == TWRC_ENDOFLIST || rc == TWRC_SUCCESS;
    }

    bool Step(TW_IDENTITY* dest, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data, TwainFailure& failure)
    {
        const TW_UINT16 rc = m_entry(&m_app, dest, dg, dat, msg, data);
        if (rc == TWRC_SUCCESS) return true;
        failure = TwainFailure{};
        failure.dg = dg;
        failure.dat = dat;
        failure.msg = msg;
        failure.rc = rc;
        TW_STATUS status{};
        if (m_entry(&m_app, dest, DG_CONTROL, DAT_STATUS, MSG_GET, &status) == TWRC_SUCCESS) {
            failure.cc = status.ConditionCode;
            failure.haveCc = true;
        }
        return false;
    }

    void Unload()
    {
        if (m_dsmOpen) m_entry(&m_app, nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, &m_window);
        m_dsmOpen = false;
        if (m_module) FreeLibrary(m_module);
        m_module = nullptr;
        m_entry = nullptr;
    }

    TW_IDENTITY m_app{};
    DSMENTRYPROC m_entry = nullptr;
    TW_ENTRYPOINT m_ep{};

private:
    HMODULE m_module = nullptr;
    HWND m_window = nullptr;
    bool m_dsmOpen = false;
};

class ManagerLink : public SourceLink {
public:
    ManagerLink(std::string path, std::string name) : m_path(std::move(path)), m_name(std::move(name)) {}
    ~ManagerLink() override { Close(); }

    bool Open(HWND window, std::string& error, TwainFailure& failure) override
    {
        if (!m_manager.Load(m_path, window, error, failure)) return false;
        std::vector<TW_IDENTITY> sources;
        m_manager.List(sources);
        const TW_IDENTITY* chosen = nullptr;
        for (const TW_IDENTITY& s : sources)
            if (m_name.empty() || SameName(s.ProductName, m_name)) { chosen = &s; break; }
        if (!chosen) {
            if (sources.empty()) error = "the data source manager lists no sources";
            else {
                error = "the data source manager has no source named '" + m_name + "'; it lists:";
                for (const TW_IDENTITY& s : sources) error += std::string(" \"") + s.ProductName + "\"";
            }
            m_manager.Unload();
            return false;
        }
        m_source = *chosen;
        if (!m_manager.Step(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &m_source, failure)) {
            error = std::string("the source \"") + m_source.ProductName + "\" cannot be opened";
            m_manager.Unload();
            return false;
        }
        m_open = true;
        TW_CALLBACK cb{};
        cb.CallBackProc = reinterpret_cast<TW_MEMREF>(&Callback);
        // Without a callback the notifications come through MSG_PROCESSEVENT.
        m_manager.m_entry(&m_manager.m_app, &m_source, DG_CONTROL, DAT_CALLBACK, MSG_REGISTER_CALLBACK, &cb);
        return true;
    }

    void Close() override
    {
        if (m_open) m_manager.m_entry(&m_manager.m_app, nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_source);
        m_open = false;
        m_manager.Unload();
    }

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) override
    {
        if (!m_manager.m_entry) return TWRC_FAILURE;
        return m_manager.m_entry(&m_manager.m_app, &m_source, dg, dat, msg, data);
    }

    const TW_IDENTITY& Source() const override { return m_source; }
    void* Lock(TW_HANDLE h) override { return m_manager.m_ep.DSM_MemLock ? m_manager.m_ep.DSM_MemLock(h) : GlobalLock(h); }
    void Unlock(TW_HANDLE h) override
    {
        if (m_manager.m_ep.DSM_MemUnlock) m_manager.m_ep.DSM_MemUnlock(h);
        else GlobalUnlock(h);
    }
    void Free(TW_HANDLE h) override
    {
        if (m_manager.m_ep.DSM_MemFree) m_manager.m_ep.DSM_MemFree(h);
        else GlobalFree(h);
    }
    // Managers on Windows allocate global memory.
    size_t Size(TW_HANDLE h) override { return GlobalSize(h); }

private:
    std::string m_path, m_name;
    Manager m_manager;
    TW_IDENTITY m_source{};
    bool m_open = false;
};

} // namespace

std::unique_ptr<SourceLink> MakeManagerLink(const std::string& managerPath, const std::string& productName)
{
    return std::make_unique<ManagerLink>(managerPath, productName);
}

bool ListManagerSources(const std::string& managerPath, HWND window, std::vector<TW_IDENTITY>& sources,
                        std::string& error)
{
    Manager manager;
    TwainFailure failure;
    if (!manager.Load(managerPath, window, error, failure)) {
        if (failure.dat) error += ": " + failure.Text();
        return false;
    }
    if (!manager.List(sources)) {
        error = "the data source manager could not list its sources";
        return false;
    }
    return true;
}
