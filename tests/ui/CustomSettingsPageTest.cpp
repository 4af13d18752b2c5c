// The Custom Settings page on its two templates in a sheet: the layout the
// imaging library's presence chooses and the controls never shown, the
// lists, what each control writes into the settings, the negotiated limits,
// the Scan and Cancel commands, the paper lamp and the free-space read-out.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <vector>

#include "CustomPageFixture.h"
#include "MessageBoxRecorder.h"
#include "caps/CapValues.h"
#include "session/DataSourceApp.h"
#include "settings/Units.h"
#include "ui/ScanSheet.h"
#include "ui/resource.h"

#include "ScreenshotHold.h"

namespace {

const int kNeverShown[] = {IDC_CUSTOM_RESET,  IDC_CUSTOM_GAMMA,        IDC_CUSTOM_GAMMA_LABEL,
                           IDC_CUSTOM_GAMMA_VALUE, IDC_CUSTOM_PREFEED, IDC_CUSTOM_PHOTO,
                           IDC_CUSTOM_SINGLE_SIDED, IDC_CUSTOM_DOUBLE_SIDED, IDC_CUSTOM_PREVIEW_FRAME};

TEST_F(CustomPageTest, WithoutImagingTheFilterAndInvertShowAndTheImagingSwitchesDoNot)
{
    ASSERT_TRUE(Show());
    HoldForScreenshot();
    for (int id : kNeverShown) EXPECT_FALSE(Visible(id)) << id;
    for (int id : {IDC_CUSTOM_DESKEW, IDC_CUSTOM_ROTATION, IDC_CUSTOM_AUTOCROP}) EXPECT_FALSE(Visible(id)) << id;
    EXPECT_GE(TopIn(IDC_CUSTOM_ROTATION_LABEL), PageHeight()) << "the rotation's label lies below the page";
    for (int id : {IDC_CUSTOM_FILTER, IDC_CUSTOM_INVERT, IDC_CUSTOM_DETECT_EOP, IDC_CUSTOM_BRIGHTNESS})
        EXPECT_TRUE(Visible(id)) << id;
    ASSERT_EQ(Count(IDC_CUSTOM_FILTER), 2);
    EXPECT_EQ(ItemText(IDC_CUSTOM_FILTER, 0), "None");
    EXPECT_EQ(ItemText(IDC_CUSTOM_FILTER, 1), "Descreen");
    EXPECT_EQ(Text(IDC_CUSTOM_RESOLUTION_LABEL), "Resolution(dpi):");
    EXPECT_EQ(Text(IDC_CUSTOM_BRIGHTNESS_LABEL), "Brightness");
    EXPECT_EQ(Text(IDC_CUSTOM_SCAN), "Scan");
    EXPECT_EQ(Text(IDC_CUSTOM_UNIT), "In");
    EXPECT_EQ(Text(IDC_CUSTOM_BRIGHTNESS_VALUE), "10%");
    EXPECT_EQ(Text(IDC_CUSTOM_CONTRAST_VALUE), "-20%");
    EXPECT_EQ(Text(IDC_CUSTOM_FREE_SPACE).rfind("Free disk space: ", 0), 0u) << Text(IDC_CUSTOM_FREE_SPACE);
    EXPECT_NE(Text(IDC_CUSTOM_FREE_SPACE), "Free disk space: xxx");
    EXPECT_EQ(Text(IDC_CUSTOM_WIDTH), "Width: 4.3 in");
    EXPECT_EQ(Text(IDC_CUSTOM_HEIGHT), "Height: 10.0 in");
    ASSERT_EQ(Count(IDC_CUSTOM_SIZE), 5);
    EXPECT_EQ(ItemText(IDC_CUSTOM_SIZE, 0), "User Defined");
    EXPECT_EQ(ItemText(IDC_CUSTOM_SIZE, 1), "Business card (90 x 55mm)");
    EXPECT_TRUE(Checked(IDC_CUSTOM_RANGE));
    EXPECT_FALSE(Checked(IDC_CUSTOM_ZOOM));
    EXPECT_TRUE(Checked(IDC_CUSTOM_GRAYSCALE));
    EXPECT_EQ(preview->Mode(), kModeRangeView);

    RECT client;
    GetClientRect(preview->Window(), &client);
    EXPECT_EQ(client.right, 134) << "the preview is made 134 pixels wide";
    RECT ruler;
    GetClientRect(GetDlgItem(page, IDC_CUSTOM_HRULER), &ruler);
    EXPECT_EQ(ruler.right, preview->ClientWidth()) << "the horizontal ruler is fitted to the preview";
}

TEST_F(CustomPageTest, WithImagingTheRotationListAndSwitchesShowInsteadOfFilterAndInvert)
{
    g_imaging = true;
    settings.Rotation = 2;
    settings.Deskew = 1;
    ASSERT_TRUE(Show());
    HoldForScreenshot();
    for (int id : kNeverShown) EXPECT_FALSE(Visible(id)) << id;
    for (int id : {IDC_CUSTOM_FILTER, IDC_CUSTOM_INVERT}) EXPECT_FALSE(Visible(id)) << id;
    EXPECT_GE(TopIn(IDC_CUSTOM_FILTER_LABEL), PageHeight()) << "the filter's label lies below the page";
    for (int id : {IDC_CUSTOM_DESKEW, IDC_CUSTOM_ROTATION, IDC_CUSTOM_AUTOCROP}) EXPECT_TRUE(Visible(id)) << id;
    ASSERT_EQ(Count(IDC_CUSTOM_ROTATION), 4);
    EXPECT_EQ(ItemText(IDC_CUSTOM_ROTATION, 0), "None");
    EXPECT_EQ(ItemText(IDC_CUSTOM_ROTATION, 3), "270\xB0");
    EXPECT_EQ(Selected(IDC_CUSTOM_ROTATION), 2);
    EXPECT_TRUE(Checked(IDC_CUSTOM_DESKEW));

    Choose(IDC_CUSTOM_ROTATION, 1);
    EXPECT_EQ(settings.Rotation, 1);
    Click(IDC_CUSTOM_DESKEW);
    EXPECT_EQ(settings.Deskew, 0);
    Click(IDC_CUSTOM_AUTOCROP);
    EXPECT_EQ(settings.AutoCrop, 1);
}

std::vector<int> ChildOrder(HWND page)
{
    std::vector<int> ids;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = static_cast<int>(static_cast<short>(GetDlgCtrlID(child)));
        if (id != IDC_CUSTOM_PREVIEW_WINDOW) ids.push_back(id);
    }
    return ids;
}

