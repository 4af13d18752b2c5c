#include "ui/TaskProgressDlg.h"

#include <commctrl.h>
#include <process.h>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "ui/resource.h"

namespace {

// The running dialog, for the progress callback. Set at initialisation,
// cleared when the dialog is destroyed; the dialog outlives its worker.
std::atomic<CTaskProgressDlg*> g_taskProgressDlg{nullptr};

} // namespace

int SI_CALL TaskProgress(int percent)
{
    CTaskProgressDlg* dlg = g_taskProgressDlg.load();
    return dlg ? dlg->Report(percent) : 1;
}

int RunTaskProgress(HWND parent, const char* caption, ProgressTask task, void* context, INT_PTR* dialogResult)
{
    if (dialogResult)
        *dialogResult = IDCANCEL;
    // One callback has one dialog to report to: a second one at the same
    // time is refused.
    if (!task || g_taskProgressDlg.load())
        return kTaskNotFinished;
    CTaskProgressDlg dlg(caption, task, context);
    const INT_PTR shown = dlg.Run(parent);
    if (dialogResult)
        *dialogResult = shown == IDOK ? IDOK : IDCANCEL;
    return dlg.Result();
}

CTaskProgressDlg::CTaskProgressDlg(const char* caption, ProgressTask task, void* context)
    : m_caption(caption ? caption : ""), m_task(task), m_context(context)
{
}

CTaskProgressDlg::~CTaskProgressDlg()
{
    WaitForWorker();
    m_event.Close();
    CTaskProgressDlg* self = this;
    g_taskProgressDlg.compare_exchange_strong(self, nullptr);
    // The critical section is deleted (when initialised) by its owner.
}

INT_PTR CTaskProgressDlg::Run(HWND parent)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    const INT_PTR result = RunModal(IDD_TASK_PROGRESS, parent);
    // Only reached with a live worker when the window was torn down from
    // outside (its owner destroyed): the task still reports into this object.
    WaitForWorker();
    return result;
}

void CTaskProgressDlg::WaitForWorker()
{
    if (!m_thread)
        return;
    m_flag = 1;
    WaitForSingleObject(m_thread.Get(), INFINITE);
    m_thread.Close();
}

unsigned __stdcall CTaskProgressDlg::WorkerMain(void* param)
{
    auto* self = static_cast<CTaskProgressDlg*>(param);
    self->m_result = self->m_task(TaskProgress, self->m_context);
    return 0;
}

int CTaskProgressDlg::Report(int percent)
{
    if (m_flag)
        return 0;
    {
        CriticalSectionLock lock(m_lock);
        m_percent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
    }
    SetEvent(m_event.Get());
    return 1;
}

void CTaskProgressDlg::OnInitDialog()
{
    ApplyTopmostRule();
    SetWindowTextA(m_hwnd, m_caption.c_str());
    SetDlgItemTextA(m_hwnd, IDCANCEL, tx::DsText(tx::dstext::kTxtCancel).c_str());
    SendDlgItemMessageA(m_hwnd, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, 100);
    Centre();

    m_event.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!m_event) {
        EndDialog(m_hwnd, IDCANCEL);
        return;
    }
    m_lock.Initialise();
    m_percent = 0;
    m_result = kTaskNotFinished;
    m_flag = 0;
    g_taskProgressDlg = this;

    const uintptr_t thread = _beginthreadex(nullptr, 0, WorkerMain, this, 0, nullptr);
    if (!thread) {
        EndDialog(m_hwnd, IDCANCEL);
        return;
    }
    m_thread.Reset(reinterpret_cast<HANDLE>(thread));
    SetTimer(m_hwnd, kTaskTimerId, kTaskPollMs, nullptr);
}

void CTaskProgressDlg::OnTimer()
{
    if (!m_flag && WaitForSingleObject(m_event.Get(), 0) == WAIT_OBJECT_0) {
        int percent;
        {
            CriticalSectionLock lock(m_lock);
            percent = m_percent;
        }
        SendDlgItemMessageA(m_hwnd, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }
    if (m_thread && WaitForSingleObject(m_thread.Get(), 0) == WAIT_OBJECT_0) {
        m_thread.Close();
        Finish(IDOK);
        return;
    }
    SetTimer(m_hwnd, kTaskTimerId, kTaskPollMs, nullptr);
}

void CTaskProgressDlg::Finish(INT_PTR result)
{
    KillTimer(m_hwnd, kTaskTimerId);
    EndDialog(m_hwnd, result);
    m_flag = 1;
}

INT_PTR CTaskProgressDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_TIMER:
        if (wParam != kTaskTimerId)
            return FALSE;
        OnTimer();
        return TRUE;
    case WM_COMMAND:
        // Cancel and Escape only ask the task to stop; the dialog ends when
        // the worker does. Enter (OK) does nothing: ending here would leave
        // the worker reporting into a closed dialog.
        if (LOWORD(wParam) == IDCANCEL)
            m_flag = 1;
        return LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK;
    case WM_CLOSE:
        m_flag = 1;
        return TRUE;
    case WM_DESTROY:
        KillTimer(m_hwnd, kTaskTimerId);
        return FALSE;
    default:
        return FALSE;
    }
}
