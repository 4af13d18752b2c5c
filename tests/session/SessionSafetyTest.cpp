// A session that ends or is called into while a page is under way: closing
// with the page store open, the progress dialog giving the application's
// window back before it goes, and calls from the application's own handlers
// while a scan or a calibration pumps its messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "MessageBoxRecorder.h"
#include "SimulatedScanner.h"
#include "device/Calibration.h"
#include "device/DriverLink.h"
#include "session/DataSourceApp.h"
#include "session/Router.h"
#include "transfer/PageStore.h"
#include "ui/resource.h"

namespace {

bool IsProgressDialog(HWND w)
{
    char caption[32] = {};
    GetWindowTextA(w, caption, sizeof caption);
    return lstrcmpA(caption, "Tarvex 380") == 0 && GetDlgItem(w, IDC_PROGRESS_BAR) != nullptr;
}

// This thread's progress dialog, or null.
HWND ProgressDialog()
{
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) -> BOOL {
            if (!IsProgressDialog(w)) return TRUE;
            *reinterpret_cast<HWND*>(found) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

// What the application's window procedure did when it called back in.
struct Reentry {
    bool called = false;
    TW_UINT16 closeRc = 0;
    TW_UINT16 closeCc = 0;
    TW_UINT16 statusRc = 0;
};
Reentry g_reentry;
TW_IDENTITY g_app{};

constexpr UINT kCallBackIn = WM_APP + 7;

LRESULT CALLBACK ApplicationWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if ((msg == kCallBackIn || msg == WM_TIMER) && !g_reentry.called) {
        g_reentry.called = true;
        g_reentry.closeRc = Dispatch(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        TW_STATUS status{};
        g_reentry.statusRc = Dispatch(&g_app, DG_CONTROL, DAT_STATUS, MSG_GET, &status);
        g_reentry.closeCc = status.ConditionCode;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class SessionSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Loaded());
        ASSERT_TRUE(m_sim.Set("Device", "BusyAfterScanMs", "0"));
        std::memset(&g_app, 0, sizeof g_app);
        std::strcpy(g_app.ProductName, "Safety App");
        g_reentry = Reentry{};
        TW_IDENTITY ds{};
        ASSERT_EQ(Dispatch(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
        WNDCLASSA wc{};
        wc.lpfnWndProc = &ApplicationWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SessionSafetyApp";
        RegisterClassA(&wc);
        m_parent = CreateWindowExA(0, "SessionSafetyApp", "application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   200, 200, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_parent, nullptr);
    }
    void TearDown() override
    {
        Dispatch(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        if (m_parent) DestroyWindow(m_parent);
    }
    static ScanSettings Grey150(int16_t detectEop)
    {
        ScanSettings s = TheApp().m_settings;
        s.ScanMode = kModeGray;
        s.DPI = 150;
        s.Top = 0;
        s.Left = 0;
        s.Bottom = 400;
        s.Right = 432;
        s.DetectEOP = detectEop;
        return s;
    }
    // Opens the module's store with the progress dialog over the window and
    // reads `rows` rows of the page.
    uint32_t StartPage(const ScanSettings& s, uint32_t rows)
    {
        CPageStore& store = ThePageStore();
        EXPECT_EQ(store.Open(&s, true, m_parent), kStoreOpened);
        store.SelectSide(0);
        std::vector<uint8_t> buffer(static_cast<size_t>(store.RowBytes(false)) * rows);
        uint32_t got = 0;
        store.ReadRows(buffer.data(), rows, 0, &got);
        return got;
    }

    SimulatedScanner m_sim;
    HWND m_parent = nullptr;
};

TEST_F(SessionSafetyTest, CloseInTheMiddleOfAPageEndsTheScanAndGivesTheWindowBack)
{
    ASSERT_EQ(StartPage(Grey150(0), 100), 100u);
    ASSERT_EQ(m_sim.Status("Scanning"), 1);
    ASSERT_NE(ProgressDialog(), nullptr);
    ASSERT_FALSE(IsWindowEnabled(m_parent));
    const int out = m_sim.Status("SheetsOut");

    EXPECT_EQ(Dispatch(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    EXPECT_EQ(TheApp().m_twainState, kStateLoaded);
    EXPECT_FALSE(ThePageStore().IsOpen());
    EXPECT_EQ(ProgressDialog(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(m_parent));
    EXPECT_EQ(m_sim.Status("Scanning"), 0);
    EXPECT_EQ(m_sim.Status("SheetsOut"), out + 1) << "the sheet is ejected";
    EXPECT_FALSE(TheScanner().IsBound());

    // The next session scans as if nothing had happened.
    TW_IDENTITY ds{};
    ASSERT_EQ(Dispatch(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    EXPECT_EQ(StartPage(Grey150(0), 50), 50u);
    ThePageStore().CloseAll();
}

TEST_F(SessionSafetyTest, CloseWithABufferedPageDeletesItsFile)
{
    const ScanSettings s = Grey150(1);
    ASSERT_EQ(ThePageStore().Open(&s, false, nullptr), kStoreOpened);
    ThePageStore().SelectSide(0);
    ASSERT_GT(ThePageStore().Length(true), 0u);
    const std::string file = ThePageStore().Buffered().PageFilePath();
    ASSERT_FALSE(file.empty());
    ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Dispatch(&g_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    EXPECT_FALSE(ThePageStore().IsOpen());
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Destroying the active progress dialog while its owner is still disabled
// would activate another program's window: the owner is enabled first.
HHOOK g_destroyHook = nullptr;
HWND g_owner = nullptr;
int g_ownerEnabledAtDestroy = -1;

LRESULT CALLBACK DestroyWatch(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && IsProgressDialog(reinterpret_cast<HWND>(wParam)))
        g_ownerEnabledAtDestroy = IsWindowEnabled(g_owner) ? 1 : 0;
    return CallNextHookEx(g_destroyHook, code, wParam, lParam);
}

TEST_F(SessionSafetyTest, ProgressDialogEnablesItsOwnerBeforeItGoes)
{
    g_owner = m_parent;
    g_ownerEnabledAtDestroy = -1;
    g_destroyHook = SetWindowsHookExA(WH_CBT, &DestroyWatch, nullptr, GetCurrentThreadId());
    ASSERT_NE(g_destroyHook, nullptr);
    const ScanSettings s = Grey150(0);
    ASSERT_EQ(ThePageStore().Open(&s, true, m_parent), kStoreOpened);
    ThePageStore().SelectSide(0);
    const uint32_t rows = ThePageStore().Length(false);
    std::vector<uint8_t> buffer(static_cast<size_t>(ThePageStore().RowBytes(false)) * rows);
    uint32_t got = 0;
    ThePageStore().ReadRows(buffer.data(), rows, 0, &got);
    UnhookWindowsHookEx(g_destroyHook);
    EXPECT_EQ(got, rows);
    EXPECT_EQ(g_ownerEnabledAtDestroy, 1);
    EXPECT_TRUE(IsWindowEnabled(m_parent));
    ThePageStore().CloseAll();
}

// The application's window procedure calls MSG_CLOSEDS while the progress
// dialog pumps: refused with TWCC_SEQERROR, and the page goes on to its end.
TEST_F(SessionSafetyTest, CloseFromAHandlerDuringAScanIsRefused)
{
    const ScanSettings s = Grey150(0);
    ASSERT_EQ(ThePageStore().Open(&s, true, m_parent), kStoreOpened);
    ThePageStore().SelectSide(0);
    const uint32_t rows = ThePageStore().Length(false);
    std::vector<uint8_t> buffer(static_cast<size_t>(ThePageStore().RowBytes(false)) * rows);
    uint32_t done = 0, got = 0;
    ThePageStore().ReadRows(buffer.data(), 50, 0, &got); // the dialog is up now
    done += got;
    PostMessageA(m_parent, kCallBackIn, 0, 0);
    while (done < rows && g_scanStatus == kScanOk) {
        ThePageStore().ReadRows(buffer.data() + static_cast<size_t>(done) * ThePageStore().RowBytes(false),
                                std::min<uint32_t>(50, rows - done), 0, &got);
        if (got == 0) break;
        done += got;
    }
    ASSERT_TRUE(g_reentry.called) << "the dialog's pump handed the message on";
    EXPECT_EQ(g_reentry.closeRc, TWRC_FAILURE);
    EXPECT_EQ(g_reentry.statusRc, TWRC_SUCCESS) << "DAT_STATUS is served meanwhile";
    EXPECT_EQ(g_reentry.closeCc, TWCC_SEQERROR);
    EXPECT_EQ(done, rows);
    EXPECT_EQ(g_scanStatus, kScanOk);
    EXPECT_EQ(TheApp().m_twainState, kStateOpen);
    EXPECT_TRUE(TheScanner().IsBound());
    ThePageStore().CloseAll();
}

// The same during a calibration: its dialogs pump the application's
// messages while the worker thread calls the driver.
TEST_F(SessionSafetyTest, CloseFromAHandlerDuringACalibrationIsRefused)
{
    ASSERT_TRUE(m_sim.Set("Calibration", "DurationMs", "600"));
    ASSERT_TRUE(m_sim.Set("Device", "BusyAfterCalibrateMs", "0"));
    MessageBoxRecorder boxes;
    boxes.AlsoAnswerDialogsWith(IDC_CALIBRATE);
    boxes.Answer(IDC_CALIBRATE);
    SetTimer(m_parent, 1, 200, nullptr);
    EXPECT_TRUE(CalibrateOrClean(m_parent, kCalibrationChoice, true));
    KillTimer(m_parent, 1);
    ASSERT_TRUE(g_reentry.called);
    EXPECT_EQ(g_reentry.closeRc, TWRC_FAILURE);
    EXPECT_EQ(g_reentry.closeCc, TWCC_SEQERROR);
    EXPECT_EQ(m_sim.Status("Calibrations"), 1);
    EXPECT_TRUE(TheScanner().IsBound());
    EXPECT_EQ(TheApp().m_twainState, kStateOpen);
}

} // namespace
