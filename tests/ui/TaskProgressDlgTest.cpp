// The task progress dialog: a task on its worker thread whose percentages
// reach the bar, and a cancel that stops the task through the callback while
// the dialog waits for the worker to return.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestWindows.h"
#include "common/text/DsLanguage.h"
#include "ui/TaskProgressDlg.h"
#include "ui/resource.h"

namespace {

// What a task saw of the dialog from its worker thread.
struct Probe {
    std::string caption;
    DWORD workerThread = 0;
    HWND dialog = nullptr;
    std::string cancelText;
    std::vector<int> answers;   // what the callback gave back
    std::vector<int> barSeen;   // the bar after each report
    bool stopSeen = false;
    int barAfterStop = -1;
    bool openAfterStop = false;
    bool openAfterEnter = false;
};

HWND FindDialog(const std::string& caption)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowA("#32770", caption.c_str())) != nullptr; }, 3000);
    return found;
}

int BarPos(HWND dlg)
{
    return static_cast<int>(SendDlgItemMessageA(dlg, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0));
}

// Reports `percent` and waits for the dialog's timer to show it.
void ReportAndWatch(Probe& p, SIProgressCallback progress, int percent, int expectedBar)
{
    p.answers.push_back(progress(percent));
    int bar = -1;
    WaitUntil([&] { return (bar = BarPos(p.dialog)) == expectedBar; }, 3000);
    p.barSeen.push_back(bar);
}

int ReportingTask(SIProgressCallback progress, void* context)
{
    auto& p = *static_cast<Probe*>(context);
    p.workerThread = GetCurrentThreadId();
    p.dialog = FindDialog(p.caption);
    if (!p.dialog)
        return -1;
    char text[32] = {};
    GetDlgItemTextA(p.dialog, IDCANCEL, text, sizeof(text));
    p.cancelText = text;
    ReportAndWatch(p, progress, 25, 25);
    ReportAndWatch(p, progress, 60, 60);
    if (const char* pause = std::getenv("TX_UI_PAUSE_MS"))
        Sleep(static_cast<DWORD>(atoi(pause))); // time for a screenshot
    ReportAndWatch(p, progress, 150, 100); // out of range: shown as 100
    return 0;
}

// Reports progress until the callback asks it to stop, then takes a while
// longer, as a library finishing its pass would.
int CancelledTask(SIProgressCallback progress, void* context)
{
    auto& p = *static_cast<Probe*>(context);
    p.dialog = FindDialog(p.caption);
    if (!p.dialog)
        return -1;
    ReportAndWatch(p, progress, 30, 30);
    PostMessageA(GetDlgItem(p.dialog, IDCANCEL), BM_CLICK, 0, 0);
    p.stopSeen = WaitUntil([&] { return progress(70) == 0; }, 3000);
    Sleep(600); // several timer periods
    p.barAfterStop = BarPos(p.dialog);
    p.openAfterStop = IsWindow(p.dialog) && IsWindowVisible(p.dialog);
    return SI_CANCELLED;
}

// Enter must not end the dialog; closing the window asks for a stop.
int EnterThenCloseTask(SIProgressCallback progress, void* context)
{
    auto& p = *static_cast<Probe*>(context);
    p.dialog = FindDialog(p.caption);
    if (!p.dialog)
        return -1;
    SendMessageA(p.dialog, WM_COMMAND, IDOK, 0);
    Sleep(400);
    p.openAfterEnter = IsWindow(p.dialog) != FALSE;
    p.answers.push_back(progress(10));
    SendMessageA(p.dialog, WM_CLOSE, 0, 0);
    p.answers.push_back(progress(20));
    return 5;
}

class TaskProgressDlgTest : public ::testing::Test {
protected:
    void SetUp() override { tx::g_languageId = tx::kLangEnglish; }
    OwnerWindow m_owner;
};

TEST_F(TaskProgressDlgTest, TheWorkersProgressReachesTheBar)
{
    Probe probe;
    probe.caption = "Calibrating... (progress)";
    INT_PTR shown = 0;
    const int result = RunTaskProgress(m_owner.Get(), probe.caption.c_str(), ReportingTask, &probe, &shown);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(shown, IDOK);
    ASSERT_NE(probe.dialog, nullptr) << "dialog with the given caption not found";
    EXPECT_NE(probe.workerThread, GetCurrentThreadId());
    EXPECT_EQ(probe.cancelText, "Cancel");
    EXPECT_EQ(probe.answers, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(probe.barSeen, (std::vector<int>{25, 60, 100}));
    EXPECT_FALSE(IsWindow(probe.dialog)); // closed once the task returned
    EXPECT_EQ(TaskProgress(40), 1);       // no dialog left to stop anything
}

TEST_F(TaskProgressDlgTest, CancelStopsTheTaskAndTheDialogWaitsForIt)
{
    Probe probe;
    probe.caption = "Calibrating... (cancel)";
    INT_PTR shown = 0;
    const DWORD start = GetTickCount();
    const int result = RunTaskProgress(m_owner.Get(), probe.caption.c_str(), CancelledTask, &probe, &shown);
    EXPECT_GE(GetTickCount() - start, 600u);
    EXPECT_EQ(result, SI_CANCELLED); // the task's own answer comes back
    EXPECT_EQ(shown, IDOK);          // ended by the timer, as every run is
    EXPECT_TRUE(probe.stopSeen) << "the callback never asked the task to stop";
    EXPECT_EQ(probe.barAfterStop, 30) << "progress moved after the cancel";
    EXPECT_TRUE(probe.openAfterStop) << "the dialog closed before the task returned";
    EXPECT_FALSE(IsWindow(probe.dialog));
}

TEST_F(TaskProgressDlgTest, EnterDoesNotEndTheDialogAndClosingAsksForAStop)
{
    Probe probe;
    probe.caption = "Cleaning... (keys)";
    const int result = RunTaskProgress(m_owner.Get(), probe.caption.c_str(), EnterThenCloseTask, &probe);
    EXPECT_EQ(result, 5);
    EXPECT_TRUE(probe.openAfterEnter);
    EXPECT_EQ(probe.answers, (std::vector<int>{1, 0}));
}

TEST_F(TaskProgressDlgTest, WithoutATaskNothingRuns)
{
    INT_PTR shown = 0;
    EXPECT_EQ(RunTaskProgress(m_owner.Get(), "Calibrating... (no task)", nullptr, nullptr, &shown), kTaskNotFinished);
    EXPECT_EQ(shown, IDCANCEL);
    EXPECT_EQ(FindWindowA("#32770", "Calibrating... (no task)"), nullptr);
}

} // namespace
