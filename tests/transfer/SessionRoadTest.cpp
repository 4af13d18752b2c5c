// The road of a session without the dialog, through DS_Entry: enabling,
// MSG_XFERREADY, the page's description, the transfer, the end of the page,
// the wake-up message and the close request, disabling and closing.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "MessageBoxRecorder.h"
#include "XferFixture.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"

namespace {

class SessionRoad : public XferTest {
protected:
    // Open with the settings, enable without the dialog.
    void StartPage(const ScanSettings& s, bool withParent = true)
    {
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        Apply(s);
        EXPECT_TWAIN(app, TWRC_SUCCESS, TWCC_SUCCESS, Enable(withParent));
        ASSERT_EQ(Count(MSG_XFERREADY), 1);
    }
    // Pumps the loop for a moment and gives the close requests received.
    int CloseRequestsAfterPumping()
    {
        app.PumpEvents(300);
        return Count(MSG_CLOSEDSREQ);
    }
};

TEST_F(SessionRoad, OnePageFromEnableToCloseRequest)
{
    StartPage(Settings(kModeGray, 150, 200, 300));
    EXPECT_EQ(Pending(MSG_GET), 1);

    TW_IMAGEINFO info{};
    info.BitsPerSample[3] = 77;
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_SUCCESS);
    EXPECT_EQ(info.XResolution.Whole, 150);
    EXPECT_EQ(info.ImageWidth, 300);
    EXPECT_EQ(info.ImageLength, 450);
    EXPECT_EQ(info.PixelType, TWPT_GRAY);
    EXPECT_EQ(info.BitsPerPixel, 8);
    EXPECT_EQ(info.BitsPerSample[3], 77) << "entries beyond the samples are the application's";

    TW_IMAGELAYOUT layout{};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &layout), TWRC_SUCCESS);
    EXPECT_EQ(layout.Frame.Right.Whole, 2);
    EXPECT_EQ(layout.Frame.Bottom.Whole, 3);
    EXPECT_EQ(layout.PageNumber, 1u);

    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    EXPECT_TRUE(SourceHarness::MadeByManager(dib));
    GlobalFree(dib);
    // In state 7 only the end of the page is accepted for another native transfer.
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Native(&dib));

    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 0) << "the request waits for the application's loop";
    EXPECT_EQ(CloseRequestsAfterPumping(), 1);
    EXPECT_EQ(app.WakeUpsSeen(), 1);
    EXPECT_EQ(CloseRequestsAfterPumping(), 1) << "sent once";
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Disable());
    EXPECT_EQ(Close(), TWRC_SUCCESS);
}

TEST_F(SessionRoad, NullParentStillWakesTheApplicationsOwnLoop)
{
    StartPage(Settings(), false);
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE);
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(CloseRequestsAfterPumping(), 1);
    EXPECT_EQ(app.WakeUpsSeen(), 1);
}

TEST_F(SessionRoad, ResetSendsTheCloseRequestAtOnce)
{
    StartPage(Settings());
    EXPECT_EQ(Pending(MSG_RESET), 0);
    EXPECT_EQ(Count(MSG_CLOSEDSREQ), 1);
    EXPECT_EQ(Pending(MSG_GET), 0);
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, app.Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr));
}

TEST_F(SessionRoad, DisableWithAPageOpenEmptiesTheStoreForTheNextAcquisition)
{
    StartPage(Settings());
    PageRows part;
    TW_IMAGEMEMXFER xfer{};
    std::vector<uint8_t> buffer(4096);
    xfer.Memory = {TWMF_APPOWNS | TWMF_POINTER, 4096, buffer.data()};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_SUCCESS);   // state 7, mid-page
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(Pending(MSG_GET), 0);
    EXPECT_EQ(sim.Status("Scanning"), 0) << "the running scan was ended";
    // The next acquisition opens the store again and delivers a whole page.
    EXPECT_TWAIN(app, TWRC_SUCCESS, TWCC_SUCCESS, Enable());
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    EXPECT_EQ(FromDibHandle(dib).length, 450u);
    GlobalFree(dib);
}

TEST_F(SessionRoad, ProcessEventOutsideAnEnabledSessionIsASequenceError)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    MSG msg{};
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, app.ProcessEvent(&msg));
}

TEST_F(SessionRoad, DecliningThePaperPromptFailsTheEnableInStateFour)
{
    UsePages("");
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_OPERATIONERROR, Enable());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, tx::DsText(tx::dstext::kTxtInsertItem));
    EXPECT_EQ(Count(MSG_XFERREADY), 0);
    EXPECT_EQ(Pending(MSG_GET), 0);
    TW_CUSTOMDSDATA data{};
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data), TWRC_SUCCESS) << "still state 4";
    if (data.hData) GlobalFree(data.hData);
}

