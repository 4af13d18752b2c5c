// A data source loaded directly: the client plays the manager's part. It
// asks for the identity, hands over its entry points (DAT_ENTRYPOINT, with
// global memory as allocator) and opens the source; the source's calls back
// into "DSM_Entry" are its notifications.
#include <cstdio>
#include <deque>

#include "SourceLink.h"

namespace {

std::deque<TW_UINT16> g_queue;

TW_HANDLE TW_CALLINGSTYLE Allocate(TW_UINT32 size) { return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size); }
void TW_CALLINGSTYLE FreeHandle(TW_HANDLE h) { GlobalFree(h); }
TW_MEMREF TW_CALLINGSTYLE LockHandle(TW_HANDLE h) { return GlobalLock(h); }
void TW_CALLINGSTYLE UnlockHandle(TW_HANDLE h) { GlobalUnlock(h); }

// The manager side of the direct link: notifications only.
TW_UINT16 TW_CALLINGSTYLE ManagerEntry(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                                       TW_MEMREF)
{
    if (dg == DG_CONTROL && dat == DAT_NULL &&
        (msg == MSG_XFERREADY || msg == MSG_CLOSEDSREQ || msg == MSG_CLOSEDSOK)) {
        PostNotification(msg);
        return TWRC_SUCCESS;
    }
    return TWRC_FAILURE;
}

std::string WinError(const char* what, const std::string& path)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, " (Windows error %lu)", GetLastError());
    return std::string(what) + " '" + path + "'" + buf;
}

class DirectLink : public SourceLink {
public:
    explicit DirectLink(std::string path) : m_path(std::move(path)) { m_app = ClientIdentity(); }
    ~DirectLink() override { Close(); }

    bool Open(HWND, std::string& error, TwainFailure& failure) override
    {
        m_module = LoadLibraryA(m_path.c_str());
        if (!m_module) {
            error = WinError("cannot load the data source", m_path);
            return false;
        }
        m_entry = reinterpret_cast<DSENTRYPROC>(reinterpret_cast<void*>(GetProcAddress(m_module, "DS_Entry")));
        if (!m_entry) {
            error = "'" + m_path + "' is not a TWAIN data source (no DS_Entry)";
            Unload();
            return false;
        }
        if (!Step(DAT_IDENTITY, MSG_GET, &m_source, failure)) return Fail(error, "the source does not identify itself");
        m_source.Id = m_app.Id + 1;
        if (m_source.SupportedGroups & DF_DS2) {
            TW_ENTRYPOINT ep{};
            ep.Size = sizeof ep;
            ep.DSM_Entry = ManagerEntry;
            ep.DSM_MemAllocate = Allocate;
            ep.DSM_MemFree = FreeHandle;
            ep.DSM_MemLock = LockHandle;
            ep.DSM_MemUnlock = UnlockHandle;
            if (!Step(DAT_ENTRYPOINT, MSG_SET, &ep, failure)) return Fail(error, "the source refused the entry points");
        }
        if (!Step(DAT_IDENTITY, MSG_OPENDS, &m_source, failure)) return Fail(error, "the source cannot be opened");
        m_open = true;
        return true;
    }

    void Close() override
    {
        if (m_open) m_entry(&m_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_source);
        m_open = false;
        Unload();
    }

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) override
    {
        return m_entry ? m_entry(&m_app, dg, dat, msg, data) : TWRC_FAILURE;
    }

    const TW_IDENTITY& Source() const override { return m_source; }
    void* Lock(TW_HANDLE h) override { return GlobalLock(h); }
    void Unlock(TW_HANDLE h) override { GlobalUnlock(h); }
    void Free(TW_HANDLE h) override { GlobalFree(h); }
    size_t Size(TW_HANDLE h) override { return GlobalSize(h); }

private:
    bool Step(TW_UINT16 dat, TW_UINT16 msg, void* data, TwainFailure& failure)
    {
        const TW_UINT16 rc = m_entry(&m_app, DG_CONTROL, dat, msg, data);
        if (rc == TWRC_SUCCESS) return true;
        failure = TwainFailure{};
        failure.dg = DG_CONTROL;
        failure.dat = dat;
        failure.msg = msg;
        failure.rc = rc;
        TW_STATUS status{};
        if (m_entry(&m_app, DG_CONTROL, DAT_STATUS, MSG_GET, &status) == TWRC_SUCCESS) {
            failure.cc = status.ConditionCode;
            failure.haveCc = true;
        }
        return false;
    }

    bool Fail(std::string& error, const char* what)
    {
        error = std::string(what) + " ('" + m_path + "')";
        Unload();
        return false;
    }

    void Unload()
    {
        if (m_module) FreeLibrary(m_module);
        m_module = nullptr;
        m_entry = nullptr;
    }

    std::string m_path;
    HMODULE m_module = nullptr;
    DSENTRYPROC m_entry = nullptr;
    TW_IDENTITY m_app{};
    TW_IDENTITY m_source{};
    bool m_open = false;
};

} // namespace

TW_IDENTITY ClientIdentity()
{
    TW_IDENTITY id{};
    id.Id = 1;
    id.Version.MajorNum = 1;
    id.Version.MinorNum = 0;
    id.Version.Language = TWLG_ENGLISH_USA;
    id.Version.Country = TWCY_USA;
    std::snprintf(id.Version.Info, sizeof id.Version.Info, "1.0");
    id.ProtocolMajor = 2;
    id.ProtocolMinor = 4;
    id.SupportedGroups = DG_CONTROL | DG_IMAGE | DF_APP2;
    std::snprintf(id.Manufacturer, sizeof id.Manufacturer, "VSK");
    std::snprintf(id.ProductFamily, sizeof id.ProductFamily, "Tarvex tools");
    std::snprintf(id.ProductName, sizeof id.ProductName, "txscan");
    return id;
}

void PostNotification(TW_UINT16 msg) { g_queue.push_back(msg); }

bool TakeNotification(TW_UINT16& msg)
{
    if (g_queue.empty()) return false;
    msg = g_queue.front();
    g_queue.pop_front();
    return true;
}

void ClearNotifications() { g_queue.clear(); }

std::unique_ptr<SourceLink> MakeDirectLink(const std::string& dsPath)
{
    return std::make_unique<DirectLink>(dsPath);
}
