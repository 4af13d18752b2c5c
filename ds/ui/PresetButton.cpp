#include "ui/PresetButton.h"

#include <commctrl.h>

namespace {
constexpr int kNumberHeight = -16;
constexpr int kNumberWeight = 700;
constexpr int kFocusInset = 4;
} // namespace

HFONT CPresetButton::NumberFont()
{
    static HFONT font = [] {
        LOGFONTA lf = {};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
        lf.lfHeight = kNumberHeight;
        lf.lfWeight = kNumberWeight;
        return CreateFontIndirectA(&lf);
    }();
    return font;
}

void CPresetButton::Draw(const DRAWITEMSTRUCT& item)
{
    RECT rc = item.rcItem;
    UINT state = DFCS_BUTTONPUSH;
    if (item.itemState & ODS_SELECTED) state |= DFCS_PUSHED;
    DrawFrameControl(item.hDC, &rc, DFC_BUTTON, state);

    char caption[16] = {};
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    if (caption[0]) {
        HGDIOBJ oldFont = SelectObject(item.hDC, NumberFont());
        const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
        const COLORREF oldColour = SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(item.hDC, caption, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetTextColor(item.hDC, oldColour);
        SetBkMode(item.hDC, oldMode);
        SelectObject(item.hDC, oldFont);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(item.hDC, &focus);
    }
}

bool CPresetButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_RBUTTONDOWN && Window()) {
        NMHDR header = {};
        header.hwndFrom = Window();
        header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Window()));
        header.code = NM_RCLICK;
        SendMessageA(GetParent(Window()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    return CToolTipButton::OnMessage(message, wParam, lParam, result);
}
