// A small data source manager for the client's tests (built as TWAINDSM.DLL
// in a folder of its own). It lists the sources of one folder (the folder
// named by TX_TEST_DSM_FOLDER, else its own), opens one by identity, hands
// it the manager's entry points, forwards every triplet and passes the
// source's notifications back: to the application's callback, or, with
// TX_TEST_DSM_NOCALLBACK set (no callback accepted), in TW_EVENT.TWMessage
// of the next MSG_PROCESSEVENT, after a WM_NULL posted to the window given
// with MSG_OPENDSM has woken the application's loop.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "twain/Twain.h"

namespace {

#pragma pack(push, 2)
struct TW_CALLBACK {
    TW_MEMREF CallBackProc;
    TW_UINT32 RefCon;
    TW_INT16  Message;
};
#pragma pack(pop)

struct Listed {
    std::string path;
    TW_IDENTITY identity;
};

HMODULE g_self = nullptr;
bool g_dsmOpen = false;
HWND g_window = nullptr;
TW_IDENTITY g_app{};
TW_UINT16 g_condition = TWCC_SUCCESS;
std::vector<Listed> g_sources;
size_t g_next = 0;
HMODULE g_openModule = nullptr;
DSENTRYPROC g_openEntry = nullptr;
TW_IDENTITY g_openIdentity{};
DSMENTRYPROC g_callback = nullptr;
TW_UINT16 g_pending = MSG_NULL;

TW_HANDLE TW_CALLINGSTYLE Allocate(TW_UINT32 size) { return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size); }
void TW_CALLINGSTYLE FreeHandle(TW_HANDLE h) { GlobalFree(h); }
TW_MEMREF TW_CALLINGSTYLE LockHandle(TW_HANDLE h) { return GlobalLock(h); }
void TW_CALLINGSTYLE UnlockHandle(TW_HANDLE h) { GlobalUnlock(h); }

TW_UINT16 Fail(TW_UINT16 cc)
{
    g_condition = cc;
    return TWRC_FAILURE;
}

std::string Folder()
{
    char buf[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("TX_TEST_DSM_FOLDER", buf, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        std::string f(buf);
        if (f.back() != '\\') f += '\\';
        return f;
    }
    GetModuleFileNameA(g_self, buf, MAX_PATH);
    std::string f(buf);
    return f.substr(0, f.find_last_of('\\') + 1);
}

DSENTRYPROC EntryOf(HMODULE m)
{
    return m ? reinterpret_cast<DSENTRYPROC>(reinterpret_cast<void*>(GetProcAddress(m, "DS_Entry"))) : nullptr;
}

// Loads every *.ds of the folder, asks for its identity and lists those that
// share a data group beyond DG_CONTROL with the application.
void Scan()
{
    g_sources.clear();
    const std::string folder = Folder();
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((folder + "*.ds").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        Listed s;
        s.path = folder + fd.cFileName;
        HMODULE m = LoadLibraryA(s.path.c_str());
        DSENTRYPROC entry = EntryOf(m);
        std::memset(&s.identity, 0, sizeof s.identity);
        if (entry && entry(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_GET, &s.identity) == TWRC_SUCCESS &&
            (s.identity.SupportedGroups & g_app.SupportedGroups & DG_MASK & ~DG_CONTROL)) {
            s.identity.Id = static_cast<TW_UINT32>(g_sources.size() + 2);
            g_sources.push_back(s);
        }
        if (m) FreeLibrary(m);
    } while (FindNextFileA(find, &fd));
    FindClose(find);
}

TW_UINT16 EntryPoints(TW_ENTRYPOINT* ep);

TW_UINT16 OpenSource(TW_IDENTITY* id)
{
    if (g_openModule) return Fail(TWCC_MAXCONNECTIONS);
    const Listed* chosen = nullptr;
    for (const Listed& s : g_sources)
        if (std::strncmp(s.identity.ProductName, id->ProductName, sizeof id->ProductName) == 0) chosen = &s;
    if (!chosen) return Fail(TWCC_NODS);
    HMODULE m = LoadLibraryA(chosen->path.c_str());
    DSENTRYPROC entry = EntryOf(m);
    if (!entry) {
        if (m) FreeLibrary(m);
        return Fail(TWCC_OPERATIONERROR);
    }
    *id = chosen->identity;
    if (id->SupportedGroups & DF_DS2) {
        TW_ENTRYPOINT ep{};
        EntryPoints(&ep);
        if (entry(&g_app, DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &ep) != TWRC_SUCCESS) {
            FreeLibrary(m);
            return Fail(TWCC_OPERATIONERROR);
        }
    }
    const TW_UINT16 rc = entry(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, id);
    if (rc != TWRC_SUCCESS) {
        FreeLibrary(m);
        return Fail(TWCC_OPERATIONERROR);
    }
    g_openModule = m;
    g_openEntry = entry;
    g_openIdentity = *id;
    g_callback = nullptr;
    g_pending = MSG_NULL;
    return TWRC_SUCCESS;
}

TW_UINT16 CloseSource(TW_IDENTITY* id)
{
    if (!g_openModule) return Fail(TWCC_NODS);
    const TW_UINT16 rc = g_openEntry(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, id);
    FreeLibrary(g_openModule);
    g_openModule = nullptr;
    g_openEntry = nullptr;
    g_callback = nullptr;
    return rc;
}

TW_UINT16 ToManager(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);

} // namespace