class ExceptedApplication : public SessionRoad, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(ExceptedApplication, IsNeverAskedToCloseFromAnEvent)
{
    std::strcpy(app.AppIdentity().Manufacturer, GetParam().first);
    std::strcpy(app.AppIdentity().ProductName, GetParam().second);
    StartPage(Settings());
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE);
    GlobalFree(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(CloseRequestsAfterPumping(), 0);
    EXPECT_EQ(app.WakeUpsSeen(), 1);
}

INSTANTIATE_TEST_SUITE_P(TwoNames, ExceptedApplication,
                         ::testing::Values(std::make_pair("Sun Microsystems", "Office"),
                                           std::make_pair("TWAIN Working Group", "TWAIN Certification")));

TEST_F(SessionRoad, ANearMissOfAnExceptedNameIsAskedToClose)
{
    std::strcpy(app.AppIdentity().Manufacturer, "TWAIN Working Group");
    std::strcpy(app.AppIdentity().ProductName, "TWAIN Certification 2");
    StartPage(Settings());
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(CloseRequestsAfterPumping(), 1);
}

TEST_F(SessionRoad, SetUpInStatesFourAndSix)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    TW_SETUPMEMXFER mem{};
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &mem), TWRC_SUCCESS);
    EXPECT_EQ(mem.MinBufSize, 16384u);
    EXPECT_EQ(mem.MaxBufSize, 131072u);
    EXPECT_EQ(mem.Preferred, 131072u);

    TW_SETUPFILEXFER file{};
    std::strcpy(file.FileName, "page.jpg");
    file.Format = TWFF_JFIF;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_BADVALUE, app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &file));
    std::memset(file.FileName, 'x', sizeof file.FileName);   // no terminator at all
    file.Format = TWFF_TIFF;
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &file), TWRC_SUCCESS);
    TW_SETUPFILEXFER got{};
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, &got), TWRC_SUCCESS);
    EXPECT_EQ(std::strlen(got.FileName), 255u);
    EXPECT_EQ(got.Format, TWFF_TIFF);
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, &got), TWRC_SUCCESS);
    EXPECT_STREQ(got.FileName, "TWAIN.BMP");
    EXPECT_EQ(got.Format, TWFF_BMP);

    TW_UINT32 group = 0;
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group), TWRC_SUCCESS);
    EXPECT_EQ(group, DG_IMAGE);

    // A 400-dpi grey page 1000 pixels wide and 3000 rows long.
    Sim("Device", "Resolutions", "150,200,300,400,600");
    Close();
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    Apply(Settings(kModeGray, 400, 250, 750));
    ASSERT_EQ(Enable(), TWRC_SUCCESS);
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &mem), TWRC_SUCCESS);
    EXPECT_EQ(mem.MinBufSize, 16000u);
    EXPECT_EQ(mem.MaxBufSize, 131000u);
    EXPECT_EQ(mem.Preferred, 131000u);
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, &got));
}

TEST_F(SessionRoad, LayoutInInchesWithItsRounding)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    TW_IMAGELAYOUT layout{};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT, &layout), TWRC_SUCCESS);
    EXPECT_EQ(layout.Frame.Right.Whole, 4);
    EXPECT_EQ(layout.Frame.Right.Frac, 0x51EC);
    EXPECT_EQ(layout.Frame.Bottom.Whole, 10);

    layout = {};
    layout.Frame.Right.Whole = 8;
    layout.Frame.Right.Frac = 0x8000;   // 8.5
    layout.Frame.Bottom.Whole = 11;
    EXPECT_EQ(app.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout), TWRC_CHECKSTATUS);
    ScanSettings s = Current();
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Right, 432);
    EXPECT_EQ(s.Bottom, 1000);

    layout = {};
    layout.Frame.Top.Whole = 1;
    layout.Frame.Right.Whole = 2;
    layout.Frame.Bottom.Whole = 3;
    EXPECT_EQ(app.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout), TWRC_SUCCESS);
    s = Current();
    EXPECT_EQ(s.Top, 99);
    EXPECT_EQ(s.Right, 200);
    EXPECT_EQ(s.Bottom, 300);

    // In state 4 the size comes from the device's answer for the settings.
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &layout), TWRC_SUCCESS);
    auto inches = [](const TW_FIX32& f) { return f.Whole + f.Frac / 65536.0; };
    EXPECT_NEAR(inches(layout.Frame.Top), 0.99, 1e-4);
    EXPECT_NEAR(inches(layout.Frame.Right), 2.0, 0.01);
    EXPECT_NEAR(inches(layout.Frame.Bottom), 3.0, 0.01);
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET, &layout), TWRC_SUCCESS);
    EXPECT_EQ(layout.Frame.Right.Frac, 0x51EC);
    EXPECT_EQ(Current().Bottom, 1000);
}

} // namespace
