// The preview window's painting, scrolling and mouse handling.
#include "ui/PreviewWnd.h"

#include <windowsx.h>

#include <algorithm>

#include "settings/Presets.h"
#include "ui/FrameTracker.h"

void CPreviewWnd::ReleaseBuffer()
{
    if (m_memoryDC) {
        SelectObject(m_memoryDC, m_oldBitmap);
        DeleteDC(m_memoryDC);
    }
    if (m_memoryBitmap) DeleteObject(m_memoryBitmap);
    m_memoryDC = nullptr;
    m_memoryBitmap = nullptr;
    m_oldBitmap = nullptr;
}

void CPreviewWnd::Paint(HDC dc)
{
    if (!m_memoryDC) {
        m_memoryDC = CreateCompatibleDC(dc);
        m_memoryBitmap = CreateCompatibleBitmap(dc, std::max(m_cw, 1), std::max(m_ch, 1));
        if (!m_memoryDC || !m_memoryBitmap) {
            ReleaseBuffer();
            return;
        }
        m_oldBitmap = SelectObject(m_memoryDC, m_memoryBitmap);
        RenderPreview();
    }
    BitBlt(dc, 0, 0, m_cw, m_ch, m_memoryDC, 0, 0, SRCCOPY);

    const ScanSettings& s = *m_settings;
    auto mapX = [&](int x) { return (x - m_scrollX) * m_zoom * m_cw / kAreaWidth; };
    auto mapY = [&](int y) { return (y - m_scrollY) * m_zoom * m_ch / kAreaLength; };
    const int x1 = mapX(s.Left) + 1, y1 = mapY(s.Top) + 1, x2 = mapX(s.Right), y2 = mapY(s.Bottom) + 1;
    HPEN pen = CreatePen(PS_DOT, 0, RGB(255, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, x1, y1, x2 + 1, y2);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const int mx = x1 + ((x2 - 2) - x1) / 2, my = y1 + ((y2 - 3) - y1) / 2;
    const POINT handles[8] = {{x1 + 1, y1 + 1}, {x2 - 2, y1 + 1}, {x2 - 2, y2 - 3}, {x1 + 1, y2 - 3},
                              {mx + 1, y1 + 1}, {mx + 1, y2 - 3}, {x1 + 1, my + 1}, {x2 - 2, my + 1}};
    for (const POINT& p : handles) {
        RECT box = {p.x, p.y, p.x + 3, p.y + 3};
        FillRect(dc, &box, red);
    }
    DeleteObject(red);
}

void CPreviewWnd::Scroll(int bar, int code)
{
    const int p = GetScrollPos(m_hwnd, bar);
    int next = p;
    switch (code) {
    case SB_LINEUP: next = p - 1; break;
    case SB_LINEDOWN: next = p + 1; break;
    case SB_PAGEUP: next = p - 8; break;
    case SB_PAGEDOWN: next = p + 8; break;
    default: break;
    }
    int minPos, maxPos;
    GetScrollRange(m_hwnd, bar, &minPos, &maxPos);
    next = std::clamp(next, minPos, std::max(minPos, maxPos));
    if (next == p) return;
    (bar == SB_HORZ ? m_scrollX : m_scrollY) = next * 50 / m_zoom;
    SetScrollPos(m_hwnd, bar, next, TRUE);
    UpdateRulers();
    RenderPreview();
    Invalidate();
}

void CPreviewWnd::SaveFrame()
{
    m_savedTop = m_settings->Top;
    m_savedBottom = m_settings->Bottom;
    m_savedLeft = m_settings->Left;
    m_savedRight = m_settings->Right;
}

void CPreviewWnd::RestoreIfTooSmall()
{
    ScanSettings& s = *m_settings;
    if (s.Right - s.Left < kMinFrame || s.Bottom - s.Top < kMinFrame) {
        s.Top = m_savedTop;
        s.Bottom = m_savedBottom;
        s.Left = m_savedLeft;
        s.Right = m_savedRight;
    }
}

void CPreviewWnd::OnLeftDown(int x, int y)
{
    if (m_mode == kModeZoomView) {
        SetZoom(+1);
        return;
    }
    if (m_mode != kModeRangeView) return;
    RECT screen = m_clientRect;
    const int hit = TrackerHitTest(m_tracker, x, y);
    SaveFrame();
    if (hit == kHitNothing) {
        MapWindowPoints(m_hwnd, nullptr, reinterpret_cast<POINT*>(&screen), 2);
        ClipCursor(&screen);
        m_dragging = true;
        m_anchorX = m_currentX = x;
        m_anchorY = m_currentY = y;
    } else {
        RECT limit = m_clientRect;
        if (hit == kHitMiddle) {
            limit.left += x - m_tracker.left;
            limit.top += y - m_tracker.top;
            limit.right += x - m_tracker.right;
            limit.bottom += y - m_tracker.bottom;
        }
        MapWindowPoints(m_hwnd, nullptr, reinterpret_cast<POINT*>(&limit), 2);
        ClipCursor(&limit);
        m_trackHit = hit;
        m_trackX = x;
        m_trackY = y;
        m_trackStart = m_tracker;
    }
    SetCapture(m_hwnd);
}

void CPreviewWnd::OnMouseMove(int x, int y)
{
    if (m_dragging) {
        m_currentX = x;
        m_currentY = y;
        FrameFromPoints(m_anchorX, m_anchorY, m_currentX, m_currentY, m_cw, m_ch, *m_settings);
        Invalidate();
    } else if (m_trackHit != kHitNothing) {
        const PixelRect r = TrackerDrag(m_trackStart, m_trackHit, m_trackX, m_trackY, x, y, m_cw, m_ch);
        FrameFromPoints(r.left, r.top, r.right, r.bottom, m_cw, m_ch, *m_settings);
        Invalidate();
    }
}

void CPreviewWnd::OnLeftUp(int x, int y)
{
    if (m_dragging) {
        m_dragging = false;
        m_currentX = x;
        m_currentY = y;
        ClipCursor(nullptr);
        FrameFromPoints(m_anchorX, m_anchorY, m_currentX, m_currentY, m_cw, m_ch, *m_settings);
        m_anchorX = m_anchorY = m_currentX = m_currentY = 0;
    } else if (m_trackHit != kHitNothing) {
        const int hit = m_trackHit;
        m_trackHit = kHitNothing;
        ClipCursor(nullptr);
        const PixelRect r = TrackerDrag(m_trackStart, hit, m_trackX, m_trackY, x, y, m_cw, m_ch);
        FrameFromPoints(r.left, r.top, r.right, r.bottom, m_cw, m_ch, *m_settings);
        RestoreIfTooSmall();
        TrackerFromFrame();
        if (GetCapture() == m_hwnd) ReleaseCapture();
        SyncPage();
        if (hit != kHitMiddle) UpdateSizeLabels();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return;
    } else {
        return;
    }
    if (GetCapture() == m_hwnd) ReleaseCapture();
    RestoreIfTooSmall();
    TrackerFromFrame();
    SyncPage();
    UpdateSizeLabels();
    Invalidate();
}

void CPreviewWnd::OnContextMenu(int x, int y)
{
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (int k = 0; k < kPageSizeCount; ++k) AppendMenuA(menu, MF_STRING, kPreviewSizeMenuFirst + k, PageSizeName(k).c_str());
    POINT p = {x, y};
    ClientToScreen(m_hwnd, &p);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, p.x, p.y, 0, m_hwnd, nullptr);
    DestroyMenu(menu);
}

