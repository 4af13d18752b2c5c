// The modal progress dialog of a long library call (template 331): the call
// runs on a worker thread and reports its percentage through TaskProgress.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "common/driver/SIInterface.h"
#include "ui/DialogBase.h"
#include "ui/WinHandles.h"

// The long call: given the progress callback, gives the library's result.
using ProgressTask = int (*)(SIProgressCallback progress, void* context);

// The task's result while it has not returned (or could not be started).
constexpr int kTaskNotFinished = 2048;
// The dialog looks at the worker every this many milliseconds.
constexpr UINT kTaskPollMs = 167;
constexpr UINT_PTR kTaskTimerId = 1;

// Shows the dialog over `parent` with `caption` until the task has returned
// (Cancel asks the task to stop through the callback and still waits).
// Gives the task's result, or 2048 when the dialog or its thread could not be
// started; `dialogResult` (optional) receives IDOK or IDCANCEL.
int RunTaskProgress(HWND parent, const char* caption, ProgressTask task, void* context,
                    INT_PTR* dialogResult = nullptr);

// The progress callback handed to the task; safe on any thread. Gives 1 to
// go on, 0 once the user has cancelled; without a running dialog it gives 1.
int SI_CALL TaskProgress(int percent);

class CTaskProgressDlg : public CDialogBase {
public:
    CTaskProgressDlg(const char* caption, ProgressTask task, void* context);
    ~CTaskProgressDlg() override;

    // Shows the dialog modally; returns once the worker has ended.
    INT_PTR Run(HWND parent);
    // The task's result, 2048 until it has returned.
    int Result() const { return m_result; }

    // The running dialog's side of TaskProgress (worker thread).
    int Report(int percent);

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog();
    void OnTimer();
    void Finish(INT_PTR result);
    void WaitForWorker();
    static unsigned __stdcall WorkerMain(void* self);

    std::string m_caption;
    ProgressTask m_task;
    void* m_context;

    ScopedHandle m_event;
    CriticalSection m_lock;
    int m_percent = 0; // guarded by m_lock
    ScopedHandle m_thread;
    int m_result = kTaskNotFinished;
    // Set when a cancel is asked for or the task has finished; the worker
    // reads it without the lock.
    std::atomic<uint8_t> m_flag{0};
};
