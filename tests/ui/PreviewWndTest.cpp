// The preview on the Custom Settings page: drawing, refusing and choosing
// the frame with the mouse, zoom without and with a picture, and the preview
// scan against the simulated scanner with its delete question and failures.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "CustomPageFixture.h"
#include "MessageBoxRecorder.h"
#include "device/ResolutionList.h"
#include "ui/PreviewMath.h"
#include "ui/resource.h"

#include "ScreenshotHold.h"

namespace {

class PreviewTest : public CustomPageTest {
protected:
    void SetUp() override
    {
        CustomPageTest::SetUp();
        // A frame in the bottom-right corner, away from where the tests draw.
        settings.Left = 300;
        settings.Right = 400;
        settings.Top = 800;
        settings.Bottom = 950;
    }
    // The device and the module both know 75 dpi, so the preview is scanned at 75.
    void Offer75()
    {
        ASSERT_TRUE(sim.Set("Device", "Resolutions", "75,150,200,300,600"));
        const int32_t list[] = {75, 150, 200, 300, 600};
        SetResolutionList(list, 5);
    }
    void Drag(int x0, int y0, int x1, int y1)
    {
        Mouse(WM_LBUTTONDOWN, x0, y0);
        Mouse(WM_MOUSEMOVE, (x0 + x1) / 2, (y0 + y1) / 2);
        Mouse(WM_MOUSEMOVE, x1, y1);
        Mouse(WM_LBUTTONUP, x1, y1);
        Pump(20);
    }
};

TEST_F(PreviewTest, DrawingAFrameSetsItAndSelectsUserDefined)
{
    ASSERT_TRUE(Show());
    const int cw = preview->ClientWidth(), ch = preview->ClientHeight();
    ASSERT_EQ(cw, 134);
    Drag(10, 10, 60, 100);
    EXPECT_EQ(settings.Left, (cw / 2 + 10 * 432) / cw);
    EXPECT_EQ(settings.Right, (cw / 2 + 60 * 432) / cw);
    EXPECT_EQ(settings.Top, (ch / 2 + 10 * 1000) / ch);
    EXPECT_EQ(settings.Bottom, (ch / 2 + 100 * 1000) / ch);
    EXPECT_EQ(settings.Left, 32);
    EXPECT_EQ(settings.Right, 193);
    EXPECT_EQ(Selected(IDC_CUSTOM_SIZE), 0) << "User Defined";
    EXPECT_EQ(Text(IDC_CUSTOM_WIDTH), "Width: 1.6 in");
    const PixelRect tracker = preview->Tracker();
    EXPECT_EQ(tracker.left, cw * 32 / 432);
    EXPECT_EQ(tracker.right, cw * 193 / 432);
    HoldForScreenshot();
}

TEST_F(PreviewTest, AFrameUnderHalfAnInchIsRefusedAndDraggingBackwardsWorks)
{
    ASSERT_TRUE(Show());
    const int narrow = preview->ClientWidth() * 30 / 432;   // 0.3 inch
    Drag(10, 10, 10 + narrow, 150);
    EXPECT_EQ(settings.Left, 300);
    EXPECT_EQ(settings.Right, 400);
    EXPECT_EQ(settings.Top, 800);
    EXPECT_EQ(settings.Bottom, 950);

    Drag(100, 200, 20, 40);   // up and to the left
    EXPECT_LT(settings.Left, settings.Right);
    EXPECT_LT(settings.Top, settings.Bottom);
    EXPECT_GE(settings.Right - settings.Left, 50);
}

TEST_F(PreviewTest, MovingTheFrameKeepsItsSizeAndStaysInside)
{
    ASSERT_TRUE(Show());
    const PixelRect before = preview->Tracker();
    const int x = (before.left + before.right) / 2, y = (before.top + before.bottom) / 2;
    Mouse(WM_LBUTTONDOWN, x, y);
    Mouse(WM_MOUSEMOVE, x - 60, y - 100);
    Mouse(WM_LBUTTONUP, x - 60, y - 100);
    Pump(20);
    EXPECT_NEAR(settings.Right - settings.Left, 100, 4);
    EXPECT_NEAR(settings.Bottom - settings.Top, 150, 4);
    EXPECT_LT(settings.Left, 300);
    EXPECT_LT(settings.Top, 800);
    // Dragged far past the corner, the frame stops at the edge.
    const PixelRect moved = preview->Tracker();
    Mouse(WM_LBUTTONDOWN, (moved.left + moved.right) / 2, (moved.top + moved.bottom) / 2);
    Mouse(WM_LBUTTONUP, 2000, 2000);
    Pump(20);
    EXPECT_LE(settings.Right, 432);
    EXPECT_LE(settings.Bottom, 1000);
    EXPECT_NEAR(settings.Right - settings.Left, 100, 4);
}

TEST_F(PreviewTest, TheSizeMenuSetsTheBusinessCardAndNamesIt)
{
    ASSERT_TRUE(Show());
    SendMessageA(preview->Window(), WM_COMMAND, kPreviewSizeMenuFirst, 0);
    Pump(20);
    EXPECT_EQ(settings.Top, 0);
    EXPECT_EQ(settings.Left, 0);
    EXPECT_EQ(settings.Bottom, 217);
    EXPECT_EQ(settings.Right, 354);
    EXPECT_EQ(Selected(IDC_CUSTOM_SIZE), 1);
    SendMessageA(preview->Window(), WM_COMMAND, kPreviewSizeMenuFirst + 7, 0);
    EXPECT_EQ(settings.Bottom, 217) << "an id past the menu is ignored";
}

TEST_F(PreviewTest, WithoutAPictureZoomStaysAtOne)
{
    ASSERT_TRUE(Show());
    EXPECT_FALSE(preview->ImageLoaded());
    Click(IDC_CUSTOM_ZOOM);
    EXPECT_EQ(preview->Mode(), kModeZoomView);
    EXPECT_TRUE(Checked(IDC_CUSTOM_ZOOM));
    EXPECT_FALSE(Checked(IDC_CUSTOM_RANGE));
    Mouse(WM_LBUTTONDOWN, 20, 20);
    Mouse(WM_LBUTTONDBLCLK, 20, 20);
    EXPECT_EQ(preview->ZoomFactor(), 1);
    SCROLLINFO info = {sizeof info, SIF_RANGE};
    GetScrollInfo(preview->Window(), SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 0);
}

TEST_F(PreviewTest, PreviewScanWritesTheFileAndZoomScrollsOverIt)
{
    Offer75();
    ASSERT_TRUE(Show());
    MessageBoxRecorder boxes(IDNO);
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0].text;
    ASSERT_TRUE(FileExists(PreviewFilePath()));
    EXPECT_EQ(TempFileCount(), 0);
    ASSERT_EQ(g_pollMessages.size(), 2u) << "the sheet's polling is held during the scan";
    EXPECT_EQ(g_pollMessages[0], 0);
    EXPECT_EQ(g_pollMessages[1], 1);
    ASSERT_TRUE(preview->ImageLoaded());
    EXPECT_EQ(preview->Dib().Width(), 324) << "75 dpi over the full width";
    EXPECT_EQ(preview->Dib().Height(), 950 * 75 / 100) << "down to the frame's bottom";
    EXPECT_EQ(preview->Dib().Resolution(), 74);
    EXPECT_EQ(preview->Dib().Header().biBitCount, 24);

