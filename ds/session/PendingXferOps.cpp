// DAT_PENDINGXFERS and DAT_XFERGROUP: how many pages are pending, the end of
// each page (with the continue-scan dialog of a continuous scan), and the
// reset that abandons the acquisition.
#include <windows.h>

#include "device/ScannerChecks.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Notifications.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/MemoryXfer.h"
#include "transfer/PageStore.h"
#include "ui/ContinueScanDlg.h"

namespace {

// The continue-scan dialog's owner: the application's window, none for the
// desktop.
HWND DialogOwner(HWND parent)
{
    return parent && parent != GetDesktopWindow() && IsWindow(parent) ? parent : nullptr;
}

TW_UINT16 Count(TW_PENDINGXFERS* pending, int16_t count)
{
    pending->Count = static_cast<TW_UINT16>(count);
    return TWRC_SUCCESS;
}

TW_UINT16 EndXfer(TW_PENDINGXFERS* pending)
{
    CDataSourceApp& app = TheApp();
    CPageStore& store = ThePageStore();
    store.EndPage();
    ForgetMemoryXferPage();
    const int16_t left = app.m_pendingXfers > 0 ? static_cast<int16_t>(app.m_pendingXfers - 1) : app.m_pendingXfers;

    if (left != 0 && app.m_settings.ContinuousScan) {
        CContinueScanDlg dialog;
        if (dialog.Run(DialogOwner(app.m_hParent)) == IDOK && IsPaperPresent()) {
            store.ResetSide();
            store.SelectSide(0);
            MoveState(Op::EndXfer, Outcome::Otherwise);
            app.m_pendingXfers = -1;
            return Count(pending, -1);
        }
    }
    store.CloseAll();
    MoveState(Op::EndXfer);
    PostWakeUp(app.m_hParent);
    g_closeRequestPending = true;
    app.m_pendingXfers = 0;
    return Count(pending, 0);
}

TW_UINT16 ResetXfers(TW_PENDINGXFERS* pending)
{
    CDataSourceApp& app = TheApp();
    ThePageStore().CloseAll();
    ForgetMemoryXferPage();
    MoveState(Op::PendingReset);
    SendToManager(MSG_CLOSEDSREQ);
    app.m_pendingXfers = 0;
    return Count(pending, 0);
}

} // namespace

TW_UINT16 DsPendingXfers(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF data)
{
    const Op op = msg == MSG_ENDXFER ? Op::EndXfer : (msg == MSG_RESET ? Op::PendingReset : Op::PendingGet);
    if (!RequireState(op)) return TWRC_FAILURE;
    auto* pending = static_cast<TW_PENDINGXFERS*>(data);
    if (!pending) return FailNullRecord();
    switch (msg) {
    case MSG_ENDXFER: return EndXfer(pending);
    case MSG_RESET: return ResetXfers(pending);
    default: return Count(pending, TheApp().m_pendingXfers);
    }
}

TW_UINT16 DsXferGroup(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::PendingGet)) return TWRC_FAILURE;
    if (!data) return FailNullRecord();
    *static_cast<TW_UINT32*>(data) = DG_IMAGE;
    return TWRC_SUCCESS;
}
