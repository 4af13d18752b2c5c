// CBitmapStatic and CLedIndicator: pictures on a static control drawn with
// magenta (RGB 255, 0, 255) as the transparent colour, without erasing the
// background.
#pragma once

#include <windows.h>

// Draws `cell` of `bitmap` at (x, y) of `dc`, pixels of the transparent
// colour left as the background; the mask comes from `maskCell`.
void DrawTransparent(HDC dc, int x, int y, HBITMAP bitmap, const RECT& cell, const RECT& maskCell);

class CPictureStatic {
public:
    virtual ~CPictureStatic();
    CPictureStatic(const CPictureStatic&) = delete;
    CPictureStatic& operator=(const CPictureStatic&) = delete;
    // Takes over control `id` of `dialog`.
    bool Attach(HWND dialog, int id);
    HWND Window() const { return m_hwnd; }

protected:
    CPictureStatic() = default;
    virtual void Paint(HDC dc) = 0;
    HWND m_hwnd = nullptr;
    HBITMAP m_bitmap = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
};

class CBitmapStatic : public CPictureStatic {
public:
    // Loads bitmap resource `id`, sizes the control to it (placed at the
    // parent's origin; callers move it) and draws it. False when the
    // resource cannot be loaded.
    bool SetBitmap(int id);
    int BitmapId() const { return m_id; }
    SIZE BitmapSize() const { return m_size; }

protected:
    void Paint(HDC dc) override;

private:
    int m_id = 0;
    SIZE m_size = {};
};

class CLedIndicator : public CPictureStatic {
public:
    static constexpr int kCell = 16;
    CLedIndicator();
    // Shows cell (row, column) of bitmap 120 and repaints at once.
    void SetCell(int row, int column);
    int Row() const { return m_row; }
    int Column() const { return m_column; }

protected:
    void Paint(HDC dc) override;

private:
    int m_row = 0;
    int m_column = 1;
};
