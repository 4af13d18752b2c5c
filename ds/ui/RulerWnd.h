// CRulerWnd: a ruler beside the preview, drawn on a static control of the
// page. Wider than tall is the horizontal ruler (across the scan area),
// otherwise the vertical one (along it). Inches or centimetres, following the
// preview's zoom and scroll offsets.
#pragma once

#include <windows.h>

class CRulerWnd {
public:
    CRulerWnd() = default;
    ~CRulerWnd();
    CRulerWnd(const CRulerWnd&) = delete;
    CRulerWnd& operator=(const CRulerWnd&) = delete;

    bool Attach(HWND dialog, int id);
    HWND Window() const { return m_hwnd; }
    // Stores the view and repaints with background erase.
    void SetRulerView(int units, int zoom, int scrollX, int scrollY);
    int Units() const { return m_units; }
    int Zoom() const { return m_zoom; }

private:
    void Paint(HDC dc);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);

    HWND m_hwnd = nullptr;
    int m_units = 1;
    int m_zoom = 1;
    int m_scrollX = 0;
    int m_scrollY = 0;
};
