// The range slider's drawing: the face with its ticks and groove, and the two
// pentagon thumbs, each pointing at the other one.
//
// A thumb is described in axis coordinates: `a` along the axis (growing
// towards the high end), `c` across it. The low thumb's point faces +a, the
// high thumb's -a. A vertical slider's values grow upwards, so there a runs
// against the window's y.
#include "ui/RangeSlider.h"

#include <initializer_list>

#include "ui/WinHandles.h"

namespace {
constexpr int kTickFrom = 5;        // ticks start this far from the edge
constexpr int kTickShortTo = 8;     // a short tick ends here
constexpr int kTickLongTo = 11;     // the ends and the middle
constexpr int kGrooveInset = 9;     // groove starts this far from each end
constexpr int kGrooveFrom = 16;     // and lies this far from the edge
constexpr int kGrooveTo = 19;
constexpr int kBreadth = 18;        // thumb size across the axis
constexpr int kLength = RangeSliderModel::kThumbLength;
constexpr int kPointCount = 5;
const COLORREF kThumbFace = RGB(192, 192, 192);
const COLORREF kShadowDark = RGB(0, 0, 0);
const COLORREF kShadowLight = RGB(128, 128, 128);
const COLORREF kLightOuter = RGB(223, 223, 223);
const COLORREF kLightInner = RGB(255, 255, 255);

// The pentagon in axis coordinates for the low thumb, its far edges at
// `a` = `last` and `c` = `breadth`; the high thumb is its mirror along the
// axis. The window's region takes the outer edges (a region leaves out its
// right and bottom boundary), the outline the last pixels inside.
struct Pentagon {
    POINT points[kPointCount];
};

Pentagon Shape(bool horizontal, bool high, int last, int breadth)
{
    const POINT low[kPointCount] = {{0, 0}, {last / 2, 0}, {last, breadth / 2}, {last / 2, breadth}, {0, breadth}};
    Pentagon out;
    for (int i = 0; i < kPointCount; ++i) {
        const int a = high ? last - low[i].x : low[i].x;
        const int c = low[i].y;
        out.points[i] = horizontal ? POINT{a, c} : POINT{c, last - a};
    }
    return out;
}

POINT ToWindow(POINT axis, bool horizontal, bool high)
{
    const int last = kLength - 1;
    const int a = high ? last - axis.x : axis.x;
    return horizontal ? POINT{a, axis.y} : POINT{axis.y, last - a};
}

void Line(HDC dc, COLORREF colour, POINT from, POINT to)
{
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    ScopedSelect select(dc, pen.Get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

// The pentagon's edges: those facing up or left light, the others dark, each
// drawn twice, the second time one pixel further in.
void Outline(HDC dc, const Pentagon& pentagon)
{
    const POINT* shape = pentagon.points;
    long cx = 0, cy = 0;
    for (const POINT& p : pentagon.points) {
        cx += p.x;
        cy += p.y;
    }
    cx /= kPointCount;
    cy /= kPointCount;
    POINT inner[kPointCount];
    for (int i = 0; i < kPointCount; ++i) {
        inner[i].x = shape[i].x + (cx > shape[i].x ? 1 : (cx < shape[i].x ? -1 : 0));
        inner[i].y = shape[i].y + (cy > shape[i].y ? 1 : (cy < shape[i].y ? -1 : 0));
    }
    for (int i = 0; i < kPointCount; ++i) {
        const int j = (i + 1) % kPointCount;
        // Outward normal of the edge i -> j, for a polygon whose centre is (cx, cy).
        const long mx = (shape[i].x + shape[j].x) / 2 - cx, my = (shape[i].y + shape[j].y) / 2 - cy;
        const bool lit = my < 0 || (my == 0 && mx < 0) || (mx < 0 && -mx > my);
        Line(dc, lit ? kLightOuter : kShadowDark, shape[i], shape[j]);
        Line(dc, lit ? kLightInner : kShadowLight, inner[i], inner[j]);
    }
}
} // namespace

void CRangeSlider::Paint(HDC dc) const
{
    RECT client = {};
    GetClientRect(m_hwnd, &client);
    // The face takes the colour its parent gives its statics (the button face
    // on a plain dialog; a themed page may paint itself otherwise).
    HWND parent = GetParent(m_hwnd);
    HBRUSH face = parent ? reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(m_hwnd)))
                         : nullptr;
    FillRect(dc, &client, face ? face : GetSysColorBrush(COLOR_BTNFACE));
    const int length = Length();
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;

    const COLORREF tickColour = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
    const int ticks = m_model.TickCount();
    for (int i = 0; i < ticks; ++i) {
        const int along = AxisToWindow(m_model.TickPosition(i, length));
        const int to = m_model.IsLongTick(i) ? kTickLongTo : kTickShortTo;
        if (m_horizontal)
            Line(dc, tickColour, {along, kTickFrom}, {along, to});
        else
            Line(dc, tickColour, {kTickFrom, along}, {to, along});
    }

    // The groove, sunken: dark on the top and left, light on the bottom and right.
    RECT groove;
    if (m_horizontal)
        groove = {kGrooveInset, kGrooveFrom, length - kGrooveInset, kGrooveTo};
    else
        groove = {kGrooveFrom, kGrooveInset, kGrooveTo, length - kGrooveInset};
    if (groove.right <= groove.left || groove.bottom <= groove.top) return;
    const POINT topLeft = {groove.left, groove.top}, topRight = {groove.right, groove.top};
    const POINT bottomLeft = {groove.left, groove.bottom}, bottomRight = {groove.right, groove.bottom};
    Line(dc, RGB(0, 0, 0), bottomLeft, topLeft);
    Line(dc, RGB(0, 0, 0), topLeft, topRight);
    Line(dc, RGB(255, 255, 255), topRight, bottomRight);
    Line(dc, RGB(255, 255, 255), bottomRight, {bottomLeft.x - 1, bottomLeft.y});
}

void CRangeSlider::ShapeThumb(const ThumbState& thumb) const
{
    const Pentagon shape = Shape(m_horizontal, thumb.high, kLength, kBreadth);
    HRGN region = CreatePolygonRgn(shape.points, kPointCount, WINDING);
    // The window owns the region once it is set.
    if (region && !SetWindowRgn(thumb.hwnd, region, TRUE)) DeleteObject(region);
}

void CRangeSlider::PaintThumb(const ThumbState& thumb, HDC dc) const
{
    RECT client = {};
    GetClientRect(thumb.hwnd, &client);
    const bool enabled = m_hwnd && IsWindowEnabled(m_hwnd);
    ScopedGdiObject<HBRUSH> face(CreateSolidBrush(enabled ? kThumbFace : GetSysColor(COLOR_BTNFACE)));
    FillRect(dc, &client, face.Get());

    Outline(dc, Shape(m_horizontal, thumb.high, kLength - 1, kBreadth - 1));

    // Three grip lines across the thumb, two pixels apart.
    for (int a : {2, 4, 6}) {
        const POINT from = ToWindow({a, 5}, m_horizontal, thumb.high);
        const POINT to = ToWindow({a, kBreadth - 5}, m_horizontal, thumb.high);
        Line(dc, enabled ? kShadowLight : GetSysColor(COLOR_GRAYTEXT), from, to);
    }
}