    Click(IDC_CUSTOM_ZOOM);
    Mouse(WM_LBUTTONDOWN, 20, 20);
    EXPECT_EQ(preview->ZoomFactor(), 2);
    SCROLLINFO info = {sizeof info, SIF_RANGE};
    GetScrollInfo(preview->Window(), SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 8) << "quarter inches at zoom 2";
    EXPECT_EQ(custom->HorizontalRuler().Zoom(), 2) << "the rulers follow the zoom";
    EXPECT_EQ(custom->VerticalRuler().Zoom(), 2);
    SendMessageA(preview->Window(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(preview->ScrollX(), 25);
    Mouse(WM_LBUTTONDBLCLK, 20, 20);
    Mouse(WM_LBUTTONDOWN, 20, 20);
    EXPECT_EQ(preview->ZoomFactor(), 4) << "zoom stops at 4";
    HoldForScreenshot();
    Click(IDC_CUSTOM_RANGE);
    EXPECT_EQ(preview->ZoomFactor(), 1);
    EXPECT_EQ(preview->ScrollX(), 0);
    EXPECT_EQ(preview->ScrollY(), 0);
    EXPECT_EQ(custom->HorizontalRuler().Zoom(), 1);
}

TEST_F(PreviewTest, TheDisplayFollowsModeToneAndInvert)
{
    Offer75();
    ASSERT_TRUE(Show());
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    ASSERT_TRUE(preview->ImageLoaded());
    const std::vector<uint8_t>& shown = preview->DisplayBits();
    ASSERT_FALSE(shown.empty());
    // Grayscale: every shown pixel is grey.
    for (size_t i = 0; i + 2 < 300; i += 3) {
        EXPECT_EQ(shown[i], shown[i + 1]);
        EXPECT_EQ(shown[i + 1], shown[i + 2]);
    }
    Click(IDC_CUSTOM_BLACKWHITE);
    int other = 0;
    for (uint8_t v : shown) other += v != 0 && v != 255;
    EXPECT_EQ(other, 0) << "black and white shows only black and white";
    const std::vector<uint8_t> before = shown;
    Click(IDC_CUSTOM_INVERT);
    ASSERT_EQ(shown.size(), before.size());
    const int width = preview->Dib().Width();
    for (int x = 0; x < width * 3; ++x) EXPECT_EQ(shown[x], 255 - before[x]) << x;
    HoldForScreenshot();
}

TEST_F(PreviewTest, ASecondPressAsksBeforeDeletingThePreview)
{
    Offer75();
    ASSERT_TRUE(Show());
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    ASSERT_TRUE(FileExists(PreviewFilePath()));
    {
        MessageBoxRecorder boxes(IDNO);
        Click(IDC_CUSTOM_PREVIEW);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Delete preview image?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    }
    EXPECT_TRUE(FileExists(PreviewFilePath())) << "No keeps the picture";
    EXPECT_TRUE(preview->ImageLoaded());
    {
        MessageBoxRecorder boxes(IDYES);
        SetFileAttributesA(PreviewFilePath().c_str(), FILE_ATTRIBUTE_READONLY);
        Click(IDC_CUSTOM_PREVIEW);
        EXPECT_EQ(boxes.Boxes().size(), 1u);
    }
    EXPECT_FALSE(FileExists(PreviewFilePath())) << "Yes removes it, read-only or not";
    EXPECT_FALSE(preview->ImageLoaded());
}

TEST_F(PreviewTest, AFailingPreviewScanLeavesNoFileAndSaysWhy)
{
    ASSERT_TRUE(sim.Set("Faults", "ReadErrorAfterRows", "20"));
    ASSERT_TRUE(Show());
    MessageBoxRecorder boxes(IDOK);
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    EXPECT_FALSE(FileExists(PreviewFilePath()));
    EXPECT_EQ(TempFileCount(), 0) << "the temporary file is removed";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tarvex 380");
    EXPECT_FALSE(preview->ImageLoaded());
}

TEST_F(PreviewTest, ScannerNotReadyStopsThePreviewWithItsMessage)
{
    ASSERT_TRUE(sim.Set("Faults", "ScannerStatusResult", "1"));
    ASSERT_TRUE(Show());
    MessageBoxRecorder boxes(IDOK);
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text.rfind("The scan was aborted because the scanner is not powered on", 0), 0u)
        << boxes.Boxes()[0].text;
    EXPECT_FALSE(FileExists(PreviewFilePath()));
    EXPECT_EQ(TempFileCount(), 0);
}

} // namespace

namespace {

// The page as a person sees it with a preview, for the screenshots.
class CustomPageLook : public PreviewTest {};

TEST_F(CustomPageLook, ColourPreviewInRangeMode)
{
    Offer75();
    settings.ScanMode = kModeColor;
    ASSERT_TRUE(Show());
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    ASSERT_TRUE(preview->ImageLoaded());
    Drag(12, 20, 110, 160);
    EXPECT_EQ(Selected(IDC_CUSTOM_SIZE), 0);
    HoldForScreenshot();
}

TEST_F(CustomPageLook, WithImagingInCentimetres)
{
    Offer75();
    g_imaging = true;
    settings.ScanMode = kModeColor;
    ASSERT_TRUE(Show());
    Click(IDC_CUSTOM_PREVIEW);
    Pump(100);
    ASSERT_TRUE(preview->ImageLoaded());
    Click(IDC_CUSTOM_UNIT);
    EXPECT_EQ(Text(IDC_CUSTOM_UNIT), "Cm");
    SendMessageA(preview->Window(), WM_COMMAND, kPreviewSizeMenuFirst + 1, 0);
    EXPECT_EQ(Selected(IDC_CUSTOM_SIZE), 2);
    HoldForScreenshot();
}

} // namespace
