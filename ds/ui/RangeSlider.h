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
// The slider's own initialisation message: initialised, thumbs placed. Only
// the first one places the thumbs at the ends of the range; later ones (the
// slider posts one at its first paint, after its owner may have set values)
// keep the values.
constexpr UINT kMsgRangeInit = WM_USER + 100;
// From a thumb to its slider: a drag moved it by wParam pixels (signed, from
// where the drag began); lParam is 1 for the high thumb.
constexpr UINT kMsgThumbMoved = WM_USER;
// From a thumb to its slider: the drag ended.
constexpr UINT kMsgThumbReleased = WM_USER + 1;

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
    // False when it exists already or a window cannot be made.
    bool Create(HWND parent, const RECT& rect, bool horizontal, int id);
    // False (nothing changed) when the span is less than 2 or odd, the step
    // not positive, or the step does not divide the span.
    bool SetRange(int minimum, int maximum, int step);
    // Both values, by the placement rules of RangeSliderModel.
    void SetValues(int low, int high);
    void GetValues(int& low, int& high) const;
    const RangeSliderModel& Model() const { return m_model; }

    HWND Window() const { return m_hwnd; }
    HWND Thumb(bool high) const { return m_thumbs[high ? 1 : 0].hwnd; }
    bool Initialised() const { return m_initialised; }

private:
    struct ThumbState {
        CRangeSlider* owner = nullptr;
        HWND hwnd = nullptr;
        bool high = false;
        bool dragging = false;
        int dragStart = 0;   // screen coordinate along the axis at button down
        int dragValue = 0;   // the thumb's value at button down
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
    void PlaceThumbs() const;
    void OnInitialise();
    void OnThumbMoved(bool high, int pixels);
    void EndOfDrag();
    // The mouse position along the axis in screen coordinates, growing
    // towards the high end.
    int AxisPosition(LPARAM lParam, HWND from) const;
    int Length() const;
    // Axis coordinate (from the low end) to a window coordinate.
    int AxisToWindow(int a) const { return m_horizontal ? a : Length() - a; }

    HWND m_hwnd = nullptr;
    int m_id = 0;
    bool m_horizontal = true;
    bool m_initialised = false;
    bool m_placedAtEnds = false;
    RangeSliderModel m_model;
    int m_reportedLow = 0;
    int m_reportedHigh = 0;
    ThumbState m_thumbs[2];
};