// Where a control lies, in the page's dialog units.
RECT DialogUnits(HWND page, HWND control)
{
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    RECT unit = {0, 0, 400, 800};
    MapDialogRect(page, &unit);
    return {r.left * 400 / unit.right, r.top * 800 / unit.bottom, r.right * 400 / unit.right, r.bottom * 800 / unit.bottom};
}

TEST_F(CustomPageTest, BothLayoutsKeepTheTabOrderAndMoveOnlyTheirOwnControls)
{
    const std::vector<int> order = {1001, 2,    1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                                    1013, 1014, 1049, 1048, 1050, 1015, 1016, 1017, 1018, 1131, 1021, 1022, 1023,
                                    1024, 1025, 1026, 1027, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037,
                                    1042, 1043, 1044, 1045, 1046, 1028, -1,   -1,   -1,   1080};
    ASSERT_EQ(order.size(), 49u);
    ASSERT_TRUE(Show());
    EXPECT_EQ(ChildOrder(page), order);
    const RECT list305 = DialogUnits(page, Item(IDC_CUSTOM_RESOLUTION));
    const RECT filter305 = DialogUnits(page, Item(IDC_CUSTOM_FILTER));
    DestroyWindow(sheet);
    Pump();

    g_imaging = true;
    ASSERT_TRUE(Show());
    EXPECT_EQ(ChildOrder(page), order);
    const RECT list306 = DialogUnits(page, Item(IDC_CUSTOM_RESOLUTION));
    const RECT deskew306 = DialogUnits(page, Item(IDC_CUSTOM_DESKEW));
    EXPECT_NEAR(list305.left, 122, 1);
    EXPECT_NEAR(list305.top, 33, 1);
    EXPECT_NEAR(list306.top, 32, 1);
    EXPECT_NEAR(filter305.top, 71, 1);
    EXPECT_GE(DialogUnits(page, Item(IDC_CUSTOM_FILTER)).top, 300) << "below the page in this layout";
    EXPECT_NEAR(deskew306.left, 16, 1);
    EXPECT_NEAR(deskew306.top, 68, 1);
}

