#include "ui/ScanSheetWindow.h"

#include <commctrl.h>

#include "common/text/DsLanguage.h"
#include "device/Prefeed.h"
#include "device/ScannerChecks.h"
#include "session/ModuleHandle.h"
#include "session/ShowMessage.h"
#include "ui/SheetDispatch.h"
#include "ui/SheetPages.h"

bool g_sheetPaperPresent = false;
bool g_sheetPaperRefresh = true;

namespace {

constexpr UINT_PTR kPaperTimer = 1;
constexpr int kApplyButton = 0x3021;
constexpr UINT_PTR kSubclassId = 1;


void CentreOver(HWND window, HWND parent)
{
    RECT rc = {}, area = {};
    GetWindowRect(window, &rc);
    MONITORINFO monitor = {sizeof monitor};
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    area = work;
    if (parent && IsWindowVisible(parent) && !IsIconic(parent)) GetWindowRect(parent, &area);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    int x = area.left + ((area.right - area.left) - w) / 2;
    int y = area.top + ((area.bottom - area.top) - h) / 2;
    if (x + w > work.right) x = work.right - w;
    if (y + h > work.bottom) y = work.bottom - h;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The desktop (given for a null hParent) and other processes' windows are
// never disabled.
bool OwnWindow(HWND window)
{
    if (!window || window == GetDesktopWindow() || !IsWindow(window)) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == GetCurrentProcessId();
}

} // namespace

CScanSheet::CScanSheet(HWND parent, int startSlot)
    : m_parent(parent), m_startSlot(startSlot), m_paper([] { return IsPaperPresent(); }, [] { PrefeedDocument(); })
{
}

CScanSheet::~CScanSheet() { DestroyWindowNow(); }

CPropertyPageBase* CScanSheet::Page(int slot) const
{
    return slot >= 0 && slot < kSheetSlotCount ? m_pages[slot].get() : nullptr;
}

bool CScanSheet::Create()
{
    HPROPSHEETPAGE handles[kSheetSlotCount] = {};
    int count = 0, start = 0;
    for (int slot = 0; slot < kSheetSlotCount; ++slot) {
        const SheetSlotEntry& entry = SheetSlotAt(slot);
        if (!entry.make) continue;
        m_pages[slot] = entry.make();
        m_titles[slot] = tx::DsText(*entry.title);
        HPROPSHEETPAGE page = m_pages[slot]->CreatePage(entry.templateId(), m_titles[slot].c_str());
        if (!page) {
            m_pages[slot].reset();
            continue;
        }
        if (slot == m_startSlot) start = count;
        handles[count++] = page;
    }
    if (count == 0) return false;

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.hwndParent = OwnWindow(m_parent) ? m_parent : nullptr;
    header.hInstance = ModuleHandle();
    header.pszCaption = kMessageCaption;
    header.nPages = count;
    header.nStartPage = start;
    header.phpage = handles;
    const INT_PTR made = PropertySheetA(&header);
    HWND hwnd = made > 0 ? reinterpret_cast<HWND>(made) : nullptr;
    if (!hwnd || !IsWindow(hwnd)) {
        m_hwnd = nullptr;
        return false;
    }
    m_hwnd = hwnd;
    SetWindowSubclass(m_hwnd, &SheetProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (m_timerTicks) SetTimer(m_hwnd, kPaperTimer, kSheetPaperPeriodMs, nullptr);
    // The parent is disabled once the sheet exists: a sheet made over a
    // disabled owner fails here.
    if (OwnWindow(m_parent)) EnableWindow(m_parent, FALSE);
    LayOut();
    ShowWindow(m_hwnd, SW_SHOW);
    return true;
}


void CScanSheet::DestroyWindowNow()
{
    if (!m_hwnd) return;
    HWND hwnd = m_hwnd;
    m_hwnd = nullptr;
    if (OwnWindow(m_parent)) EnableWindow(m_parent, TRUE);
    KillTimer(hwnd, kPaperTimer);
    RemoveWindowSubclass(hwnd, &SheetProc, kSubclassId);
    DestroyWindow(hwnd);
}

// The buttons of the sheet go, and the window ends where the Apply button
// began; then the topmost rule and the place over the parent.
void CScanSheet::LayOut()
{
    if (!ForegroundIsThisProcess())
        SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int id : {IDOK, IDCANCEL, kApplyButton}) {
        HWND button = GetDlgItem(m_hwnd, id);
        if (button) ShowWindow(button, SW_HIDE);
    }
    RECT sheet = {}, apply = {};
    GetWindowRect(m_hwnd, &sheet);
    HWND applyButton = GetDlgItem(m_hwnd, kApplyButton);
    if (applyButton && GetWindowRect(applyButton, &apply) && apply.top > sheet.top)
        SetWindowPos(m_hwnd, nullptr, 0, 0, sheet.right - sheet.left, apply.top - sheet.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOver(m_hwnd, OwnWindow(m_parent) ? m_parent : nullptr);
}

int CScanSheet::ActiveSlot() const
{
    if (!m_hwnd) return -1;
    HWND current = reinterpret_cast<HWND>(SendMessageA(m_hwnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (int slot = 0; slot < kSheetSlotCount; ++slot)
        if (m_pages[slot] && current && m_pages[slot]->Window() == current) return slot;
    return -1;
}

bool CScanSheet::OnPaperTick()
{
    if (!m_paper.Tick(m_pollPaper && !m_busy && GetActiveWindow() == m_hwnd)) return false;
    g_sheetPaperRefresh = false;
    g_sheetPaperPresent = m_paper.PaperPresent();
    return true;
}

void CScanSheet::UseTimerTicks(bool timer)
{
    if (timer == m_timerTicks) return;
    m_timerTicks = timer;
    if (timer)
        SetTimer(m_hwnd, kPaperTimer, kSheetPaperPeriodMs, nullptr);
    else
        KillTimer(m_hwnd, kPaperTimer);
}

bool CScanSheet::Translate(MSG* message)
{
    SheetDispatchScope scope;
    HWND hwnd = m_hwnd;
    if (!hwnd || !message) return false;
    if (message->hwnd != hwnd && !IsChild(hwnd, message->hwnd)) return false;
    if (message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE) {
        OnCancel();
        return true;
    }
    return IsDialogMessageA(hwnd, message) != FALSE;
}

bool CScanSheet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && ActiveSlot() == kSlotCustom)
            PostMessageA(m_pages[kSlotCustom]->Window(), kMsgRefreshPage, 0, 0);
        return false;
    case WM_TIMER:
        if (wParam == kPaperTimer && m_timerTicks) OnPaperTick();
        return false;
    case WM_CLOSE:
        OnCancel();
        result = 0;
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
            OnScan();
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED) {
            OnCancel();
            return true;
        }
        return false;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND) OnCancel();
        result = TRUE;
        return true;
    case kMsgPollPaper:
        m_pollPaper = wParam != 0;
        return true;
    case kMsgPaperClock:
        UseTimerTicks(wParam == 0);
        return true;
    case kMsgPaperTick:
        result = OnPaperTick() ? 1 : 0;
        return true;
    default:
        (void)lParam;
        return false;
    }
}

LRESULT CALLBACK CScanSheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data)
{
    SheetDispatchScope scope;
    auto* self = reinterpret_cast<CScanSheet*>(data);
    LRESULT result = 0;
    if (self && self->m_hwnd == hwnd && self->HandleMessage(message, wParam, lParam, result)) return result;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &SheetProc, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
