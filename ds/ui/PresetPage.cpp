#include "ui/PresetPage.h"

#include <commctrl.h>

#include <cstdio>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/Calibration.h"
#include "session/BusyGuard.h"
#include "ui/PresetEditDlg.h"
#include "ui/resource.h"

using tx::DsText;
namespace t = tx::dstext;

std::string PresetTooltip(int n)
{
    ScanSettings s;
    LoadPreset(n, &s);
    char text[160];
    std::snprintf(text, sizeof text, "%d dpi, ", s.DPI);
    std::string tip = text;
    tip += DsText(s.ScanMode == kModeColor ? t::kTxtColor : s.ScanMode == kModeGray ? t::kTxtGrayscale : t::kTxtBlackWhite);
    tip += ", ";
    const int k = MatchPageSize(s);
    if (k > 0) {
        tip += PageSizeName(k - 1);
    } else {
        std::snprintf(text, sizeof text, "%.1f\" x %.1f\"", (s.Right - s.Left) / 100.0, (s.Bottom - s.Top) / 100.0);
        tip += text;
    }
    tip += ".";
    return tip;
}

void CPresetPage::OnInit()
{
    for (int n = 0; n < kPresetCount; ++n) {
        m_buttons[n].Attach(m_hwnd, IDC_PRESET_FIRST + n);
        m_buttons[n].SetToolTipText(PresetTooltip(n));
    }
    SetDlgItemTextA(m_hwnd, IDC_PRESET_HELP, DsText(t::kTxtPresetHelp).c_str());
    m_calibrate.Attach(m_hwnd, IDC_PRESET_CALIBRATE);
    SetDlgItemTextA(m_hwnd, IDC_PRESET_CALIBRATE, DsText(t::kTxtCalibrateButton).c_str());
    m_calibrate.SetToolTipText(DsText(t::kTxtCalibrateReminder));
}

void CPresetPage::EditPreset(int n)
{
    if (IsPresetLocked(n)) {
        MessageBeep(0);
        return;
    }
    INT_PTR result;
    {
        // The editor pumps messages: the source is not closed under it.
        BusyScope busy;
        CPresetEditDlg editor(n);
        result = editor.Run(m_hwnd);
    }
    if (result == IDOK && m_hwnd) m_buttons[n].SetToolTipText(PresetTooltip(n));
}

INT_PTR CPresetPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!item || item->CtlID < IDC_PRESET_FIRST || item->CtlID >= IDC_PRESET_FIRST + kPresetCount) return FALSE;
        CPresetButton::Draw(*item);
        SetMessageResult(TRUE);
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        if (id >= IDC_PRESET_FIRST && id < IDC_PRESET_FIRST + kPresetCount) {
            m_selected = id - IDC_PRESET_FIRST;
            PostMessageA(Sheet(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return TRUE;
        }
        if (id == IDC_PRESET_CALIBRATE) {
            CalibrateOrClean(m_hwnd, kCalibrationChoice, false);
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header || header->code != static_cast<UINT>(NM_RCLICK)) return FALSE;
        const int id = static_cast<int>(header->idFrom);
        if (id < IDC_PRESET_FIRST || id >= IDC_PRESET_FIRST + kPresetCount) return FALSE;
        EditPreset(id - IDC_PRESET_FIRST);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
