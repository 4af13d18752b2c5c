// The scan progress dialog as a real window: fed rows, its bar and thumbnail,
// Cancel and the other ways to ask for a stop, the power notices and the
// message pump inside AddRows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestWindows.h"
#include "common/text/DsLanguage.h"
#include "session/ShowMessage.h"
#include "ui/ScanProgressDlg.h"
#include "ui/ThumbnailGeometry.h"
#include "ui/resource.h"

namespace {

// A page of one colour (red, green, blue) or grey level at its depth.
std::vector<uint8_t> UniformRows(int bitsPerPixel, int width, int rows, uint8_t r, uint8_t g, uint8_t b)
{
    const size_t stride = SourceRowBytes(bitsPerPixel, width);
    std::vector<uint8_t> data(stride * rows, 0);
    for (int y = 0; y < rows; ++y) {
        uint8_t* row = &data[y * stride];
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel == 24) {
                row[3 * x] = r;
                row[3 * x + 1] = g;
                row[3 * x + 2] = b;
            } else if (bitsPerPixel == 8) {
                row[x] = r;
            } else if (r) {
                row[x >> 3] |= uint8_t(0x80 >> (x & 7));
            }
        }
    }
    return data;
}

std::string ItemText(HWND dlg, int id)
{
    char text[128] = {};
    GetDlgItemTextA(dlg, id, text, sizeof(text));
    return text;
}

int BarPos(HWND dlg)
{
    return static_cast<int>(SendDlgItemMessageA(dlg, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0));
}

// Feeds `total` rows in chunks of `chunk`; false as soon as AddRows is.
bool Feed(CScanProgressDlg* dlg, const std::vector<uint8_t>& rows, int bitsPerPixel, int width, int total,
          int chunk)
{
    const size_t stride = SourceRowBytes(bitsPerPixel, width);
    for (int done = 0; done < total; done += chunk) {
        const int n = std::min(chunk, total - done);
        if (!dlg->AddRows(rows.data() + stride * done, n))
            return false;
    }
    return true;
}

class ScanProgressDlgTest : public ::testing::Test {
protected:
    void SetUp() override { tx::g_languageId = tx::kLangEnglish; }
    void TearDown() override
    {
        if (m_dlg)
            m_dlg->Destroy();
    }
    CScanProgressDlg* Open(int bitsPerPixel, int width, int height)
    {
        m_dlg = CScanProgressDlg::Create(m_owner.Get(), bitsPerPixel, width, height);
        return m_dlg;
    }

    OwnerWindow m_owner;
    CScanProgressDlg* m_dlg = nullptr;
};

TEST_F(ScanProgressDlgTest, RefusesDepthsAndSizesItCannotShow)
{
    EXPECT_EQ(CScanProgressDlg::Create(m_owner.Get(), 16, 100, 100), nullptr);
    EXPECT_EQ(CScanProgressDlg::Create(m_owner.Get(), 24, 0, 100), nullptr);
    EXPECT_EQ(CScanProgressDlg::Create(m_owner.Get(), 8, 100, -1), nullptr);
}