TEST_F(CustomPageTest, ResolutionListHoldsTheEnabledEntriesAndSnapsWithoutChangingTheSetting)
{
    TheCapValues().resolutionEnabled[3] = false;   // 600 taken away by negotiation
    settings.DPI = 250;
    ASSERT_TRUE(Show());
    ASSERT_EQ(Count(IDC_CUSTOM_RESOLUTION), 3);
    EXPECT_EQ(ItemText(IDC_CUSTOM_RESOLUTION, 2), "300");
    EXPECT_EQ(ItemText(IDC_CUSTOM_RESOLUTION, Selected(IDC_CUSTOM_RESOLUTION)), "200") << "250 ties: the earlier entry";
    EXPECT_EQ(settings.DPI, 250) << "only a choice of the user changes the resolution";

    Choose(IDC_CUSTOM_RESOLUTION, 2);
    EXPECT_EQ(settings.DPI, 300);
    EXPECT_EQ(Text(IDC_CUSTOM_IMAGE_SIZE), "Image size: 3.71 MB") << "the read-out follows the resolution";
    Choose(IDC_CUSTOM_RESOLUTION, -1);
    EXPECT_EQ(settings.DPI, 300) << "nothing selected changes nothing";
}

TEST_F(CustomPageTest, NegotiatedLimitsDisableModesAndDoubleSided)
{
    TheCapValues().transferCount = 1;
    TheCapValues().pixelTypeAllowed[0] = false;
    TheCapValues().pixelTypeAllowed[2] = false;
    settings.Duplex = 1;
    ASSERT_TRUE(Show());
    EXPECT_EQ(settings.Duplex, 0);
    EXPECT_FALSE(Enabled(IDC_CUSTOM_DOUBLE_SIDED));
    EXPECT_FALSE(Enabled(IDC_CUSTOM_BLACKWHITE));
    EXPECT_TRUE(Enabled(IDC_CUSTOM_GRAYSCALE));
    EXPECT_FALSE(Enabled(IDC_CUSTOM_COLOR));
    EXPECT_TRUE(Checked(IDC_CUSTOM_SINGLE_SIDED));
}

TEST_F(CustomPageTest, EachControlWritesItsField)
{
    ASSERT_TRUE(Show());
    Click(IDC_CUSTOM_BLACKWHITE);
    EXPECT_EQ(settings.ScanMode, kModeBlackWhite);
    EXPECT_EQ(Text(IDC_CUSTOM_IMAGE_SIZE), "Image size: 210.9 KB");
    Click(IDC_CUSTOM_COLOR);
    EXPECT_EQ(settings.ScanMode, kModeColor);
    Click(IDC_CUSTOM_INVERT);
    EXPECT_EQ(settings.Invert, 1);
    Click(IDC_CUSTOM_DETECT_EOP);
    EXPECT_EQ(settings.DetectEOP, 1);
    Choose(IDC_CUSTOM_FILTER, 1);
    EXPECT_EQ(settings.Filter, 1);
    Choose(IDC_CUSTOM_FILTER, 0);
    EXPECT_EQ(settings.Filter, 0);

    Scroll(IDC_CUSTOM_BRIGHTNESS, -20);
    EXPECT_EQ(settings.Brightness, -20);
    EXPECT_EQ(Text(IDC_CUSTOM_BRIGHTNESS_VALUE), "-20%");
    Scroll(IDC_CUSTOM_CONTRAST, 40);
    EXPECT_EQ(settings.Contrast, 40);
    EXPECT_EQ(Text(IDC_CUSTOM_CONTRAST_VALUE), "40%");

    Choose(IDC_CUSTOM_SIZE, 2);
    EXPECT_EQ(settings.Top, 0);
    EXPECT_EQ(settings.Left, 0);
    EXPECT_EQ(settings.Bottom, 500);
    EXPECT_EQ(settings.Right, 350);
    EXPECT_EQ(Text(IDC_CUSTOM_WIDTH), "Width: 3.5 in");
    EXPECT_EQ(preview->Tracker().right, preview->ClientWidth() * 350 / 432) << "the frame is redrawn";
    Choose(IDC_CUSTOM_SIZE, 0);
    EXPECT_EQ(settings.Bottom, 500) << "User Defined changes nothing";
    EXPECT_EQ(settings.Right, 350);
}

