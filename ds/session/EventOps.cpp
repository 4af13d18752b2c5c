// DAT_EVENT / MSG_PROCESSEVENT: the application's messages reach the sheet
// here, and the close request after the last page is sent from here, on the
// application's thread.
#include "session/DataSourceApp.h"
#include "session/Notifications.h"
#include "session/Operations.h"
#include "session/ScanSheetLink.h"
#include "session/StateTable.h"

TW_UINT16 DsProcessEvent(TW_IDENTITY* origin, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::ProcessEvent)) return TWRC_FAILURE;
    auto* event = static_cast<TW_EVENT*>(data);
    if (!event) return FailNullRecord();
    event->TWMessage = MSG_NULL;
    if (ScanSheetWindow())
        return TranslateSheetMessage(static_cast<MSG*>(event->pEvent)) ? TWRC_DSEVENT : TWRC_NOTDSEVENT;
    if (TheApp().m_twainState == kStateEnabled && g_closeRequestPending) SendPendingCloseRequest(origin);
    return TWRC_NOTDSEVENT;
}
