#include "ui/RulerWnd.h"

#include <commctrl.h>

#include <cstdio>

#include "ui/PreviewMath.h"

CRulerWnd::~CRulerWnd()
{
    if (m_hwnd) RemoveWindowSubclass(m_hwnd, &CRulerWnd::Proc, 1);
}

bool CRulerWnd::Attach(HWND dialog, int id)
{
    m_hwnd = GetDlgItem(dialog, id);
    if (!m_hwnd) return false;
    return SetWindowSubclass(m_hwnd, &CRulerWnd::Proc, 1, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void CRulerWnd::SetRulerView(int units, int zoom, int scrollX, int scrollY)
{
    m_units = units;
    m_zoom = zoom;
    m_scrollX = scrollX;
    m_scrollY = scrollY;
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CRulerWnd::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int width = client.right, height = client.bottom;
    HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(dc, &client, face);
    DeleteObject(face);
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    const bool horizontal = width > height;
    const int length = horizontal ? width : height;
    const int depth = horizontal ? height : width;
    const int units = m_units == 0 ? 0 : 1;
    const auto marks = RulerMarks(horizontal, units, m_zoom, horizontal ? m_scrollX : m_scrollY, length);

    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, black);
    auto line = [&](int along, int from, int to) {
        if (horizontal) {
            MoveToEx(dc, along, from, nullptr);
            LineTo(dc, along, to);
        } else {
            MoveToEx(dc, from, along, nullptr);
            LineTo(dc, to, along);
        }
    };
    auto label = [&](int along, int at, int number) {
        char text[16];
        const int n = std::snprintf(text, sizeof text, "%2d", number);
        if (horizontal) TextOutA(dc, along, at, text, n);
        else TextOutA(dc, at, along, text, n);
    };
    for (int pass = 0; pass < 2; ++pass) {
        SelectObject(dc, pass == 0 ? black : white);
        SetTextColor(dc, pass == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        for (const RulerMark& m : marks) {
            const int start = m.longTick ? depth / 2 : depth * 3 / 4;
            if (pass == 0) line(m.position, start, depth);
            else line(m.position + 1, start + 1, depth - 1);
            if (m.label < 0) continue;
            int along = m.position + pass;
            if (horizontal && units == 1) along -= 2;
            label(along, 1 + pass, m.label);
        }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldFont);
    DeleteObject(black);
    DeleteObject(white);
}

LRESULT CALLBACK CRulerWnd::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* ruler = reinterpret_cast<CRulerWnd*>(self);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        ruler->Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &CRulerWnd::Proc, 1);
        ruler->m_hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
