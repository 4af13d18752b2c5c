// The continue-scan dialog as a real modal window, with its clock, paper
// sensor and pause replaced: the countdown, the end by paper, by Finish,
// Enter and Escape, and by the time-out.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "TestWindows.h"
#include "common/text/DsLanguage.h"
#include "ui/ContinueScanDlg.h"
#include "ui/resource.h"

namespace {

DWORD g_now = 0;
DWORD g_step = 0;        // added to the clock at every reading after the first
int g_readings = 0;
int g_paperAfter = -1;   // sensor readings until paper is seen; -1 never
int g_paperReadings = 0;
std::vector<DWORD> g_pauses;

DWORD FakeNow()
{
    if (g_readings++ > 0) g_now += g_step;
    return g_now;
}
bool FakePaper() { return g_paperAfter >= 0 && ++g_paperReadings > g_paperAfter; }
void FakePause(DWORD ms) { g_pauses.push_back(ms); }

const ContinueScanEnvironment kFake = {&FakeNow, &FakePaper, &FakePause};

std::string Text(HWND dialog, int id)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class ContinueScanDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tx::g_languageId = tx::kLangEnglish;
        g_now = 100000;
        g_step = 0;
        g_readings = 0;
        g_paperAfter = -1;
        g_paperReadings = 0;
        g_pauses.clear();
    }
    OwnerWindow owner;
};

TEST_F(ContinueScanDlgTest, CountsDownToTheTimeOutAndEndsTheScan)
{
    g_step = 1000;   // one second per tick
    std::vector<int> shown;
    DialogDriver watch(IDC_CONTINUE_COUNTDOWN, [&shown](HWND dialog) {
        const int s = std::atoi(Text(dialog, IDC_CONTINUE_COUNTDOWN).c_str());
        if (shown.empty() || shown.back() != s) shown.push_back(s);
        return false;
    }, 20);
    CContinueScanDlg dialog(kFake);
    EXPECT_EQ(dialog.Run(owner.Get()), IDCANCEL);
    EXPECT_EQ(dialog.SecondsShown(), 0);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), 15);
    for (size_t i = 1; i < shown.size(); ++i) EXPECT_LT(shown[i], shown[i - 1]);
    EXPECT_TRUE(g_pauses.empty());
}

TEST_F(ContinueScanDlgTest, ShowsItsTextsAndKeepsOkOutOfReach)
{
    std::string title, finish, prompt, countdown;
    bool okUsable = true;
    bool looked = false;
    DialogDriver look(IDC_CONTINUE_TEXT, [&](HWND dialog) {
        if (looked) return false;   // the pause below pumps this timer again
        looked = true;
        char text[64] = {};
        GetWindowTextA(dialog, text, sizeof text);
        title = text;
        finish = Text(dialog, IDCANCEL);
        prompt = Text(dialog, IDC_CONTINUE_TEXT);
        countdown = Text(dialog, IDC_CONTINUE_COUNTDOWN);
        RECT client, ok;
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
        okUsable = IsWindowEnabled(GetDlgItem(dialog, IDOK)) || ok.left < client.right;
        if (const char* pause = std::getenv("TX_UI_PAUSE_MS"))
            WaitUntil([] { return false; }, static_cast<DWORD>(std::atoi(pause)), true);
        DialogDriver::Press(dialog, IDCANCEL);
        return true;
    });
    CContinueScanDlg dialog(kFake);
    EXPECT_EQ(dialog.Run(owner.Get()), IDCANCEL);
    EXPECT_EQ(title, "Tarvex 380");
    EXPECT_EQ(finish, "Finish");
    EXPECT_EQ(countdown, "15 seconds");
    EXPECT_EQ(prompt.rfind("Please insert another document", 0), 0u) << prompt;
    EXPECT_FALSE(okUsable);
}

TEST_F(ContinueScanDlgTest, PaperEndsTheWaitAfterItsPause)
{
    g_paperAfter = 0;   // in the slot from the start: the first tick ends it
    CContinueScanDlg atOnce(kFake);
    EXPECT_EQ(atOnce.Run(owner.Get()), IDOK);
    ASSERT_EQ(g_pauses.size(), 1u);
    EXPECT_EQ(g_pauses[0], kContinueScanPaperPauseMs);
    EXPECT_EQ(g_paperReadings, 1);

    g_paperAfter = 3;   // arrives during the countdown
    g_paperReadings = 0;
    CContinueScanDlg later(kFake);
    EXPECT_EQ(later.Run(owner.Get()), IDOK);
    EXPECT_EQ(g_paperReadings, 4);
}

TEST_F(ContinueScanDlgTest, EnterAndEscapeBothFinish)
{
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        bool sent = false;
        DialogDriver press(IDC_CONTINUE_TEXT, [&](HWND dialog) {
            if (sent) return false;
            HWND focus = GetFocus();
            PostMessageA(focus ? focus : dialog, WM_KEYDOWN, key, 0);
            return sent = true;
        });
        CContinueScanDlg dialog(kFake);   // the clock stands still: no time-out
        EXPECT_EQ(dialog.Run(owner.Get()), IDCANCEL) << "key " << key;
        EXPECT_TRUE(sent);
        EXPECT_EQ(dialog.SecondsShown(), 15);
    }
}

} // namespace