TEST_F(CustomPageTest, ScanAndCancelGoToTheSheetAndSettingsOnlyReadsOk)
{
    TheApp().m_uiMode = 1;
    ASSERT_TRUE(Show());
    EXPECT_EQ(Text(IDC_CUSTOM_SCAN), "OK");
    Click(IDC_CUSTOM_SCAN);
    Click(IDCANCEL);
    Pump();
    ASSERT_EQ(g_sheetCommands.size(), 2u);
    EXPECT_EQ(g_sheetCommands[0], IDOK);
    EXPECT_EQ(g_sheetCommands[1], IDCANCEL);
}

TEST_F(CustomPageTest, CalibrateOffersCalibrationAndCleaningUnderThePagesCaption)
{
    ASSERT_TRUE(Show());
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDCANCEL);
    Click(IDC_CUSTOM_CALIBRATE);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Calibration Page");
    EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CALIBRATE));
    EXPECT_TRUE(boxes.Boxes()[0].Shows(IDC_CLEAN)) << "the choice of calibrating or cleaning";
}

TEST_F(CustomPageTest, PaperLampFollowsTheSheetsPaperValue)
{
    ASSERT_TRUE(Show());
    EXPECT_EQ(custom->PaperLamp().Column(), 1) << "the lamp starts dark";
    g_sheetPaperRefresh = true;   // no poll yet: the page asks the scanner itself
    g_sheetPaperPresent = false;
    Pump(450);
    EXPECT_FALSE(g_sheetPaperRefresh);
    EXPECT_TRUE(g_sheetPaperPresent) << "the simulated feeder holds pages";
    EXPECT_EQ(custom->PaperLamp().Column(), 0);
    g_sheetPaperPresent = false;
    Pump(450);
    EXPECT_EQ(custom->PaperLamp().Column(), 1);
}

TEST_F(CustomPageTest, UnitButtonFlipsTheUnitStoresItAndRelabels)
{
    ASSERT_TRUE(Show());
    Click(IDC_CUSTOM_UNIT);
    EXPECT_EQ(Text(IDC_CUSTOM_UNIT), "Cm");
    EXPECT_EQ(GetUnits(), kUnitsMetric);
    ForgetUnits();
    EXPECT_EQ(GetUnits(), kUnitsMetric) << "stored in the profile";
    EXPECT_EQ(Text(IDC_CUSTOM_WIDTH), "Width: 11.0 cm");
    EXPECT_EQ(preview->Units(), kUnitsMetric);
    EXPECT_EQ(custom->HorizontalRuler().Units(), kUnitsMetric) << "the rulers are relabelled";
    EXPECT_EQ(custom->VerticalRuler().Units(), kUnitsMetric);
    Click(IDC_CUSTOM_UNIT);
    EXPECT_EQ(Text(IDC_CUSTOM_UNIT), "In");
    EXPECT_EQ(Text(IDC_CUSTOM_WIDTH), "Width: 4.3 in");
}

} // namespace
