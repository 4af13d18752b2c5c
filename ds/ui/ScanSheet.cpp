// The sheet's commands and its place in the session: opening over the
// disabled parent, closing, Scan and Cancel, and the calls the session makes
// through its sheet link.
#include "ui/ScanSheet.h"

#include <memory>

#include "device/ScanErrorText.h"
#include "device/ScannerChecks.h"
#include "session/Acquisition.h"
#include "session/BusyGuard.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/ScanSheetLink.h"
#include "session/ShowMessage.h"
#include "session/StateTable.h"
#include "settings/Presets.h"
#include "ui/PresetPage.h"
#include "ui/ScanSheetWindow.h"
#include "ui/SheetDispatch.h"

namespace {

// The open sheet, or null.
std::unique_ptr<CScanSheet> g_pScanSheet;

bool OpenSheet(HWND parent, int page, bool)
{
    if (g_pScanSheet) return false;
    g_pScanSheet.reset(new CScanSheet(parent, page == 0 ? kSlotPreset : kSlotCustom));
    if (!g_pScanSheet->Create()) {
        g_pScanSheet.reset();
        return false;
    }
    return true;
}

void CloseSheet()
{
    if (!g_pScanSheet) return;
    std::unique_ptr<CScanSheet> sheet = std::move(g_pScanSheet);
    sheet->DestroyWindowNow();
    RetireSheet(std::move(sheet));
}

HWND SheetWindow() { return g_pScanSheet ? g_pScanSheet->Window() : nullptr; }

bool TranslateForSheet(MSG* message) { return g_pScanSheet && g_pScanSheet->Translate(message); }

const ScanSheetCalls kSheetCalls = {&OpenSheet, &CloseSheet, &SheetWindow, &TranslateForSheet};

// The checks, loads and saves of Scan; false when the scan stops here.
bool PrepareScan(int slot, HWND page)
{
    CDataSourceApp& app = TheApp();
    const bool settingsOnly = app.m_uiMode == kUiOnly;
    if (slot == kSlotCustom) {
        if (!settingsOnly && !CheckBeforeScan(page)) return false;
        SaveScanSettings(app.m_sectionName, nullptr);
        app.WriteProfileInt(app.m_sectionName, "PropPage", 1);
        return true;
    }
    if (slot == kSlotPreset) {
        auto* presets = static_cast<CPresetPage*>(g_pScanSheet->Page(kSlotPreset));
        const int n = presets ? presets->SelectedPreset() : -1;
        if (n < 0) {
            MessageBeep(0);
            return false;
        }
        if (settingsOnly) {
            LoadPreset(n, nullptr);
            SaveScanSettings(app.m_sectionName, nullptr);
        } else {
            if (!CheckBeforeScan(page)) return false;
            LoadPreset(n, nullptr);
        }
        app.WriteProfileInt(app.m_sectionName, "PropPage", 0);
        return true;
    }
    MessageBeep(0);
    return false;
}

} // namespace

const ScanSheetCalls* DefaultScanSheetCalls() { return &kSheetCalls; }

HWND ScanSheetHwnd() { return SheetWindow(); }

int ScanSheetActiveSlot() { return g_pScanSheet ? g_pScanSheet->ActiveSlot() : -1; }

void CScanSheet::OnScan() { ScanSheetScan(); }

void CScanSheet::OnCancel() { ScanSheetCancel(); }

void ScanSheetScan()
{
    SheetDispatchScope scope;
    if (!g_pScanSheet) return;
    // A Scan that arrives while an operation of the source pumps messages
    // (a message box, a calibration) would start a second one under it.
    if (SourceBusy()) {
        MessageBeep(0);
        return;
    }
    CDataSourceApp& app = TheApp();
    const int slot = g_pScanSheet->ActiveSlot();
    CPropertyPageBase* active = g_pScanSheet->Page(slot);
    int32_t code = kAcquisitionStarted;
    {
        // The checks show message boxes and may calibrate: the application's
        // handlers must not close the source under them.
        BusyScope busy;
        if (!PrepareScan(slot, active ? active->Window() : g_pScanSheet->Window())) return;
        if (app.m_uiMode != kUiOnly) code = StartAcquisition();
        if (code != kAcquisitionStarted) {
            ShowMessage(app.m_hParent, ScanErrorText(code).c_str(), kMessageCaption, MB_ICONEXCLAMATION);
            return;
        }
    }
    // The notifications go out with the source idle, so that an application
    // that transfers from its notification handler is served.
    if (app.m_uiMode == kUiOnly) {
        CloseSheet();
        SendToManager(MSG_CLOSEDSOK);
        return;
    }
    MoveState(Op::StartAcquisition);
    CloseSheet();
    SendToManager(MSG_XFERREADY);
}

void ScanSheetCancel()
{
    SheetDispatchScope scope;
    if (!g_pScanSheet) return;
    CloseSheet();
    SendToManager(MSG_CLOSEDSREQ);
}
