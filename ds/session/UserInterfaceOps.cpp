// DAT_USERINTERFACE: enabling the source (with its sheet, for settings only,
// or straight into an acquisition without a dialog) and disabling it.
#include <windows.h>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/ConnectionRepair.h"
#include "device/DriverLink.h"
#include "device/ScanErrorText.h"
#include "device/ScannerChecks.h"
#include "session/Acquisition.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Notifications.h"
#include "session/Operations.h"
#include "session/ScanSheetLink.h"
#include "session/ShowMessage.h"
#include "session/StateTable.h"
#include "transfer/MemoryXfer.h"
#include "transfer/PageStore.h"

namespace {

constexpr int kScannerReady = 1;
constexpr int kScannerNotReady = 3;

// The scanner answers, or its connection is made again (with the repair of
// the known faults). False when it stays unreachable.
bool EnsureScannerAnswers()
{
    const int status = IsScannerReady();
    if (status == kScannerReady && IsScannerReady() != kScannerNotReady) return true;
    tx::ScannerLibrary& scanner = TheScanner();
    if (!scanner.IsBound()) return false;
    scanner.SI_CloseInterface();
    int code = scanner.OpenInterface();
    if (code != 0) code = RepairConnection(code);
    if (code != 0) return false;
    ReadResolutionList();
    return true;
}

int SheetPage(const CDataSourceApp& app)
{
    const int page = app.GetProfileInt(app.m_sectionName, "PropPage", 1);
    return page == 0 ? 0 : 1;
}

TW_UINT16 EnableDs(TW_UINT16 msg, TW_USERINTERFACE* ui)
{
    if (!RequireState(Op::EnableDs)) return TWRC_FAILURE;
    if (!ui) return FailNullRecord();
    CDataSourceApp& app = TheApp();

    if (!EnsureScannerAnswers()) {
        ShowMessage(nullptr, tx::DsText(tx::dstext::kTxtScannerNotConnected).c_str(), kMessageCaption, MB_OK);
        return app.Fail(TWCC_OPERATIONERROR);
    }
    app.m_hParent = ui->hParent ? static_cast<HWND>(ui->hParent) : GetDesktopWindow();
    app.m_uiMode = msg == MSG_ENABLEDSUIONLY ? kUiOnly : (ui->ShowUI ? kUiShown : kUiNone);

    if (app.m_uiMode != kUiNone) {
        ui->ModalUI = TRUE;
        if (!OpenScanSheet(app.m_hParent, SheetPage(app), app.m_uiMode == kUiOnly))
            return app.Fail(TWCC_LOWMEMORY);
        MoveState(Op::EnableDs);
        g_closeRequestPending = false;
        return TWRC_SUCCESS;
    }

    if (!CheckBeforeScan(app.m_hParent)) return app.Fail(TWCC_OPERATIONERROR);
    MoveState(Op::EnableDs);
    const int32_t code = StartAcquisition();
    if (code != kAcquisitionStarted) {
        MoveState(Op::EnableDs, Outcome::Otherwise);
        ShowMessage(app.m_hParent, ScanErrorText(code).c_str(), kMessageCaption, MB_ICONEXCLAMATION);
        return app.Fail(TWCC_OPERATIONERROR);
    }
    MoveState(Op::StartAcquisition);
    g_closeRequestPending = false;
    SendToManager(MSG_XFERREADY);
    return TWRC_SUCCESS;
}

// Disabling from states 6 and 7 abandons the transfers: the page store is
// closed as well (a running scan ended, its files deleted, its dialog gone),
// so that the next acquisition can open it again.
TW_UINT16 DisableDs()
{
    if (!RequireState(Op::DisableDs)) return TWRC_FAILURE;
    CDataSourceApp& app = TheApp();
    CloseScanSheet();
    if (app.m_twainState >= kStateXferReady) {
        ThePageStore().CloseAll();
        ForgetMemoryXferPage();
        app.m_pendingXfers = 0;
    }
    MoveState(Op::DisableDs);
    app.m_hParent = nullptr;
    return TWRC_SUCCESS;
}

} // namespace

TW_UINT16 DsUserInterface(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF data)
{
    if (msg == MSG_DISABLEDS) return DisableDs();
    return EnableDs(msg, static_cast<TW_USERINTERFACE*>(data));
}
