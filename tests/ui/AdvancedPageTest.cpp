// The Advanced Settings page on its own template in a sheet: layout and
// hidden controls, the tone sliders' coupling, colour dropout with its hue
// window and threshold, the lamp's on-time, the prefeed box, Reset, and what
// a return to the page shows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "AdvancedPageFixture.h"
#include "caps/CapValues.h"
#include "session/DataSourceApp.h"
#include "ui/resource.h"

#include "ScreenshotHold.h"

namespace {

RECT RectIn(HWND window, HWND in)
{
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(AdvancedPageTest, LayoutCaptionsRangesAndTheControlsNeverShown)
{
    ASSERT_TRUE(Show());
    EXPECT_EQ(Text(IDC_ADV_GAMMA_LABEL), "Gamma");
    EXPECT_EQ(Text(IDC_ADV_HIGHLIGHT_LABEL), "Highlight");
    EXPECT_EQ(Text(IDC_ADV_SHADOW_LABEL), "Shadow");
    EXPECT_EQ(Text(IDC_ADV_BW_LABEL), "BW Threshold:");
    EXPECT_EQ(Text(IDC_ADV_RESET), "Reset");
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 1.8");
    EXPECT_EQ(Text(IDC_ADV_HIGHLIGHT_VALUE), "255");
    EXPECT_EQ(Text(IDC_ADV_SHADOW_VALUE), "  0");
    EXPECT_EQ(Text(IDC_ADV_UV_LABEL), "On Time (sec):") << "the template's text stays";

    HWND list = Item(IDC_ADV_DROP_COLOR);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);
    char item[32] = {};
    SendMessageA(list, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Blue");

    const struct {
        int id, minimum, maximum;
    } ranges[] = {{IDC_ADV_GAMMA, 10, 40}, {IDC_ADV_HIGHLIGHT, 5, 255}, {IDC_ADV_SHADOW, 0, 250}, {IDC_ADV_BW_SLIDER, 0, 255}};
    for (const auto& r : ranges) {
        EXPECT_EQ(SendMessageA(Item(r.id), TBM_GETRANGEMIN, 0, 0), r.minimum) << r.id;
        EXPECT_EQ(SendMessageA(Item(r.id), TBM_GETRANGEMAX, 0, 0), r.maximum) << r.id;
    }
    INT low = -1, high = -1;
    SendMessageA(Item(IDC_ADV_BLOB_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 500);
    SendMessageA(Item(IDC_ADV_UV_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(high, 10);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(Item(IDC_ADV_SAT_SPIN), UDM_GETBUDDY, 0, 0)), Item(IDC_ADV_SAT_MIN));

    for (int id : {IDC_ADV_CLEAR_PAGE, IDC_ADV_SENSOR_GROUP, IDC_ADV_SENSOR_TEXT, IDC_ADV_SENSOR_RESET})
        EXPECT_FALSE(Visible(id)) << id;
    for (int id : {IDC_ADV_CONTINUOUS, IDC_ADV_AUTO_ROTATE, IDC_ADV_PREFEED, IDC_ADV_UV_ON, IDC_ADV_SPECTRUM})
        EXPECT_TRUE(Visible(id)) << id;

    // The hue window: under the strip, 5 pixels below it, 14 and 13 pixels
    // wider, the slider's own thickness.
    HWND hue = advanced->HueWindow().Window();
    ASSERT_NE(hue, nullptr);
    EXPECT_EQ(GetDlgCtrlID(hue), IDC_ADV_HUE_WINDOW);
    const RECT strip = RectIn(Item(IDC_ADV_SPECTRUM), page), window = RectIn(hue, page);
    EXPECT_EQ(window.left, strip.left - 14);
    EXPECT_EQ(window.right, strip.right + 13);
    EXPECT_EQ(window.top, strip.bottom + 5);
    EXPECT_EQ(window.bottom - window.top, CRangeSlider::kThickness);
    EXPECT_EQ(advanced->HueWindow().Model().Maximum(), 180);

    // The template's order is the tab order.
    const int order[] = {1155, 1018, 1019, 1020, 1036, 1037, 1038, 1039, 1040, 1041, 1156, 1157, 1140, 1141, 1142,
                         1158, 1143, 1148, 1159, 1144, 1146, 1160, 1145, 1147, 1149, 1151, 1152, 1161, 1153, 1154,
                         1165, 1166, 1167, 1131, 1175, 1176, 1177, 1178, 1179, 1003, 1181, 1191, 1192, 1193};
    std::vector<int> seen;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) != IDC_ADV_HUE_WINDOW) seen.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(seen, std::vector<int>(std::begin(order), std::end(order)));
}

TEST_F(AdvancedPageTest, HighlightStaysFiveAboveShadow)
{
    settings.Highlight = 50;
    settings.Shadow = 60;   // stored too close: the refresh couples them
    ASSERT_TRUE(Show());
    EXPECT_EQ(settings.Shadow, 45);
    EXPECT_EQ(Position(IDC_ADV_SHADOW), 45);

    Scroll(IDC_ADV_SHADOW, 120);
    EXPECT_EQ(settings.Highlight, 125);
    Scroll(IDC_ADV_HIGHLIGHT, 200);
    Scroll(IDC_ADV_HIGHLIGHT, 100);
    EXPECT_EQ(settings.Highlight, 100);
    EXPECT_EQ(settings.Shadow, 95);
    EXPECT_EQ(Position(IDC_ADV_SHADOW), 95);
    EXPECT_EQ(Text(IDC_ADV_SHADOW_VALUE), " 95");

    Scroll(IDC_ADV_SHADOW, 252);   // beyond the range: the slider stops at 250
    EXPECT_EQ(settings.Shadow, 250);
    EXPECT_EQ(settings.Highlight, 255);
    EXPECT_EQ(Position(IDC_ADV_HIGHLIGHT), 255);
    EXPECT_EQ(Text(IDC_ADV_HIGHLIGHT_VALUE), "255");

    Scroll(IDC_ADV_GAMMA, 25);
    EXPECT_EQ(settings.Gamma, 25);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 2.5");
}

TEST_F(AdvancedPageTest, AScrollRepeatingTheLastOneCountsAfterAReset)
{
    ASSERT_TRUE(Show());
    Scroll(IDC_ADV_GAMMA, 30);
    ASSERT_EQ(settings.Gamma, 30);
    Click(IDC_ADV_RESET);
    EXPECT_EQ(settings.Gamma, 18);
    EXPECT_EQ(Position(IDC_ADV_GAMMA), 18);
    Scroll(IDC_ADV_GAMMA, 30);   // the same slider and position as before the reset
    EXPECT_EQ(settings.Gamma, 30);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 3.0");
}

TEST_F(AdvancedPageTest, ColourModeShowsNoneAndDisablesDropout)
{
    settings.ScanMode = 4;
    settings.ColorDropType = 3;
    settings.ColorDropThreshold = 60;
    ASSERT_TRUE(Show());
    EXPECT_EQ(SendMessageA(Item(IDC_ADV_DROP_COLOR), CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(Enabled(IDC_ADV_DROP_COLOR));
    for (int id : {IDC_ADV_DROP_AUTO, IDC_ADV_DROP_MANUAL, IDC_ADV_LUM_MIN, IDC_ADV_SAT_SPIN, IDC_ADV_BLOB_MIN,
                   IDC_ADV_BW_AUTO, IDC_ADV_BW_SLIDER})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(IsWindowEnabled(advanced->HueWindow().Window()));
    EXPECT_EQ(settings.ColorDropType, 3) << "the stored colour waits for another mode";
}

TEST_F(AdvancedPageTest, ChoosingAColourGivesItsHueWindowAndResetsTheMinimums)
{
    settings.ColorDropSatMin = 10;
    settings.ColorDropLumMin = 11;
    settings.ColorDropBlobMin = 12;
    ASSERT_TRUE(Show());
    EXPECT_EQ(Text(IDC_ADV_SAT_MIN), "10");
    EXPECT_FALSE(Enabled(IDC_ADV_DROP_MANUAL)) << "no colour chosen";

    ChooseColour(3);   // blue, in grayscale
    EXPECT_EQ(settings.ColorDropType, 3);
    EXPECT_EQ(settings.ColorDropMin, 95);
    EXPECT_EQ(settings.ColorDropMax, 145);
    EXPECT_EQ(settings.ColorDropSatMin, 75);
    EXPECT_EQ(settings.ColorDropLumMin, 25);
    EXPECT_EQ(settings.ColorDropBlobMin, 25);
    EXPECT_EQ(Text(IDC_ADV_SAT_MIN), "75");
    EXPECT_EQ(Text(IDC_ADV_BLOB_MIN), "25");
    int low = 0, high = 0;
    advanced->HueWindow().GetValues(low, high);
    EXPECT_EQ(low, 95);
    EXPECT_EQ(high, 145);
    EXPECT_TRUE(Enabled(IDC_ADV_DROP_MANUAL));
    EXPECT_TRUE(Enabled(IDC_ADV_LUM_SPIN));
    EXPECT_FALSE(IsWindowEnabled(advanced->HueWindow().Window())) << "automatic threshold";
    EXPECT_FALSE(Enabled(IDC_ADV_BW_AUTO)) << "the threshold is for black and white";

    for (int colour : {1, 2}) {
        ChooseColour(colour);
        EXPECT_EQ(settings.ColorDropMin, 35) << colour;
        EXPECT_EQ(settings.ColorDropMax, 85) << colour;
    }
    ChooseColour(0);
    EXPECT_FALSE(Enabled(IDC_ADV_DROP_AUTO));
    EXPECT_FALSE(Enabled(IDC_ADV_SAT_MIN));

    // Typed minimums are stored as typed (the spins only bound their arrows).
    ChooseColour(1);
    Type(IDC_ADV_LUM_MIN, "300");
    EXPECT_EQ(settings.ColorDropLumMin, 300);
    Type(IDC_ADV_SAT_MIN, "99999999");
    EXPECT_EQ(settings.ColorDropSatMin, 65535) << "saturated at the field's width";
}

TEST_F(AdvancedPageTest, ManualTwiceSwitchesBackToAuto)
{
    settings.ColorDropType = 1;
    ASSERT_TRUE(Show());
    EXPECT_TRUE(Checked(IDC_ADV_DROP_AUTO));
    Click(IDC_ADV_DROP_MANUAL);
    EXPECT_EQ(settings.ColorDropThreshold, 60);
    EXPECT_TRUE(Checked(IDC_ADV_DROP_MANUAL));
    EXPECT_FALSE(Checked(IDC_ADV_DROP_AUTO));
    EXPECT_TRUE(IsWindowEnabled(advanced->HueWindow().Window()));
    EXPECT_EQ(settings.ColorDropMin, 35);
    Click(IDC_ADV_DROP_MANUAL);
    EXPECT_EQ(settings.ColorDropThreshold, -1);
    EXPECT_TRUE(Checked(IDC_ADV_DROP_AUTO));
    EXPECT_FALSE(IsWindowEnabled(advanced->HueWindow().Window()));
}

TEST_F(AdvancedPageTest, BlackAndWhiteThresholdManualTakesWhatIsTyped)
{
    settings.ScanMode = 2;
    settings.ColorDropType = 1;
    ASSERT_TRUE(Show());
    EXPECT_TRUE(Enabled(IDC_ADV_BW_MANUAL));
    EXPECT_TRUE(Checked(IDC_ADV_BW_AUTO));
    EXPECT_FALSE(Enabled(IDC_ADV_BW_SLIDER));
    EXPECT_EQ(Text(IDC_ADV_BW_VALUE), "0");
    EXPECT_TRUE(GetWindowLongA(Item(IDC_ADV_BW_VALUE), GWL_STYLE) & ES_READONLY);
    Type(IDC_ADV_BW_VALUE, "0", true);
    EXPECT_EQ(settings.ColorDropBWThreshold, -1) << "leaving the read-only edit keeps Auto";

    Click(IDC_ADV_BW_MANUAL);
    EXPECT_EQ(settings.ColorDropBWThreshold, 127);
    EXPECT_EQ(Position(IDC_ADV_BW_SLIDER), 127);
    EXPECT_EQ(Text(IDC_ADV_BW_VALUE), "127");
    EXPECT_TRUE(Enabled(IDC_ADV_BW_SLIDER));
    EXPECT_FALSE(GetWindowLongA(Item(IDC_ADV_BW_VALUE), GWL_STYLE) & ES_READONLY);
    Type(IDC_ADV_BW_VALUE, "200", true);
    EXPECT_EQ(settings.ColorDropBWThreshold, 200);
    EXPECT_EQ(Position(IDC_ADV_BW_SLIDER), 200);
    Type(IDC_ADV_BW_VALUE, "999", true);
    EXPECT_EQ(settings.ColorDropBWThreshold, 255) << "held to the slider's range";
    Scroll(IDC_ADV_BW_SLIDER, 90);
    EXPECT_EQ(settings.ColorDropBWThreshold, 90);
    EXPECT_EQ(Text(IDC_ADV_BW_VALUE), "90");

    // In grayscale the manual threshold is kept for the next black-and-white scan.
    settings.ScanMode = 1;
    ShowOtherPage();
    ShowAdvancedPage();
    EXPECT_EQ(settings.ColorDropBWThreshold, 90);
    EXPECT_FALSE(Enabled(IDC_ADV_BW_MANUAL));
    settings.ScanMode = 2;
    ShowOtherPage();
    ShowAdvancedPage();
    EXPECT_TRUE(Checked(IDC_ADV_BW_MANUAL));
    EXPECT_EQ(Position(IDC_ADV_BW_SLIDER), 90);

    Click(IDC_ADV_BW_AUTO);
    EXPECT_EQ(settings.ColorDropBWThreshold, -1);
    EXPECT_EQ(Text(IDC_ADV_BW_VALUE), "0");
}

TEST_F(AdvancedPageTest, UltravioletOnTimeInSecondsAndTheLamp)
{
    settings.UVOnTime = 2500;
    ASSERT_TRUE(Show());
    EXPECT_EQ(Text(IDC_ADV_UV_TIME), "3");
    EXPECT_EQ(settings.UVOnTime, 2500) << "showing the page changes nothing";
    Type(IDC_ADV_UV_TIME, "3");
    EXPECT_EQ(settings.UVOnTime, 3000);
    Type(IDC_ADV_UV_TIME, "70");
    EXPECT_EQ(settings.UVOnTime, 65535) << "capped at the 16-bit field, not wrapped";
    Type(IDC_ADV_UV_TIME, "0");
    EXPECT_EQ(settings.UVOnTime, 0);
    Click(IDC_ADV_UV_ON);
    EXPECT_EQ(settings.UVOnTime, 1000);
    EXPECT_EQ(Text(IDC_ADV_UV_TIME), "1");
    EXPECT_EQ(sim.Status("LampOn"), 1);
}

TEST_F(AdvancedPageTest, ResetTouchesOnlyThisPagesValues)
{
    settings.Gamma = 30;
    settings.Highlight = 200;
    settings.Shadow = 20;
    settings.ColorDropType = 2;
    settings.ColorDropThreshold = 60;
    settings.ColorDropBWThreshold = 40;
    settings.AutoRotate = 1;
    settings.ContinuousScan = 1;
    settings.UVOnTime = 4000;
    ASSERT_TRUE(Show());
    const ScanSettings before = settings;
    Click(IDC_ADV_RESET);
    EXPECT_EQ(settings.Gamma, 18);
    EXPECT_EQ(settings.Highlight, 255);
    EXPECT_EQ(settings.Shadow, 0);
    EXPECT_EQ(settings.ColorDropType, 0);
    EXPECT_EQ(settings.ColorDropThreshold, -1);
    EXPECT_EQ(settings.ColorDropMin, 35);
    EXPECT_EQ(settings.ColorDropMax, 85);
    EXPECT_EQ(settings.ColorDropBWThreshold, -1);
    EXPECT_EQ(settings.AutoRotate, 0);
    EXPECT_EQ(settings.ContinuousScan, 0);
    EXPECT_EQ(settings.UVOnTime, 0);
    EXPECT_EQ(settings.ScanMode, before.ScanMode);
    EXPECT_EQ(settings.DPI, before.DPI);
    EXPECT_EQ(settings.Brightness, before.Brightness);
    EXPECT_EQ(settings.Contrast, before.Contrast);
    EXPECT_EQ(settings.Right, before.Right);
    EXPECT_EQ(settings.Bottom, before.Bottom);
    EXPECT_FALSE(Checked(IDC_ADV_CONTINUOUS));
    EXPECT_EQ(Text(IDC_ADV_UV_TIME), "0");
    EXPECT_EQ(SendMessageA(Item(IDC_ADV_DROP_COLOR), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(AdvancedPageTest, ReturningToThePageShowsChangesAndKeepsTheDraggedHueWindow)
{
    settings.ColorDropType = 3;
    settings.ColorDropThreshold = 60;
    settings.ColorDropMin = 95;
    settings.ColorDropMax = 145;
    ASSERT_TRUE(Show());
    ASSERT_TRUE(IsWindowEnabled(advanced->HueWindow().Window()));
    HWND thumb = advanced->HueWindow().Thumb(false);
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 8));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(4 + 20, 8));
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(4 + 20, 8));
    Pump(100);
    const int dragged = settings.ColorDropMin;
    EXPECT_GT(dragged, 95) << "the end of the drag reached the settings";
    EXPECT_EQ(settings.ColorDropMax, 145);

    ShowOtherPage();
    settings.Gamma = 30;        // as a preset would
    settings.AutoRotate = 1;
    ShowAdvancedPage();
    EXPECT_EQ(Position(IDC_ADV_GAMMA), 30);
    EXPECT_EQ(Text(IDC_ADV_GAMMA_VALUE), " 3.0");
    EXPECT_TRUE(Checked(IDC_ADV_AUTO_ROTATE));
    EXPECT_EQ(settings.ColorDropMin, dragged) << "the user's hue window is not re-centred";
    int low = 0, high = 0;
    advanced->HueWindow().GetValues(low, high);
    EXPECT_EQ(low, dragged);
    EXPECT_EQ(high, 145);
}

TEST_F(AdvancedPageTest, WithoutTheImagingLibraryOnlyItsControlsGo)
{
    g_imaging = false;
    ASSERT_TRUE(Show());
    for (int id : {IDC_ADV_DROP_COLOR, IDC_ADV_LUM_SPIN, IDC_ADV_SAT_SPIN, IDC_ADV_BLOB_SPIN, IDC_ADV_LUM_MIN,
                   IDC_ADV_SAT_MIN, IDC_ADV_BLOB_MIN, IDC_ADV_BW_SLIDER, IDC_ADV_BW_VALUE, IDC_ADV_BW_AUTO,
                   IDC_ADV_BW_MANUAL, IDC_ADV_DROP_AUTO, IDC_ADV_DROP_MANUAL, IDC_ADV_SPECTRUM, IDC_ADV_DROPOUT_GROUP,
                   IDC_ADV_COLOR_LABEL, IDC_ADV_LUM_LABEL, IDC_ADV_SAT_LABEL, IDC_ADV_BLOB_LABEL, IDC_ADV_BW_LABEL,
                   IDC_ADV_AUTO_ROTATE})
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_FALSE(IsWindowVisible(advanced->HueWindow().Window()));
    for (int id : {IDC_ADV_GAMMA, IDC_ADV_HIGHLIGHT, IDC_ADV_SHADOW, IDC_ADV_ADJUST_GROUP, IDC_ADV_OPTIONS_GROUP,
                   IDC_ADV_CONTINUOUS, IDC_ADV_PREFEED, IDC_ADV_UV_GROUP, IDC_ADV_UV_TIME, IDC_ADV_RESET})
        EXPECT_TRUE(Visible(id)) << id;
    HoldForScreenshot();
}

TEST_F(AdvancedPageTest, WithoutALampTheUltravioletGroupGoes)
{
    ASSERT_TRUE(sim.Set("Device", "UvLamp", "0"));
    ASSERT_TRUE(Show());
    for (int id : {IDC_ADV_UV_TIME, IDC_ADV_UV_SPIN, IDC_ADV_UV_GROUP, IDC_ADV_UV_LABEL, IDC_ADV_UV_ON})
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_TRUE(Visible(IDC_ADV_RESET));
}

TEST_F(AdvancedPageTest, PrefeedBoxFollowsTheDeviceValue)
{
    ASSERT_TRUE(store.Write("Tarvex 380", "PrefeedEnable", 1));
    ASSERT_TRUE(Show());
    EXPECT_TRUE(Visible(IDC_ADV_PREFEED));
    EXPECT_TRUE(Checked(IDC_ADV_PREFEED));
    Click(IDC_ADV_PREFEED);
    int32_t value = -1;
    ASSERT_TRUE(store.Read("Tarvex 380", "PrefeedEnable", &value));
    EXPECT_EQ(value, 0) << "written at once";

    // A write that fails puts the box back as the device has it.
    store.refuseWrites = true;
    Click(IDC_ADV_PREFEED);
    EXPECT_FALSE(Checked(IDC_ADV_PREFEED));
    ASSERT_TRUE(store.Read("Tarvex 380", "PrefeedEnable", &value));
    EXPECT_EQ(value, 0);
}

TEST_F(AdvancedPageTest, AnUnwritablePrefeedValueHidesTheBox)
{
    store.refuseWrites = true;
    ASSERT_TRUE(Show());
    EXPECT_FALSE(Visible(IDC_ADV_PREFEED));
}

TEST_F(AdvancedPageTest, ContinuousScanIsHiddenWhereItCannotApplyAndBothBoxesToggle)
{
    ASSERT_TRUE(Show());
    Click(IDC_ADV_CONTINUOUS);
    EXPECT_EQ(settings.ContinuousScan, 1);
    Click(IDC_ADV_CONTINUOUS);
    EXPECT_EQ(settings.ContinuousScan, 0);
    settings.AutoRotate = 3;   // any non-zero value counts as on
    Click(IDC_ADV_AUTO_ROTATE);
    EXPECT_EQ(settings.AutoRotate, 0);
    DestroyWindow(sheet);

    std::strcpy(TheApp().m_appIdentity.ProductName, "Quillex Office");
    ASSERT_TRUE(Show());
    EXPECT_FALSE(Visible(IDC_ADV_CONTINUOUS));
    DestroyWindow(sheet);

    std::strcpy(TheApp().m_appIdentity.ProductName, "Page Test");
    TheCapValues().transferCount = 3;
    ASSERT_TRUE(Show());
    EXPECT_FALSE(Visible(IDC_ADV_CONTINUOUS));
    TheCapValues().transferCount = -1;
}

// The strip shows the scale of the colour: red at 60 of bitmap 360 for none
// and red, green at 60 of bitmap 361 for green and blue.
class AdvancedPageLook : public AdvancedPageTest {
protected:
    COLORREF StripPixel(int hue)
    {
        Pump(200);
        RECT strip = RectIn(Item(IDC_ADV_SPECTRUM), page);
        HDC dc = GetDC(page);
        const COLORREF c = GetPixel(dc, strip.left + hue, (strip.top + strip.bottom) / 2);
        ReleaseDC(page, dc);
        return c;
    }
    static bool Reddish(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80; }
    static bool Greenish(COLORREF c) { return GetGValue(c) > 200 && GetRValue(c) < 80 && GetBValue(c) < 80; }
};

TEST_F(AdvancedPageLook, WithImaging)
{
    ASSERT_TRUE(Show());
    EXPECT_TRUE(Reddish(StripPixel(60))) << std::hex << StripPixel(60);
    HoldForScreenshot();
}

TEST_F(AdvancedPageLook, DropoutInGrayscale)
{
    settings.ColorDropType = 2;
    settings.ColorDropThreshold = 60;
    settings.ColorDropMin = 40;
    settings.ColorDropMax = 80;
    ASSERT_TRUE(Show());
    EXPECT_TRUE(Greenish(StripPixel(60))) << std::hex << StripPixel(60);
    HoldForScreenshot();
}

TEST_F(AdvancedPageLook, DropoutInBlackAndWhite)
{
    settings.ScanMode = 2;
    settings.ColorDropType = 1;
    settings.ColorDropBWThreshold = 150;
    ASSERT_TRUE(Show());
    EXPECT_TRUE(Reddish(StripPixel(60))) << std::hex << StripPixel(60);
    EXPECT_TRUE(Checked(IDC_ADV_BW_MANUAL));
    HoldForScreenshot();
}

} // namespace
