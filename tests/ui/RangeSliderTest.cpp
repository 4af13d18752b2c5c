// The two-thumb range slider: its range and placement rules and geometry
// without windows, then the window itself: creation, the initialisation
// message, a drag and its notifications, and a class left over from an
// earlier load of the module.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>

#include "TestWindows.h"
#include "session/ModuleHandle.h"
#include "ui/RangeSlider.h"

namespace {

TEST(RangeSliderModel, SetRangeRefusesSpansTheTicksCannotDivide)
{
    RangeSliderModel m;
    EXPECT_TRUE(m.SetRange(0, 180, 1));
    EXPECT_FALSE(m.SetRange(0, 181, 1)) << "odd span";
    EXPECT_FALSE(m.SetRange(0, 180, 7)) << "step does not divide the span";
    EXPECT_FALSE(m.SetRange(5, 6, 1)) << "span below 2";
    EXPECT_FALSE(m.SetRange(10, 0, 1)) << "maximum below minimum";
    EXPECT_FALSE(m.SetRange(0, 180, 0));
    EXPECT_FALSE(m.SetRange(0, 180, -2));
    EXPECT_FALSE(m.SetRange(-2000000000, 2000000000, 1)) << "a span beyond int";
    EXPECT_EQ(m.Minimum(), 0);
    EXPECT_EQ(m.Maximum(), 180) << "a refused range changes nothing";
    EXPECT_EQ(m.Step(), 1);
    EXPECT_TRUE(m.SetRange(-10, 10, 5));
}

TEST(RangeSliderModel, ThumbsStayInTheRangeAndNeverCross)
{
    RangeSliderModel m;
    ASSERT_TRUE(m.SetRange(0, 180, 1));
    m.SetValues(-5, 300);
    EXPECT_EQ(m.Low(), 0);
    EXPECT_EQ(m.High(), 180);
    m.SetValues(150, 100);
    EXPECT_EQ(m.High(), 100);
    EXPECT_EQ(m.Low(), 100) << "low is limited to high";

    m.SetValues(35, 85);
    m.MoveLow(200);
    EXPECT_EQ(m.Low(), 85) << "dragging the low thumb past the high one stops it there";
    m.MoveLow(-500);
    EXPECT_EQ(m.Low(), 0);
    m.MoveHigh(-500);
    EXPECT_EQ(m.High(), 0) << "the high thumb stops at the low value";
    m.MoveHigh(1000);
    EXPECT_EQ(m.High(), 180);

    // A narrower range pulls the values in.
    ASSERT_TRUE(m.SetRange(20, 60, 2));
    EXPECT_EQ(m.Low(), 20);
    EXPECT_EQ(m.High(), 60);
}

TEST(RangeSliderModel, ThumbEdgesAndTicksAlongTheAxis)
{
    RangeSliderModel m;
    ASSERT_TRUE(m.SetRange(0, 180, 1));
    const int length = 207;   // 179 usable pixels for 180 units
    m.SetValues(0, 180);
    EXPECT_EQ(m.LowThumbEdge(length), 15);
    EXPECT_EQ(m.HighThumbEdge(length), 179 + 14);
    m.SetValues(90, 90);
    EXPECT_EQ(m.LowThumbEdge(length), m.HighThumbEdge(length) + 1) << "equal values: the points touch";
    EXPECT_EQ(m.UnitsFor(100, length), 100);   // 100 / 0.994 truncated
    EXPECT_EQ(m.UnitsFor(-1, length), -1);
    EXPECT_EQ(m.UnitsFor(50, 20), 0) << "a control too short for its margins moves nothing";

    EXPECT_EQ(m.TickCount(), 181);
    EXPECT_EQ(m.TickPosition(0, length), 14);
    EXPECT_EQ(m.TickPosition(180, length), 193);
    EXPECT_TRUE(m.IsLongTick(0));
    EXPECT_TRUE(m.IsLongTick(90));
    EXPECT_TRUE(m.IsLongTick(180));
    EXPECT_FALSE(m.IsLongTick(45));

    // One step over the whole span: two ticks, both long, no division by 0.
    ASSERT_TRUE(m.SetRange(0, 2, 2));
    EXPECT_EQ(m.TickCount(), 2);
    EXPECT_TRUE(m.IsLongTick(1));
}

class RangeSliderWindow : public ::testing::Test {
protected:
    RECT Rect(HWND window) const
    {
        RECT r = {};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, parent.Get(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static void Pump() { WaitUntil([] { return false; }, 100, true); }
    // A drag of `thumb` by `pixels` along the axis, in the thumb's own messages.
    static void Drag(HWND thumb, int pixels)
    {
        SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 8));
        SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(4 + pixels / 2, 8));
        SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(4 + pixels), 8));
        SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(4 + pixels), 8));
        Pump();
    }
    RecorderWindow parent;
};

