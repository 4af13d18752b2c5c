#include "ui/FrameTracker.h"

#include <windows.h>

#include <algorithm>

namespace {

bool InBox(int x, int y, int left, int top)
{
    return x >= left && x < left + kTrackerHandle && y >= top && y < top + kTrackerHandle;
}

} // namespace

int TrackerHitTest(const PixelRect& r, int x, int y)
{
    const int left = std::min(r.left, r.right), right = std::max(r.left, r.right);
    const int top = std::min(r.top, r.bottom), bottom = std::max(r.top, r.bottom);
    if (x < left || x >= right || y < top || y >= bottom) return kHitNothing;
    const int h = kTrackerHandle;
    const int midX = left + (right - left - h) / 2, midY = top + (bottom - top - h) / 2;
    if (InBox(x, y, left, top)) return kHitTopLeft;
    if (InBox(x, y, right - h, top)) return kHitTopRight;
    if (InBox(x, y, right - h, bottom - h)) return kHitBottomRight;
    if (InBox(x, y, left, bottom - h)) return kHitBottomLeft;
    if (InBox(x, y, midX, top)) return kHitTop;
    if (InBox(x, y, right - h, midY)) return kHitRight;
    if (InBox(x, y, midX, bottom - h)) return kHitBottom;
    if (InBox(x, y, left, midY)) return kHitLeft;
    return kHitMiddle;
}

PixelRect TrackerDrag(const PixelRect& start, int hit, int px, int py, int x, int y, int cw, int ch)
{
    x = std::clamp(x, 0, cw);
    y = std::clamp(y, 0, ch);
    PixelRect r = start;
    if (hit == kHitMiddle) {
        const int w = start.right - start.left, h = start.bottom - start.top;
        const int dx = std::clamp(x - px, -start.left, cw - start.right);
        const int dy = std::clamp(y - py, -start.top, ch - start.bottom);
        r.left = start.left + dx;
        r.top = start.top + dy;
        r.right = r.left + w;
        r.bottom = r.top + h;
        return r;
    }
    const int dx = x - px, dy = y - py;
    if (hit == kHitTopLeft || hit == kHitBottomLeft || hit == kHitLeft) r.left = std::clamp(start.left + dx, 0, cw);
    if (hit == kHitTopRight || hit == kHitBottomRight || hit == kHitRight) r.right = std::clamp(start.right + dx, 0, cw);
    if (hit == kHitTopLeft || hit == kHitTopRight || hit == kHitTop) r.top = std::clamp(start.top + dy, 0, ch);
    if (hit == kHitBottomLeft || hit == kHitBottomRight || hit == kHitBottom) r.bottom = std::clamp(start.bottom + dy, 0, ch);
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

const char* TrackerCursor(int hit)
{
    switch (hit) {
    case kHitTopLeft:
    case kHitBottomRight: return IDC_SIZENWSE;
    case kHitTopRight:
    case kHitBottomLeft: return IDC_SIZENESW;
    case kHitTop:
    case kHitBottom: return IDC_SIZENS;
    case kHitLeft:
    case kHitRight: return IDC_SIZEWE;
    case kHitMiddle: return IDC_SIZEALL;
    default: return nullptr;
    }
}