TEST_F(ScanProgressDlgTest, OpensWithCaptionCancelTextRangeAndAFittingThumbnail)
{
    ASSERT_NE(Open(24, 1200, 3000), nullptr);
    HWND dlg = m_dlg->Window();
    ASSERT_TRUE(IsWindow(dlg));
    EXPECT_TRUE(IsWindowVisible(dlg));
    char caption[64] = {};
    GetWindowTextA(dlg, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Tarvex 380");
    EXPECT_EQ(ItemText(dlg, IDCANCEL), "Cancel");
    PBRANGE range = {};
    SendDlgItemMessageA(dlg, IDC_PROGRESS_BAR, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(BarPos(dlg), 0);
    // Our own window is in the foreground: no need to be topmost. (Other test
    // programs may take the foreground meanwhile; then the rule is not ours
    // to check.)
    if (ForegroundIsThisProcess()) EXPECT_EQ(GetWindowLongPtrA(dlg, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // Centred over the small owner near the screen's corner, yet whole on
    // the screen.
    RECT rc = {}, work = {};
    GetWindowRect(dlg, &rc);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(rc.left, work.left);
    EXPECT_GE(rc.top, work.top);
    EXPECT_LE(rc.bottom, work.bottom);

    RECT frame = {};
    GetClientRect(GetDlgItem(dlg, IDC_THUMBNAIL_FRAME), &frame);
    const ThumbnailSize thumb = m_dlg->Thumbnail();
    EXPECT_GT(thumb.height, 0);
    EXPECT_EQ(thumb.width % 4, 0);
    EXPECT_LE(thumb.width, frame.right - 8);
    EXPECT_LE(thumb.height, frame.bottom - 8);
    // One side takes the area, the other keeps the page's 2 : 5.
    EXPECT_TRUE(thumb.height == frame.bottom - 8 || thumb.width + 4 > frame.right - 8);
    EXPECT_NEAR(thumb.width * 5.0 / 2.0, thumb.height, 11.0);
}

TEST_F(ScanProgressDlgTest, RowsMoveTheBarAndPaintTheTopOfThePageAtTheBottom)
{
    const int width = 1200, height = 3000;
    ASSERT_NE(Open(24, width, height), nullptr);
    HWND dlg = m_dlg->Window();
    const std::vector<uint8_t> red = UniformRows(24, width, height / 2, 255, 0, 0);
    ASSERT_TRUE(Feed(m_dlg, red, 24, width, height / 2, 100));
    EXPECT_EQ(BarPos(dlg), 50);
    const ThumbnailSize thumb = m_dlg->Thumbnail();
    EXPECT_EQ(m_dlg->ThumbnailRowsFilled(), thumb.height / 2);

    // The filled rows (all red) sit at the bottom of the frame; the rows not
    // yet scanned are not drawn.
    HWND frame = GetDlgItem(dlg, IDC_THUMBNAIL_FRAME);
    RECT client = {};
    GetClientRect(frame, &client);
    const ThumbnailDraw d = PlaceThumbnail(client.right, client.bottom, thumb, m_dlg->ThumbnailRowsFilled());
    HDC dc = GetDC(frame);
    const COLORREF top = GetPixel(dc, d.x + d.width / 2, d.y);
    const COLORREF bottom = GetPixel(dc, d.x + 1, d.y + d.height - 1);
    const COLORREF above = GetPixel(dc, d.x + d.width / 2, d.y - 2);
    const COLORREF edge = GetPixel(dc, 0, 0);
    ReleaseDC(frame, dc);
    EXPECT_EQ(top, RGB(255, 0, 0));
    EXPECT_EQ(bottom, RGB(255, 0, 0));
    EXPECT_NE(above, RGB(255, 0, 0));
    EXPECT_NE(above, RGB(0, 0, 0));
    EXPECT_EQ(edge, RGB(255, 255, 255)); // the light edge of the frame

    if (const char* pause = std::getenv("TX_UI_PAUSE_MS"))
        WaitUntil([] { return false; }, static_cast<DWORD>(atoi(pause)), true);

    // The rest of the page completes bar and thumbnail.
    const std::vector<uint8_t> grey = UniformRows(24, width, height / 2, 90, 90, 90);
    ASSERT_TRUE(Feed(m_dlg, grey, 24, width, height / 2, 300));
    EXPECT_EQ(BarPos(dlg), 100);
    EXPECT_EQ(m_dlg->ThumbnailRowsFilled(), thumb.height);
}

TEST_F(ScanProgressDlgTest, GreyAndBlackAndWhitePagesFillTheThumbnail)
{
    for (int bpp : {8, 1}) {
        SCOPED_TRACE(bpp);
        ASSERT_NE(Open(bpp, 850, 1100), nullptr);
        const std::vector<uint8_t> rows = UniformRows(bpp, 850, 1100, 255, 255, 255);
        ASSERT_TRUE(Feed(m_dlg, rows, bpp, 850, 1100, 64));
        EXPECT_EQ(BarPos(m_dlg->Window()), 100);
        EXPECT_EQ(m_dlg->ThumbnailRowsFilled(), m_dlg->Thumbnail().height);
        m_dlg->Destroy();
        m_dlg = nullptr;
    }
}

TEST_F(ScanProgressDlgTest, MoreRowsThanAnnouncedNeverOverfill)
{
    ASSERT_NE(Open(8, 64, 50), nullptr);
    const std::vector<uint8_t> rows = UniformRows(8, 64, 40, 128, 0, 0);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(m_dlg->AddRows(rows.data(), 40));
    EXPECT_EQ(BarPos(m_dlg->Window()), 100);
    EXPECT_EQ(m_dlg->ThumbnailRowsFilled(), m_dlg->Thumbnail().height);
    // Nothing to add, or nothing given, is no cancel.
    EXPECT_TRUE(m_dlg->AddRows(rows.data(), 0));
    EXPECT_TRUE(m_dlg->AddRows(nullptr, 5));
}

TEST_F(ScanProgressDlgTest, ClickingCancelMakesTheNextFeedAnswerFalse)
{
    ASSERT_NE(Open(24, 600, 800), nullptr);
    HWND dlg = m_dlg->Window();
    const std::vector<uint8_t> rows = UniformRows(24, 600, 100, 0, 0, 255);
    ASSERT_TRUE(m_dlg->AddRows(rows.data(), 100));
    // Posted, so that only the pump inside AddRows can deliver it.
    PostMessageA(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_FALSE(m_dlg->AddRows(rows.data(), 100));
    EXPECT_TRUE(m_dlg->Cancelled());
    // The dialog does not close itself; its owner does.
    EXPECT_TRUE(IsWindow(dlg));
    EXPECT_FALSE(m_dlg->AddRows(rows.data(), 100));
    EXPECT_EQ(BarPos(dlg), 12); // the cancelled chunks were not counted
}

TEST_F(ScanProgressDlgTest, OkEscapeAndClosingOnlySetTheCancelFlag)
{
    const UINT requests[][2] = {{WM_COMMAND, IDOK}, {WM_COMMAND, IDCANCEL}, {WM_CLOSE, 0}};
    for (const auto& request : requests) {
        SCOPED_TRACE(request[0] * 10 + request[1]);
        ASSERT_NE(Open(8, 100, 100), nullptr);
        HWND dlg = m_dlg->Window();
        EXPECT_FALSE(m_dlg->Cancelled());
        SendMessageA(dlg, request[0], request[1], 0);
        EXPECT_TRUE(IsWindow(dlg));
        EXPECT_TRUE(m_dlg->Cancelled());
        m_dlg->Destroy();
        EXPECT_FALSE(IsWindow(dlg));
        m_dlg = nullptr;
    }
}

TEST_F(ScanProgressDlgTest, SuspendIsRefusedAndASuspendNoticeCancels)
{
    ASSERT_NE(Open(8, 100, 100), nullptr);
    HWND dlg = m_dlg->Window();
    const std::vector<uint8_t> rows = UniformRows(8, 100, 10, 1, 0, 0);
    EXPECT_EQ(SendMessageA(dlg, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), BROADCAST_QUERY_DENY);
    EXPECT_EQ(SendMessageA(dlg, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
    EXPECT_EQ(SendMessageA(dlg, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0), TRUE);
    EXPECT_TRUE(m_dlg->AddRows(rows.data(), 10));
    EXPECT_EQ(SendMessageA(dlg, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);
    EXPECT_FALSE(m_dlg->AddRows(rows.data(), 10));
}

TEST_F(ScanProgressDlgTest, FeedingPumpsMessagesButDropsF10)
{
    ASSERT_NE(Open(8, 100, 1000), nullptr);
    RecorderWindow app;
    PostMessageA(app.Get(), WM_SYSKEYDOWN, VK_F10, 0x00440001);
    PostMessageA(app.Get(), WM_SYSKEYUP, VK_F10, 0xC0440001);
    PostMessageA(app.Get(), WM_SYSKEYDOWN, 'A', 0x201E0001); // Alt+A still arrives
    PostMessageA(app.Get(), WM_USER + 7, 42, 0);
    const std::vector<uint8_t> rows = UniformRows(8, 100, 1, 0, 0, 0);
    ASSERT_TRUE(m_dlg->AddRows(rows.data(), 1));

    EXPECT_EQ(app.Count(WM_USER + 7, 42), 1);
    EXPECT_EQ(app.Count(WM_SYSKEYDOWN, 'A'), 1);
    EXPECT_EQ(app.Count(WM_SYSKEYDOWN, VK_F10), 0);
    EXPECT_EQ(app.Count(WM_SYSKEYUP, VK_F10), 0);
    EXPECT_EQ(app.Count(WM_SYSCOMMAND), 0);
    EXPECT_EQ(app.Count(WM_ENTERMENULOOP), 0);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, app.Get(), WM_SYSKEYDOWN, WM_SYSKEYUP, PM_NOREMOVE));
}

TEST_F(ScanProgressDlgTest, OneFeedTakesAtMostAHundredMessages)
{
    ASSERT_NE(Open(8, 100, 1000), nullptr);
    RecorderWindow app;
    const UINT kPing = WM_USER + 9;
    for (int i = 0; i < 150; ++i)
        PostMessageA(app.Get(), kPing, i, 0);
    const std::vector<uint8_t> rows = UniformRows(8, 100, 1, 0, 0, 0);
    ASSERT_TRUE(m_dlg->AddRows(rows.data(), 1));
    const int first = app.Count(kPing);
    EXPECT_LE(first, 100);
    EXPECT_GE(first, 90); // a few other queued messages may take a turn
    ASSERT_TRUE(m_dlg->AddRows(rows.data(), 1));
    EXPECT_EQ(app.Count(kPing), 150);
}

TEST_F(ScanProgressDlgTest, AQuitMessageIsLeftForTheApplication)
{
    ASSERT_NE(Open(8, 100, 100), nullptr);
    PostQuitMessage(3);
    const std::vector<uint8_t> rows = UniformRows(8, 100, 1, 0, 0, 0);
    EXPECT_TRUE(m_dlg->AddRows(rows.data(), 1));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(ScanProgressDlgTest, AWindowDestroyedWithItsOwnerEndsTheScanSafely)
{
    ASSERT_NE(Open(24, 200, 200), nullptr);
    HWND dlg = m_dlg->Window();
    DestroyWindow(m_owner.Get());
    m_owner.Release();
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_EQ(m_dlg->Window(), nullptr);
    const std::vector<uint8_t> rows = UniformRows(24, 200, 10, 0, 0, 0);
    EXPECT_FALSE(m_dlg->AddRows(rows.data(), 10));
    // Destroy (in TearDown) is still safe.
}

} // namespace