TEST_F(RangeSliderWindow, CreatedWithItsThumbsAndPlacedAtTheEndsOnlyOnce)
{
    CRangeSlider slider;
    ASSERT_TRUE(slider.Create(parent.Get(), RECT{20, 30, 227, 40}, true, 1150));
    EXPECT_FALSE(slider.Create(parent.Get(), RECT{20, 30, 227, 40}, true, 1150)) << "made once";
    ASSERT_TRUE(slider.SetRange(0, 180, 1));
    EXPECT_FALSE(slider.SetRange(0, 181, 1));
    const RECT r = Rect(slider.Window());
    EXPECT_EQ(r.right - r.left, 207);
    EXPECT_EQ(r.bottom - r.top, CRangeSlider::kThickness);
    EXPECT_EQ(GetDlgCtrlID(slider.Window()), 1150);

    // The owner's initialisation message places the thumbs at the ends.
    SendMessageA(slider.Window(), kMsgRangeInit, 0, 0);
    EXPECT_TRUE(slider.Initialised());
    int low = -1, high = -1;
    slider.GetValues(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 180);

    // Values set afterwards survive the slider's own message at its first paint.
    slider.SetValues(95, 145);
    UpdateWindow(slider.Window());
    Pump();
    slider.GetValues(low, high);
    EXPECT_EQ(low, 95);
    EXPECT_EQ(high, 145);

    RECT lowThumb = {}, highThumb = {};
    GetWindowRect(slider.Thumb(false), &lowThumb);
    GetWindowRect(slider.Thumb(true), &highThumb);
    MapWindowPoints(nullptr, slider.Window(), reinterpret_cast<POINT*>(&lowThumb), 2);
    MapWindowPoints(nullptr, slider.Window(), reinterpret_cast<POINT*>(&highThumb), 2);
    EXPECT_EQ(lowThumb.right - lowThumb.left, 10);
    EXPECT_EQ(lowThumb.bottom - lowThumb.top, 18);
    EXPECT_EQ(lowThumb.top, 8);
    EXPECT_EQ(lowThumb.right, slider.Model().LowThumbEdge(207));
    EXPECT_EQ(highThumb.left, slider.Model().HighThumbEdge(207));
}

TEST_F(RangeSliderWindow, ADragNotifiesTheParentOnlyWhenTheValuesChanged)
{
    CRangeSlider slider;
    ASSERT_TRUE(slider.Create(parent.Get(), RECT{10, 10, 217, 20}, true, 1150));
    ASSERT_TRUE(slider.SetRange(0, 180, 1));
    SendMessageA(slider.Window(), kMsgRangeInit, 0, 0);
    slider.SetValues(35, 85);

    Drag(slider.Thumb(false), 300);   // far past the high thumb
    int low = -1, high = -1;
    slider.GetValues(low, high);
    EXPECT_EQ(low, 85) << "stopped at the high value";
    EXPECT_EQ(high, 85);
    EXPECT_EQ(parent.Count(kMsgRangeChanged, 1150), 1);
    EXPECT_EQ(parent.Count(WM_COMMAND, 1150), 1);
    EXPECT_EQ(GetCapture(), nullptr) << "the mouse is released";

    Drag(slider.Thumb(true), 40);
    slider.GetValues(low, high);
    EXPECT_EQ(high, 125) << "40 pixels of 179 for 180 units";
    EXPECT_EQ(parent.Count(kMsgRangeChanged, 1150), 2);

    // There and back again: nothing new to report.
    SendMessageA(slider.Thumb(true), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 8));
    SendMessageA(slider.Thumb(true), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 8));
    SendMessageA(slider.Thumb(true), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(4, 8));
    SendMessageA(slider.Thumb(true), WM_LBUTTONUP, 0, MAKELPARAM(4, 8));
    Pump();
    EXPECT_EQ(parent.Count(kMsgRangeChanged, 1150), 2);

    // A disabled slider cannot be dragged.
    EnableWindow(slider.Window(), FALSE);
    Drag(slider.Thumb(false), -50);
    slider.GetValues(low, high);
    EXPECT_EQ(low, 85);
    EXPECT_EQ(parent.Count(kMsgRangeChanged, 1150), 2);
}

TEST_F(RangeSliderWindow, VerticalValuesGrowUpwards)
{
    CRangeSlider slider;
    ASSERT_TRUE(slider.Create(parent.Get(), RECT{10, 10, 20, 130}, false, 7));
    ASSERT_TRUE(slider.SetRange(0, 100, 2));
    SendMessageA(slider.Window(), kMsgRangeInit, 0, 0);
    const RECT r = Rect(slider.Window());
    EXPECT_EQ(r.right - r.left, CRangeSlider::kThickness);
    EXPECT_EQ(r.bottom - r.top, 120);
    RECT lowThumb = {}, highThumb = {};
    GetWindowRect(slider.Thumb(false), &lowThumb);
    GetWindowRect(slider.Thumb(true), &highThumb);
    EXPECT_GT(lowThumb.top, highThumb.top) << "the low thumb stands below the high one";
    // Dragging the high thumb down lowers the high value.
    SendMessageA(slider.Thumb(true), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 4));
    SendMessageA(slider.Thumb(true), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 4 + 46));
    SendMessageA(slider.Thumb(true), WM_LBUTTONUP, 0, MAKELPARAM(8, 4 + 46));
    Pump();
    int low = -1, high = -1;
    slider.GetValues(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 50);
}

LRESULT CALLBACK StaleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(RangeSliderWindow, AClassLeftByAnEarlierLoadIsReplaced)
{
    // What a freed and reloaded module finds: its class name taken, pointing
    // at another procedure.
    WNDCLASSA stale = {};
    stale.lpfnWndProc = &StaleProc;
    stale.hInstance = ModuleHandle();
    stale.lpszClassName = "TxRangeSlider";
    UnregisterClassA("TxRangeSlider", ModuleHandle());
    ASSERT_NE(RegisterClassA(&stale), 0);
    CRangeSlider slider;
    ASSERT_TRUE(slider.Create(parent.Get(), RECT{10, 10, 217, 20}, true, 3));
    ASSERT_TRUE(slider.SetRange(0, 180, 1));
    SendMessageA(slider.Window(), kMsgRangeInit, 0, 0);
    EXPECT_TRUE(slider.Initialised()) << "the slider runs its own procedure";
}

} // namespace
