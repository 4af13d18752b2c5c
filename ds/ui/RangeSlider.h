// CRangeSlider: a slider with two thumbs for a low and a high value, drawn
// with GDI. Ticks at every step, a sunken groove, and two pentagon thumbs
// pointing at each other. When a drag ends with values other than the ones
// last reported, the parent receives WM_COMMAND with the control id and then
// kMsgRangeChanged with the id as wParam; it reads the values with GetValues.
#pragma once

#include <windows.h>

#include "ui/RangeSliderModel.h"

// Posted to the parent at the end of a drag that changed the values.
constexpr UINT kMsgRangeChanged = 0x6820;
// The slider's own initialisation message: initialised, thumbs placed.
constexpr UINT kMsgRangeInit = WM_USER + 100;

class CRangeSlider {
public:
    // The control's thickness across the axis.
    static constexpr int kThickness = 27;

    CRangeSlider() = default;
    ~CRangeSlider();
    CRangeSlider(const CRangeSlider&) = delete;
    CRangeSlider& operator=(const CRangeSlider&) = delete;

    // Creates the control at `rect` (its thickness is kThickness, whatever the
    // rectangle's) in `parent`'s client coordinates, with its two thumbs.
    bool Create(HWND parent, const RECT& rect, bool horizontal, int id);
    bool SetRange(int minimum, int maximum, int step);
    void SetValues(int low, int high);
    void GetValues(int& low, int& high) const;

    HWND Window() const { return m_hwnd; }
    HWND Thumb(bool high) const { return m_thumbs[high ? 1 : 0].hwnd; }
    bool Initialised() const { return m_initialised; }

private:
    struct ThumbState {
        CRangeSlider* owner = nullptr;
        HWND hwnd = nullptr;
        bool high = false;
        bool dragging = false;
        int dragStart = 0;
    };

    static LRESULT CALLBACK SliderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ThumbProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static bool RegisterClasses();

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnThumbMessage(ThumbState& thumb, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;
    void PaintThumb(const ThumbState& thumb, HDC dc) const;
    void ShapeThumb(const ThumbState& thumb) const;
    void PlaceThumb(const ThumbState& thumb) const;
    void EndOfDrag();
    int Length() const;
    // Axis coordinate (from the low end) to a window coordinate.
    int AxisToWindow(int a) const { return m_horizontal ? a : Length() - a; }

    HWND m_hwnd = nullptr;
    int m_id = 0;
    bool m_horizontal = true;
    bool m_initialised = false;
    RangeSliderModel m_model;
    int m_reportedLow = 0;
    int m_reportedHigh = 0;
    ThumbState m_thumbs[2];
};