extern "C" TW_UINT16 TW_CALLINGSTYLE DSM_Entry(TW_IDENTITY* origin, TW_IDENTITY* dest, TW_UINT32 dg, TW_UINT16 dat,
                                               TW_UINT16 msg, TW_MEMREF data)
{
    // A notification from the open source to the application.
    if (origin && g_openModule && origin->Id == g_openIdentity.Id && dg == DG_CONTROL && dat == DAT_NULL) {
        if (g_callback) return g_callback(&g_openIdentity, &g_app, DG_CONTROL, DAT_NULL, msg, nullptr);
        // Wake the application's message loop, which then passes a message
        // through MSG_PROCESSEVENT and receives the notification there.
        g_pending = msg;
        if (g_window) PostMessageA(g_window, WM_NULL, 0, 0);
        return TWRC_SUCCESS;
    }
    if (!origin) return TWRC_FAILURE;
    if (!dest) {
        if (dat == DAT_PARENT && msg == MSG_OPENDSM) {
            g_app = *origin;
            g_window = data ? *static_cast<HWND*>(data) : nullptr;
            if (!g_app.Id) g_app.Id = 1;
            origin->Id = g_app.Id;
            if (origin->SupportedGroups & DF_APP2) origin->SupportedGroups |= DF_DSM2;
            g_app.SupportedGroups = origin->SupportedGroups;
            g_dsmOpen = true;
            return TWRC_SUCCESS;
        }
        return ToManager(dg, dat, msg, data);
    }
    if (!g_openEntry || dest->Id != g_openIdentity.Id) return Fail(TWCC_BADDEST);
    if (dg == DG_CONTROL && dat == DAT_CALLBACK && msg == MSG_REGISTER_CALLBACK) {
        char flag[4];
        if (GetEnvironmentVariableA("TX_TEST_DSM_NOCALLBACK", flag, sizeof flag)) return Fail(TWCC_BADPROTOCOL);
        if (!data) return Fail(TWCC_BADVALUE);
        g_callback = reinterpret_cast<DSMENTRYPROC>(static_cast<TW_CALLBACK*>(data)->CallBackProc);
        return TWRC_SUCCESS;
    }
    const TW_UINT16 rc = g_openEntry(origin, dg, dat, msg, data);
    if (dg == DG_CONTROL && dat == DAT_EVENT && msg == MSG_PROCESSEVENT && data && g_pending != MSG_NULL) {
        static_cast<TW_EVENT*>(data)->TWMessage = g_pending;
        g_pending = MSG_NULL;
    }
    return rc;
}

namespace {

TW_UINT16 EntryPoints(TW_ENTRYPOINT* ep)
{
    ep->Size = sizeof *ep;
    ep->DSM_Entry = DSM_Entry;
    ep->DSM_MemAllocate = Allocate;
    ep->DSM_MemFree = FreeHandle;
    ep->DSM_MemLock = LockHandle;
    ep->DSM_MemUnlock = UnlockHandle;
    return TWRC_SUCCESS;
}

TW_UINT16 ToManager(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data)
{
    if (dg != DG_CONTROL) return Fail(TWCC_BADPROTOCOL);
    if (dat == DAT_STATUS && msg == MSG_GET && data) {
        static_cast<TW_STATUS*>(data)->ConditionCode = g_condition;
        static_cast<TW_STATUS*>(data)->Data = 0;
        g_condition = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    }
    if (!g_dsmOpen) return Fail(TWCC_SEQERROR);
    if (dat == DAT_PARENT && msg == MSG_CLOSEDSM) {
        if (g_openModule) return Fail(TWCC_SEQERROR);
        g_dsmOpen = false;
        return TWRC_SUCCESS;
    }
    if (!data) return Fail(TWCC_BADVALUE);
    if (dat == DAT_ENTRYPOINT && msg == MSG_GET) return EntryPoints(static_cast<TW_ENTRYPOINT*>(data));
    if (dat != DAT_IDENTITY) return Fail(TWCC_BADPROTOCOL);
    TW_IDENTITY* id = static_cast<TW_IDENTITY*>(data);
    switch (msg) {
    case MSG_GETFIRST:
        Scan();
        g_next = 0;
        // fall through
    case MSG_GETNEXT:
        if (g_next >= g_sources.size()) return TWRC_ENDOFLIST;
        *id = g_sources[g_next++].identity;
        return TWRC_SUCCESS;
    case MSG_OPENDS:
        if (g_sources.empty()) Scan();
        return OpenSource(id);
    case MSG_CLOSEDS: return CloseSource(id);
    default: return Fail(TWCC_BADPROTOCOL);
    }
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) g_self = instance;
    return TRUE;
}
