#include "WIAUI/AdvancedPage.h"

#include <commctrl.h>

#include "WIAUI/MaintenanceFlows.h"
#include "WIAUI/ModuleState.h"
#include "WIAUI/resource.h"
#include "common/text/WiaLanguage.h"
#include "common/text/WiaTexts.h"

namespace tx {
namespace wiaui {
namespace {

// The page record up to its activation context (the version 3 layout).
#ifndef PROPSHEETPAGEA_V3_SIZE
#define PROPSHEETPAGEA_V3_SIZE CCSIZEOF_STRUCT(PROPSHEETPAGEA, hActCtx)
#endif

PrefeedValues g_opening;
char g_title[260];

STISettings* SettingsOf(HWND page)
{
    return reinterpret_cast<STISettings*>(GetWindowLongPtrA(page, GWLP_USERDATA));
}

void SetText(HWND page, int id, const TextTable& table)
{
    char text[260];
    WiaText(table, text);
    SetDlgItemTextA(page, id, text);
}

int Position(HWND page, int id) { return static_cast<int>(SendDlgItemMessageA(page, id, TBM_GETPOS, 0, 0)); }

void Show(HWND page, const PrefeedValues& v)
{
    CheckDlgButton(page, IDC_PREFEED, v.enable ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(page, IDC_DELAY, TBM_SETPOS, TRUE, v.delay);
    SendDlgItemMessageA(page, IDC_DISTANCE, TBM_SETPOS, TRUE, v.distance);
}

// What the page shows now, written to the device values.
void WriteShown(HWND page)
{
    STISettings* settings = SettingsOf(page);
    if (!settings) return;
    PrefeedValues v;
    v.enable = IsDlgButtonChecked(page, IDC_PREFEED) == BST_CHECKED;
    v.delay = Position(page, IDC_DELAY);
    v.distance = Position(page, IDC_DISTANCE);
    settings->WritePrefeed(v);
}

void OnInit(HWND page, const PROPSHEETPAGEA* sheetPage)
{
    STISettings* settings = sheetPage ? reinterpret_cast<STISettings*>(sheetPage->lParam) : nullptr;
    SetWindowLongPtrA(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(settings));
    SetText(page, IDC_SETTINGS_GROUP, wiatext::kTxtCustomSettings);
    PrefeedValues v;  // all 0 when the device is not found
    if (settings) settings->ReadPrefeed(v);
    SetText(page, IDC_PREFEED, wiatext::kTxtPrefeed);
    SetText(page, IDC_DELAY_LABEL, wiatext::kTxtDelay);
    SetText(page, IDC_DISTANCE_LABEL, wiatext::kTxtDistance);
    SetText(page, IDC_DELAY_SHORT, wiatext::kTxtDelayShort);
    SetText(page, IDC_DELAY_LONG, wiatext::kTxtDelayLong);
    SetText(page, IDC_DISTANCE_SHORT, wiatext::kTxtDistanceShort);
    SetText(page, IDC_DISTANCE_LONG, wiatext::kTxtDistanceLong);
    SendDlgItemMessageA(page, IDC_DELAY, TBM_SETRANGE, FALSE, MAKELPARAM(kDelayMin, kDelayMax));
    SendDlgItemMessageA(page, IDC_DELAY, TBM_SETLINESIZE, 0, kDelayLine);
    SendDlgItemMessageA(page, IDC_DISTANCE, TBM_SETRANGE, FALSE, MAKELPARAM(kDistanceMin, kDistanceMax));
    Show(page, v);
    g_opening = v;
    SetText(page, IDC_CALIBRATE, wiatext::kTxtCalibrate);
    SetText(page, IDC_CLEAN, wiatext::kTxtClean);
    SetText(page, IDC_DEFAULT, wiatext::kTxtDefault);
}

void OnDefault(HWND page)
{
    STISettings* settings = SettingsOf(page);
    if (!settings) return;
    const PrefeedValues defaults = settings->ReadPrefeedDefaults();
    settings->WritePrefeed(defaults);
    Show(page, defaults);
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit(page, reinterpret_cast<const PROPSHEETPAGEA*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_PREFEED: WriteShown(page); break;
        case IDC_CALIBRATE: RunCalibrateFlow(page); break;
        case IDC_CLEAN: RunCleanFlow(page); break;
        case IDC_DEFAULT: OnDefault(page); break;
        default: break;
        }
        return FALSE;
    case WM_HSCROLL: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (LOWORD(wParam) == TB_ENDTRACK &&
            (from == GetDlgItem(page, IDC_DELAY) || from == GetDlgItem(page, IDC_DISTANCE)))
            WriteShown(page);
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == PSN_QUERYCANCEL) {
            if (STISettings* settings = SettingsOf(page)) settings->WritePrefeed(g_opening);
            SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);  // the sheet may close
        }
        return TRUE;
    }
    case WM_CLOSE:
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

PrefeedValues OpeningValues() { return g_opening; }

HPROPSHEETPAGE CreateAdvancedPage()
{
    WiaText(wiatext::kTxtAdvanced, g_title);
    PROPSHEETPAGEA psp = {};
    psp.dwSize = PROPSHEETPAGEA_V3_SIZE;
    psp.dwFlags = PSP_USETITLE;
    psp.hInstance = ModuleInstance();
    psp.pszTemplate = MAKEINTRESOURCEA(IDD_ADVANCED_PAGE);
    psp.pfnDlgProc = PageProc;
    psp.pszTitle = g_title;
    psp.lParam = reinterpret_cast<LPARAM>(&TheSTISettings());
    return CreatePropertySheetPageA(&psp);
}

HRESULT AddAdvancedPage(LPFNADDPROPSHEETPAGE add, LPARAM lParam)
{
    if (!add) return E_INVALIDARG;
    HPROPSHEETPAGE page = CreateAdvancedPage();
    if (!page) return E_FAIL;
    if (!add(page, lParam)) {
        DestroyPropertySheetPage(page);
        return E_FAIL;
    }
    return S_OK;
}

}  // namespace wiaui
}  // namespace tx
