// The session as certification tools drive it through DS_Entry: the source's
// identity, opening and closing five times in one process, the close
// sequence (MSG_DISABLEDS then MSG_CLOSEDS) sent from every state 4 to 7,
// foreign messages through MSG_PROCESSEVENT, every pixel type through the
// three mechanisms, and no message box without UI for what a code can tell.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "MessageBoxRecorder.h"
#include "TempFolder.h"
#include "XferFixture.h"

namespace {

class Session : public XferTest {
protected:
    // State 3: a DAT_CUSTOMDSDATA read is a sequence error; no scan runs.
    void ExpectClosed()
    {
        TW_CUSTOMDSDATA data{};
        EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, app.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data));
        EXPECT_EQ(data.hData, nullptr);
        EXPECT_EQ(sim.Status("Scanning"), 0) << "no scan left running";
    }
    void StartPage()
    {
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        Apply(Settings());
        ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
        ASSERT_EQ(Count(MSG_XFERREADY), 1);
    }
    void ToState(int state)
    {
        if (state == 4) {
            ASSERT_EQ(Open(), TWRC_SUCCESS);
            return;
        }
        StartPage();
        if (state == 5) {
            TW_HANDLE dib = nullptr;
            ASSERT_EQ(Native(&dib), TWRC_XFERDONE);
            GlobalFree(dib);
            ASSERT_EQ(Pending(MSG_ENDXFER), 0);
        } else if (state == 7) {
            TW_IMAGEMEMXFER xfer{};
            std::vector<uint8_t> buffer(4096);
            xfer.Memory = {TWMF_APPOWNS | TWMF_POINTER, 4096, buffer.data()};
            ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_SUCCESS);
        }
    }
};

TEST_F(Session, IdentityNamesATwain2ImageSource)
{
    TW_IDENTITY id;
    std::memset(&id, 0x7F, sizeof id);
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &id), TWRC_SUCCESS);
    EXPECT_EQ(id.ProtocolMajor, 2);
    EXPECT_GE(id.ProtocolMinor, 1);
    EXPECT_EQ(id.SupportedGroups & (DG_CONTROL | DG_IMAGE), TW_UINT32(DG_CONTROL | DG_IMAGE));
    EXPECT_TRUE(id.SupportedGroups & DF_DS2);
    EXPECT_FALSE(id.SupportedGroups & DF_APP2) << "a source does not claim to be an application";
    for (const char* field : {id.Manufacturer, id.ProductFamily, id.ProductName}) {
        const size_t length = strnlen(field, 34);
        EXPECT_LT(length, 34u) << "terminated within its field";
        EXPECT_GT(length, 0u);
    }
    EXPECT_STREQ(id.ProductName, "Tarvex 380");
    EXPECT_LT(strnlen(id.Version.Info, 34), 34u);
    // The same answer with a null origin, as some managers send it.
    TW_IDENTITY again{};
    ASSERT_EQ(app.CallWithOrigin(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GET, &again), TWRC_SUCCESS);
    EXPECT_STREQ(again.ProductName, id.ProductName);
}

TEST_F(Session, OpenAndCloseFiveTimesInOneProcess)
{
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(Open(), TWRC_SUCCESS) << "round " << round << " " << app.Describe(TWRC_FAILURE);
        TW_CAPABILITY cap{CAP_XFERCOUNT, TWON_DONTCARE16, nullptr};
        EXPECT_EQ(app.Call(DG_CONTROL, DAT_CAPABILITY, MSG_GET, &cap), TWRC_SUCCESS) << "round " << round;
        if (cap.hContainer) GlobalFree(cap.hContainer);
        ASSERT_EQ(Close(), TWRC_SUCCESS) << "round " << round;
        ExpectClosed();
    }
}

class CloseSequence : public Session, public ::testing::WithParamInterface<int> {};

TEST_P(CloseSequence, EndsClosedAndOpensAgain)
{
    const int state = GetParam();
    ToState(state);
    const TW_UINT16 disabled = Disable();
    if (state == 4)
        EXPECT_EQ(disabled, TWRC_FAILURE) << "nothing to disable in state 4";
    else
        EXPECT_EQ(disabled, TWRC_SUCCESS) << "state " << state << " " << app.Describe(disabled);
    app.ConditionCode();
    EXPECT_EQ(Close(), TWRC_SUCCESS) << "state " << state << " " << app.Describe(TWRC_FAILURE);
    app.PumpEvents(100);
    ExpectClosed();
    // A sane end: the next session delivers a whole page.
    SourceHarness::ClearRecords();
    StartPage();
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    EXPECT_EQ(FromDibHandle(dib).length, 450u);
    GlobalFree(dib);
}

INSTANTIATE_TEST_SUITE_P(FromEveryState, CloseSequence, ::testing::Values(4, 5, 6, 7));

class ForeignEvents : public Session, public ::testing::WithParamInterface<int> {};

TEST_P(ForeignEvents, AreNotTheSourcesAndLeaveTheStateAlone)
{
    const int state = GetParam();
    ToState(state);
    HWND window = app.AppWindow();
    for (UINT message : {UINT(WM_PAINT), UINT(WM_MOUSEMOVE), UINT(WM_KEYDOWN), UINT(WM_USER + 7), UINT(WM_TIMER)}) {
        MSG msg{window, message, 0x41, 0, GetTickCount(), {}};
        TW_EVENT event{&msg, 0xFFFF};
        EXPECT_EQ(app.Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event), TWRC_NOTDSEVENT)
            << "state " << state << " message " << message;
        EXPECT_EQ(event.TWMessage, MSG_NULL) << "state " << state << " message " << message;
        EXPECT_EQ(app.ConditionCode(), TWCC_SUCCESS);
    }
    // A message for no window at all, and one with a null event pointer.
    MSG threadMsg{nullptr, WM_USER + 9, 0, 0, 0, {}};
    TW_EVENT event{&threadMsg, 0xFFFF};
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event), TWRC_NOTDSEVENT);
    TW_EVENT empty{nullptr, 0xFFFF};
    const TW_UINT16 rc = app.Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &empty);
    EXPECT_TRUE(rc == TWRC_NOTDSEVENT || rc == TWRC_FAILURE) << rc;
    app.ConditionCode();
    // The state is unchanged: the pending count is what it was.
    EXPECT_EQ(Pending(MSG_GET), state == 5 ? 0 : 1) << "state " << state;
}

