// The range slider's windows: the slider itself and its two thumbs, their
// classes, the drag and the notifications. Its drawing is in
// RangeSliderPaint.cpp, its arithmetic in RangeSliderModel.cpp.
#include "ui/RangeSlider.h"

#include <windowsx.h>

#include "session/ModuleHandle.h"

namespace {
const char kSliderClass[] = "TxRangeSlider";
const char kThumbClass[] = "TxRangeSliderThumb";
constexpr int kThumbOffset = 8;    // from the top (left) edge to the thumbs
constexpr int kThumbBreadth = 18;  // thumb size across the axis

// The class `name` with procedure `proc` of this module. A class left by an
// earlier load of the module (the system keeps a library's classes after it
// is freed) points at code that is gone: it is replaced.
bool EnsureClass(const char* name, WNDPROC proc, HBRUSH background)
{
    HINSTANCE module = ModuleHandle();
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(module, name, &existing)) {
        if (existing.lpfnWndProc == proc) return true;
        UnregisterClassA(name, module);
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}
} // namespace

CRangeSlider::~CRangeSlider()
{
    if (m_hwnd && IsWindow(m_hwnd)) {
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
        for (ThumbState& thumb : m_thumbs)
            if (thumb.hwnd && IsWindow(thumb.hwnd)) SetWindowLongPtrA(thumb.hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool CRangeSlider::RegisterClasses()
{
    return EnsureClass(kSliderClass, &SliderProc, nullptr) && EnsureClass(kThumbClass, &ThumbProc, nullptr);
}

bool CRangeSlider::Create(HWND parent, const RECT& rect, bool horizontal, int id)
{
    if (m_hwnd || !parent || !IsWindow(parent) || !RegisterClasses()) return false;
    m_id = id;
    m_horizontal = horizontal;
    m_initialised = false;
    m_placedAtEnds = false;
    const int width = horizontal ? rect.right - rect.left : kThickness;
    const int height = horizontal ? kThickness : rect.bottom - rect.top;
    HWND slider = CreateWindowExA(0, kSliderClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left, rect.top,
                                  width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ModuleHandle(), this);
    if (!slider) return false;
    for (int i = 0; i < 2; ++i) {
        ThumbState& thumb = m_thumbs[i];
        thumb.owner = this;
        thumb.high = i == 1;
        thumb.dragging = false;
        const int w = horizontal ? RangeSliderModel::kThumbLength : kThumbBreadth;
        const int h = horizontal ? kThumbBreadth : RangeSliderModel::kThumbLength;
        if (!CreateWindowExA(0, kThumbClass, "", WS_CHILD | WS_VISIBLE, 0, 0, w, h, slider, nullptr, ModuleHandle(),
                             &thumb)) {
            DestroyWindow(slider);
            return false;
        }
        ShapeThumb(thumb);
    }
    PlaceThumbs();
    return true;
}

bool CRangeSlider::SetRange(int minimum, int maximum, int step)
{
    if (!m_model.SetRange(minimum, maximum, step)) return false;
    m_reportedLow = m_model.Low();
    m_reportedHigh = m_model.High();
    if (m_hwnd) {
        PlaceThumbs();
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    return true;
}

void CRangeSlider::SetValues(int low, int high)
{
    m_model.SetValues(low, high);
    m_reportedLow = m_model.Low();
    m_reportedHigh = m_model.High();
    PlaceThumbs();
}

void CRangeSlider::GetValues(int& low, int& high) const
{
    low = m_model.Low();
    high = m_model.High();
}

int CRangeSlider::Length() const
{
    RECT client = {};
    if (m_hwnd) GetClientRect(m_hwnd, &client);
    return m_horizontal ? client.right : client.bottom;
}

void CRangeSlider::PlaceThumb(const ThumbState& thumb) const
{
    if (!thumb.hwnd) return;
    const int length = Length();
    int along;
    if (thumb.high) {
        const int edge = m_model.HighThumbEdge(length);   // facing the low thumb
        along = m_horizontal ? edge : length - edge - RangeSliderModel::kThumbLength;
    } else {
        const int edge = m_model.LowThumbEdge(length);    // facing the high thumb
        along = m_horizontal ? edge - RangeSliderModel::kThumbLength : length - edge;
    }
    const int x = m_horizontal ? along : kThumbOffset;
    const int y = m_horizontal ? kThumbOffset : along;
    SetWindowPos(thumb.hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CRangeSlider::PlaceThumbs() const
{
    for (const ThumbState& thumb : m_thumbs) PlaceThumb(thumb);
}

void CRangeSlider::OnInitialise()
{
    m_initialised = true;
    if (!m_placedAtEnds) {
        m_placedAtEnds = true;
        SetValues(m_model.Minimum(), m_model.Maximum());
    } else {
        PlaceThumbs();
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void CRangeSlider::OnThumbMoved(bool high, int pixels)
{
    ThumbState& thumb = m_thumbs[high ? 1 : 0];
    const int target = thumb.dragValue + m_model.UnitsFor(pixels, Length());
    if (high)
        m_model.MoveHigh(target - m_model.High());
    else
        m_model.MoveLow(target - m_model.Low());
    PlaceThumb(thumb);
}

void CRangeSlider::EndOfDrag()
{
    if (m_model.Low() == m_reportedLow && m_model.High() == m_reportedHigh) return;
    m_reportedLow = m_model.Low();
    m_reportedHigh = m_model.High();
    HWND parent = GetParent(m_hwnd);
    if (!parent) return;
    PostMessageA(parent, WM_COMMAND, MAKEWPARAM(m_id, 0), reinterpret_cast<LPARAM>(m_hwnd));
    PostMessageA(parent, kMsgRangeChanged, static_cast<WPARAM>(m_id), 0);
}

int CRangeSlider::AxisPosition(LPARAM lParam, HWND from) const
{
    POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(from, &p);
    return m_horizontal ? p.x : -p.y;
}

LRESULT CALLBACK CRangeSlider::SliderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CRangeSlider*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->m_hwnd = hwnd;
    }
    auto* self = reinterpret_cast<CRangeSlider*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (self) {
            self->m_hwnd = nullptr;
            for (ThumbState& thumb : self->m_thumbs) thumb.hwnd = nullptr;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CRangeSlider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        Paint(dc);
        EndPaint(m_hwnd, &ps);
        if (!m_initialised) PostMessageA(m_hwnd, kMsgRangeInit, 0, 0);
        return 0;
    }
    case WM_SIZE:
        if (m_initialised) PlaceThumbs();
        return 0;
    case WM_ENABLE:
        InvalidateRect(m_hwnd, nullptr, TRUE);
        for (const ThumbState& thumb : m_thumbs)
            if (thumb.hwnd) InvalidateRect(thumb.hwnd, nullptr, TRUE);
        return 0;
    case kMsgRangeInit:
        OnInitialise();
        return 0;
    case kMsgThumbMoved:
        OnThumbMoved(lParam == 1, static_cast<int>(static_cast<INT_PTR>(wParam)));
        return 0;
    case kMsgThumbReleased:
        EndOfDrag();
        return 0;
    default:
        return DefWindowProcA(m_hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK CRangeSlider::ThumbProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* thumb = static_cast<ThumbState*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(thumb));
        if (thumb) thumb->hwnd = hwnd;
    }
    auto* thumb = reinterpret_cast<ThumbState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (thumb) thumb->hwnd = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (!thumb || !thumb->owner) return DefWindowProcA(hwnd, message, wParam, lParam);
    return thumb->owner->OnThumbMessage(*thumb, message, wParam, lParam);
}

LRESULT CRangeSlider::OnThumbMessage(ThumbState& thumb, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(thumb.hwnd, &ps);
        PaintThumb(thumb, dc);
        EndPaint(thumb.hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        if (!m_hwnd || !IsWindowEnabled(m_hwnd)) return 0;
        SetCapture(thumb.hwnd);
        thumb.dragging = true;
        thumb.dragStart = AxisPosition(lParam, thumb.hwnd);
        thumb.dragValue = thumb.high ? m_model.High() : m_model.Low();
        return 0;
    case WM_MOUSEMOVE:
        if (thumb.dragging) {
            const int moved = AxisPosition(lParam, thumb.hwnd) - thumb.dragStart;
            PostMessageA(m_hwnd, kMsgThumbMoved, static_cast<WPARAM>(static_cast<INT_PTR>(moved)), thumb.high ? 1 : 0);
        }
        return 0;
    case WM_LBUTTONUP:
        if (thumb.dragging) {
            thumb.dragging = false;   // before the release, which reports the capture's loss
            PostMessageA(m_hwnd, kMsgThumbReleased, 0, thumb.high ? 1 : 0);
            ReleaseCapture();
            InvalidateRect(thumb.hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (a message box, Alt+Tab): the drag ends
        // where the thumb stands.
        if (thumb.dragging) {
            thumb.dragging = false;
            PostMessageA(m_hwnd, kMsgThumbReleased, 0, thumb.high ? 1 : 0);
            InvalidateRect(thumb.hwnd, nullptr, TRUE);
        }
        return 0;
    default:
        return DefWindowProcA(thumb.hwnd, message, wParam, lParam);
    }
}
