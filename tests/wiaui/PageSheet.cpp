#include "PageSheet.h"

PageSheet::PageSheet(const std::vector<HPROPSHEETPAGE>& pages, HWND owner)
{
    std::vector<HPROPSHEETPAGE> copy(pages);
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.pszCaption = "Tarvex 380 Properties";
    header.nPages = static_cast<UINT>(copy.size());
    header.phpage = copy.data();
    m_sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (m_sheet) ShowWindow(m_sheet, SW_SHOW);
    PumpMessages();
}

PageSheet::~PageSheet()
{
    if (m_sheet && IsWindow(m_sheet)) DestroyWindow(m_sheet);
    PumpMessages();
}

HWND PageSheet::Page() const
{
    return m_sheet ? reinterpret_cast<HWND>(SendMessageA(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
}

void PageSheet::Cancel()
{
    SendMessageA(m_sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    PumpUntil([this] { return Page() == nullptr; }, 2000);
    DestroyWindow(m_sheet);
    m_sheet = nullptr;
    PumpMessages();
}

void PageSheet::StepRight(HWND trackbar)
{
    SendMessageA(trackbar, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(trackbar, WM_KEYUP, VK_RIGHT, 0xC0000001);
}

std::string PageSheet::Text(HWND window, int id)
{
    char text[512] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

BOOL CALLBACK CollectPage(HPROPSHEETPAGE page, LPARAM lParam)
{
    reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(lParam)->push_back(page);
    return TRUE;
}

BOOL CALLBACK RefusePage(HPROPSHEETPAGE, LPARAM) { return FALSE; }

bool PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (GetTickCount() - start >= ms) return false;
        Sleep(10);
    }
}