LRESULT CPreviewWnd::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        Paint(dc);
        EndPaint(m_hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
        if (LOWORD(wParam) == SB_THUMBPOSITION) {
            int minPos, maxPos;
            GetScrollRange(m_hwnd, bar, &minPos, &maxPos);
            const int target = std::clamp(static_cast<int>(static_cast<short>(HIWORD(wParam))), minPos, std::max(minPos, maxPos));
            if (target != GetScrollPos(m_hwnd, bar)) {
                (bar == SB_HORZ ? m_scrollX : m_scrollY) = target * 50 / m_zoom;
                SetScrollPos(m_hwnd, bar, target, TRUE);
                UpdateRulers();
                RenderPreview();
                Invalidate();
            }
        } else {
            Scroll(bar, LOWORD(wParam));
        }
        return 0;
    }
    case WM_SETCURSOR:
        if (m_mode == kModeRangeView && LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(m_hwnd, &p);
            const char* cursor = TrackerCursor(TrackerHitTest(m_tracker, p.x, p.y));
            if (cursor) {
                SetCursor(LoadCursor(nullptr, cursor));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLeftDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLeftUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        // The mouse action ends whatever took the mouse: the cursor is free again.
        if (reinterpret_cast<HWND>(lParam) != m_hwnd && (m_dragging || m_trackHit != kHitNothing)) {
            ClipCursor(nullptr);
        }
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        if (m_mode == kModeZoomView) SetZoom(-1);
        else if (m_mode == kModeRangeView && message == WM_RBUTTONDOWN) OnContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id >= kPreviewSizeMenuFirst && id < kPreviewSizeMenuFirst + kPageSizeCount) {
            ApplyPageSize(id - kPreviewSizeMenuFirst + 1, m_settings);
            NotifyPreview(kPreviewFrame);
            SyncPage();
        }
        return 0;
    }
    case WM_DESTROY:
        ClipCursor(nullptr);
        ReleaseBuffer();
        break;
    default:
        break;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CPreviewWnd::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CPreviewWnd*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<CPreviewWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hwnd = hwnd;
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_CREATE) {
        self->LoadPreviewImage();
        SetScrollRange(hwnd, SB_HORZ, 0, 0, FALSE);
        SetScrollRange(hwnd, SB_VERT, 0, 0, FALSE);
        self->m_zoom = 1;
        self->m_scrollX = self->m_scrollY = 0;
        return 0;
    }
    const LRESULT result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}
