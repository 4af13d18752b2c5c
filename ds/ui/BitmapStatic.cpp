#include "ui/BitmapStatic.h"

#include <commctrl.h>

#include "session/ModuleHandle.h"
#include "ui/resource.h"

namespace {
constexpr UINT_PTR kSubclassId = 0x6273;
constexpr COLORREF kTransparent = RGB(255, 0, 255);
} // namespace

void DrawTransparent(HDC dc, int x, int y, HBITMAP bitmap, const RECT& cell, const RECT& maskCell)
{
    const int w = cell.right - cell.left, h = cell.bottom - cell.top;
    if (!bitmap || w <= 0 || h <= 0) return;
    HDC picture = CreateCompatibleDC(dc);
    HDC mask = CreateCompatibleDC(dc);
    HDC work = CreateCompatibleDC(dc);
    HBITMAP maskBits = CreateBitmap(w, h, 1, 1, nullptr);
    HBITMAP workBits = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ oldPicture = SelectObject(picture, bitmap);
    HGDIOBJ oldMask = SelectObject(mask, maskBits);
    HGDIOBJ oldWork = SelectObject(work, workBits);

    // The background under the control, the mask (transparent pixels white),
    // then picture XOR, AND mask, XOR again: the transparent pixels keep the
    // background, the others show the picture.
    BitBlt(work, 0, 0, w, h, dc, x, y, SRCCOPY);
    const COLORREF oldBk = SetBkColor(picture, kTransparent);
    BitBlt(mask, 0, 0, w, h, picture, maskCell.left, maskCell.top, SRCCOPY);
    SetBkColor(picture, oldBk);
    const COLORREF oldWorkBk = SetBkColor(work, RGB(255, 255, 255));
    const COLORREF oldWorkText = SetTextColor(work, RGB(0, 0, 0));
    BitBlt(work, 0, 0, w, h, picture, cell.left, cell.top, SRCINVERT);
    BitBlt(work, 0, 0, w, h, mask, 0, 0, SRCAND);
    BitBlt(work, 0, 0, w, h, picture, cell.left, cell.top, SRCINVERT);
    SetBkColor(work, oldWorkBk);
    SetTextColor(work, oldWorkText);
    BitBlt(dc, x, y, w, h, work, 0, 0, SRCCOPY);

    SelectObject(work, oldWork);
    SelectObject(mask, oldMask);
    SelectObject(picture, oldPicture);
    DeleteObject(workBits);
    DeleteObject(maskBits);
    DeleteDC(work);
    DeleteDC(mask);
    DeleteDC(picture);
}

CPictureStatic::~CPictureStatic()
{
    if (m_hwnd && IsWindow(m_hwnd)) RemoveWindowSubclass(m_hwnd, &Proc, kSubclassId);
    if (m_bitmap) DeleteObject(m_bitmap);
}

bool CPictureStatic::Attach(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control) return false;
    m_hwnd = control;
    SetWindowSubclass(m_hwnd, &Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

LRESULT CALLBACK CPictureStatic::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<CPictureStatic*>(data);
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self) self->Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &Proc, kSubclassId);
        if (self) self->m_hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool CBitmapStatic::SetBitmap(int id)
{
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = static_cast<HBITMAP>(LoadImageA(ModuleHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    m_size = {};
    m_id = m_bitmap ? id : 0;
    if (!m_bitmap) return false;
    BITMAP info = {};
    GetObjectA(m_bitmap, sizeof info, &info);
    m_size = {info.bmWidth, info.bmHeight};
    if (m_hwnd) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, m_size.cx, m_size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(m_hwnd, nullptr, FALSE);
        UpdateWindow(m_hwnd);
    }
    return true;
}

void CBitmapStatic::Paint(HDC dc)
{
    const RECT all = {0, 0, m_size.cx, m_size.cy};
    DrawTransparent(dc, 0, 0, m_bitmap, all, all);
}

CLedIndicator::CLedIndicator()
{
    m_bitmap = static_cast<HBITMAP>(LoadImageA(ModuleHandle(), MAKEINTRESOURCEA(IDB_LED_CELLS), IMAGE_BITMAP, 0, 0, 0));
}

void CLedIndicator::SetCell(int row, int column)
{
    m_row = row;
    m_column = column;
    if (m_hwnd) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
        UpdateWindow(m_hwnd);
    }
}

void CLedIndicator::Paint(HDC dc)
{
    const RECT cell = {m_column * kCell, m_row * kCell, (m_column + 1) * kCell, (m_row + 1) * kCell};
    const RECT mask = {0, 0, kCell, kCell};
    DrawTransparent(dc, 0, 0, m_bitmap, cell, mask);
}
