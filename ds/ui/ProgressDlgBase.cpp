#include "ui/ProgressDlgBase.h"

LRESULT AnswerPowerBroadcast(WPARAM event, int& cancel)
{
    switch (event) {
    case PBT_APMQUERYSUSPEND:
        return BROADCAST_QUERY_DENY;
    case PBT_APMSUSPEND:
        cancel = 1;
        return TRUE;
    default:
        return TRUE;
    }
}

INT_PTR CProgressDlgBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        ApplyTopmostRule();
        m_cancel = 0;
        return OnInitDialog();
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            m_cancel = 1;
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        m_cancel = 1;
        return TRUE;
    case WM_POWERBROADCAST:
        SetMessageResult(AnswerPowerBroadcast(wParam, m_cancel));
        return TRUE;
    default:
        return FALSE;
    }
}