INSTANTIATE_TEST_SUITE_P(StatesFiveToSeven, ForeignEvents, ::testing::Values(5, 6, 7));

enum class Mech { Native, Memory, Bmp, Tiff };

class EveryPixelType : public Session, public ::testing::WithParamInterface<std::tuple<uint16_t, Mech>> {};

std::vector<uint8_t> Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_P(EveryPixelType, DeliversThePageTheImageInfoDescribes)
{
    const auto [mode, mech] = GetParam();
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    Apply(Settings(mode, 150, 200, 100));
    ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    TW_IMAGEINFO info{};
    ASSERT_EQ(app.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_SUCCESS);
    const TW_INT16 expectedType = mode == kModeColor ? TWPT_RGB : mode == kModeGray ? TWPT_GRAY : TWPT_BW;
    const TW_INT16 expectedBits = mode == kModeColor ? 24 : mode == kModeGray ? 8 : 1;
    EXPECT_EQ(info.PixelType, expectedType);
    EXPECT_EQ(info.BitsPerPixel, expectedBits);
    EXPECT_EQ(info.SamplesPerPixel, mode == kModeColor ? 3 : 1);
    EXPECT_EQ(info.ImageWidth, 300);
    EXPECT_EQ(info.ImageLength, 150);
    EXPECT_EQ(info.Compression, TWCP_NONE);
    TempFolder folder;
    switch (mech) {
    case Mech::Native: {
        TW_HANDLE dib = nullptr;
        ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        const PageRows page = FromDibHandle(dib);
        GlobalFree(dib);
        EXPECT_EQ(page.bits, static_cast<uint32_t>(expectedBits));
        EXPECT_EQ(page.width, 300u);
        EXPECT_EQ(page.length, 150u);
        break;
    }
    case Mech::Memory: {
        PageRows page;
        ASSERT_EQ(Memory(&page), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        EXPECT_EQ(page.width, 300u);
        EXPECT_EQ(page.length, 150u);
        EXPECT_GE(page.rowBytes, (300u * expectedBits + 7) / 8);
        break;
    }
    case Mech::Bmp: {
        const std::string name = folder.File("page.bmp");
        ASSERT_EQ(FileXfer(name, TWFF_BMP), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        const std::vector<uint8_t> file = Slurp(name);
        ASSERT_GT(file.size(), 54u);
        EXPECT_EQ(file[0], 'B');
        const PageRows page = FromDib(file.data() + 14, file.size() - 14);
        EXPECT_EQ(page.bits, static_cast<uint32_t>(expectedBits));
        EXPECT_EQ(page.width, 300u);
        EXPECT_EQ(page.length, 150u);
        break;
    }
    case Mech::Tiff: {
        const std::string name = folder.File("page.tif");
        ASSERT_EQ(FileXfer(name, TWFF_TIFF), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
        const std::vector<uint8_t> file = Slurp(name);
        ASSERT_GT(file.size(), 8u);
        EXPECT_TRUE(file[0] == 'I' && file[1] == 'I' && file[2] == 42) << "a little-endian TIFF";
        break;
    }
    }
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
}

INSTANTIATE_TEST_SUITE_P(ThreeModesFourWays, EveryPixelType,
                         ::testing::Combine(::testing::Values(kModeBlackWhite, kModeGray, kModeColor),
                                            ::testing::Values(Mech::Native, Mech::Memory, Mech::Bmp, Mech::Tiff)));

// Without UI and without indicators, what a return code can tell is told by
// the code alone.
TEST_F(Session, NoBoxWithoutUiForWhatACodeTells)
{
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    TW_CAPABILITY cap{};
    MessageBoxRecorder boxes;
    // A refused capability, a refused setup, a transfer in the wrong state.
    std::vector<uint8_t> one{TWTY_INT16 & 0xFF, 0, 0, 0, 0, 0};
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(block), one.data(), 6);
    GlobalUnlock(block);
    cap = {CAP_XFERCOUNT, TWON_ONEVALUE, block};
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap), TWRC_FAILURE);
    GlobalFree(block);
    TW_SETUPFILEXFER setup{};
    setup.Format = 0x7777;
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup), TWRC_FAILURE);
    TW_HANDLE dib = nullptr;
    EXPECT_EQ(Native(&dib), TWRC_FAILURE);
    // A whole page, cancelled by the application through MSG_RESET.
    Apply(Settings());
    ASSERT_EQ(Enable(), TWRC_SUCCESS);
    EXPECT_EQ(Pending(MSG_RESET), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    // An empty feeder with indicators off fails the enable without a prompt.
    TW_CAPABILITY quiet{};
    block = GlobalAlloc(GMEM_MOVEABLE, 6);
    const uint8_t off[6] = {TWTY_BOOL, 0, 0, 0, 0, 0};
    std::memcpy(GlobalLock(block), off, 6);
    GlobalUnlock(block);
    quiet = {CAP_INDICATORS, TWON_ONEVALUE, block};
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &quiet), TWRC_SUCCESS);
    GlobalFree(block);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0].text;
}

} // namespace
