#include "MessageBoxRecorder.h"

namespace {
MessageBoxRecorder* g_recorder = nullptr;
constexpr int kMessageTextId = 0xFFFF; // the static control of a message box
// The box is read a moment after it is activated, once it has finished
// setting itself up (its z-order among others).
constexpr UINT kSettleMs = 30;
std::vector<HWND> g_pendingBoxes;
} // namespace

MessageBoxRecorder::MessageBoxRecorder(int fallback) : m_fallback(fallback)
{
    g_recorder = this;
    m_hook = SetWindowsHookExA(WH_CBT, &HookProc, nullptr, GetCurrentThreadId());
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    if (m_hook) UnhookWindowsHookEx(m_hook);
    g_recorder = nullptr;
}

LRESULT CALLBACK MessageBoxRecorder::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    // A box is caught as its window is created, and read once it has
    // settled: waiting for its activation costs seconds under some window
    // managers.
    if (code == HCBT_CREATEWND && g_recorder) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (create && !(create->style & WS_CHILD) && create->lpszClass == reinterpret_cast<LPCSTR>(WC_DIALOG))
            g_recorder->OnActivate(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxRecorder::OnActivate(HWND box)
{
    g_pendingBoxes.push_back(box);
    SetTimer(nullptr, 0, kSettleMs, &MessageBoxRecorder::OnSettled);
}

void CALLBACK MessageBoxRecorder::OnSettled(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_pendingBoxes.empty()) return;
    HWND box = g_pendingBoxes.front();
    g_pendingBoxes.erase(g_pendingBoxes.begin());
    if (g_recorder && box && IsWindow(box) && g_recorder->IsAnswered(box)) g_recorder->Record(box);
}

bool MessageBoxRecorder::IsAnswered(HWND window) const
{
    if (GetDlgItem(window, kMessageTextId)) return true;
    for (int id : m_dialogControls)
        if (GetDlgItem(window, id)) return true;
    return false;
}

bool RecordedBox::Shows(int id) const
{
    for (int v : visibleControls)
        if (v == id) return true;
    return false;
}

void MessageBoxRecorder::Record(HWND box)
{
    RecordedBox r;
    char buf[2048] = {};
    GetWindowTextA(box, buf, sizeof buf);
    r.caption = buf;
    GetDlgItemTextA(box, kMessageTextId, buf, sizeof buf);
    r.text = buf;
    r.owned = GetWindow(box, GW_OWNER) != nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) r.visibleControls.push_back(GetDlgCtrlID(child));
    m_boxes.push_back(r);
    int button = m_fallback;
    if (!m_answers.empty()) {
        button = m_answers.front();
        m_answers.pop_front();
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}
