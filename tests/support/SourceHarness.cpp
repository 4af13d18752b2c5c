#include "SourceHarness.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::vector<TW_HANDLE> g_madeHandles;
std::vector<TW_UINT16> g_notifications;

std::function<void(TW_UINT16)> g_hook;

TW_HANDLE TW_CALLINGSTYLE ManagerAllocate(TW_UINT32 size)
{
    TW_HANDLE h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (h) g_madeHandles.push_back(h);
    return h;
}
void TW_CALLINGSTYLE ManagerFree(TW_HANDLE h) { GlobalFree(h); }
TW_MEMREF TW_CALLINGSTYLE ManagerLock(TW_HANDLE h) { return GlobalLock(h); }
void TW_CALLINGSTYLE ManagerUnlock(TW_HANDLE h) { GlobalUnlock(h); }

TW_UINT16 TW_CALLINGSTYLE ManagerEntry(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32 dg, TW_UINT16 dat,
                                       TW_UINT16 msg, TW_MEMREF)
{
    if (dg == DG_CONTROL && dat == DAT_NULL) {
        g_notifications.push_back(msg);
        if (g_hook) g_hook(msg);
    }
    return TWRC_SUCCESS;
}

} // namespace

SourceHarness::SourceHarness(const char* productName)
{
    m_app.Id = 1;
    m_app.Version.MajorNum = 1;
    m_app.Version.Language = TWLG_ENGLISH_USA;
    m_app.Version.Country = TWCY_USA;
    std::snprintf(m_app.Version.Info, sizeof m_app.Version.Info, "1.0");
    m_app.ProtocolMajor = 2;
    m_app.ProtocolMinor = 4;
    m_app.SupportedGroups = DG_CONTROL | DG_IMAGE | DF_APP2;
    std::snprintf(m_app.Manufacturer, sizeof m_app.Manufacturer, "Test House");
    std::snprintf(m_app.ProductFamily, sizeof m_app.ProductFamily, "Tests");
    std::snprintf(m_app.ProductName, sizeof m_app.ProductName, "%s", productName);
}

SourceHarness::~SourceHarness()
{
    Unload();
    if (m_window) DestroyWindow(m_window);
}

HWND SourceHarness::AppWindow()
{
    if (m_window && IsWindow(m_window)) return m_window;
    m_window = CreateWindowExA(0, "STATIC", "Harness application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 320,
                               200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (m_window) SetForegroundWindow(m_window);
    return m_window;
}

TW_UINT16 SourceHarness::ProcessEvent(MSG* message)
{
    TW_EVENT event{message, 0xFFFF};
    return Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
}

int SourceHarness::PumpEvents(DWORD ms, const std::function<bool()>& done)
{
    static const UINT wakeUp = RegisterWindowMessageA("Tarvex380");
    const DWORD start = GetTickCount();
    int taken = 0;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ++taken;
            if (msg.message == wakeUp) ++m_wakeUps;
            if (ProcessEvent(&msg) != TWRC_DSEVENT) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (done && done()) return taken;
        }
        if (done && done()) return taken;
        if (GetTickCount() - start >= ms) return taken;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool SourceHarness::Load(const char* path)
{
    Unload();
    m_module = LoadLibraryA(path);
    if (!m_module) return false;
    m_entry = reinterpret_cast<DSENTRYPROC>(reinterpret_cast<void*>(GetProcAddress(m_module, "DS_Entry")));
    if (!m_entry) Unload();
    return m_entry != nullptr;
}

void SourceHarness::Unload()
{
    if (m_module) FreeLibrary(m_module);
    m_module = nullptr;
    m_entry = nullptr;
}

TW_UINT16 SourceHarness::Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data)
{
    return CallWithOrigin(&m_app, dg, dat, msg, data);
}

TW_UINT16 SourceHarness::CallWithOrigin(TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                                        void* data)
{
    return m_entry ? m_entry(origin, dg, dat, msg, data) : TWRC_FAILURE;
}

TW_UINT16 SourceHarness::ConditionCode()
{
    TW_STATUS status{0xFFFF, 0xFFFF};
    if (Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status) != TWRC_SUCCESS) return 0xFFFF;
    return status.ConditionCode;
}

TW_UINT16 SourceHarness::GiveEntryPoints(TW_UINT32 size)
{
    TW_ENTRYPOINT ep = ManagerEntryPoints(size);
    return Call(DG_CONTROL, DAT_ENTRYPOINT, MSG_SET, &ep);
}

TW_ENTRYPOINT SourceHarness::ManagerEntryPoints(TW_UINT32 size)
{
    TW_ENTRYPOINT ep{};
    ep.Size = size;
    ep.DSM_Entry = &ManagerEntry;
    ep.DSM_MemAllocate = &ManagerAllocate;
    ep.DSM_MemFree = &ManagerFree;
    ep.DSM_MemLock = &ManagerLock;
    ep.DSM_MemUnlock = &ManagerUnlock;
    return ep;
}

int SourceHarness::AllocationsByManager() { return static_cast<int>(g_madeHandles.size()); }

bool SourceHarness::MadeByManager(TW_HANDLE handle)
{
    return std::find(g_madeHandles.begin(), g_madeHandles.end(), handle) != g_madeHandles.end();
}

void SourceHarness::OnNotification(std::function<void(TW_UINT16)> hook) { g_hook = std::move(hook); }

const std::vector<TW_UINT16>& SourceHarness::Notifications() { return g_notifications; }

void SourceHarness::ClearRecords()
{
    g_madeHandles.clear();
    g_notifications.clear();
}

std::string SourceHarness::Describe(TW_UINT16 rc)
{
    char text[64];
    std::snprintf(text, sizeof text, "rc %u cc %u", rc, ConditionCode());
    return text;
}
