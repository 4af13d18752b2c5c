#include "ui/PresetEditDlg.h"

#include <cstdio>
#include <cstdlib>

#include "caps/CapValues.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/ResolutionList.h"
#include "session/DataSourceApp.h"
#include "settings/Presets.h"
#include "settings/Units.h"
#include "ui/PresetButton.h"
#include "ui/resource.h"

using tx::DsText;
namespace t = tx::dstext;

namespace {
constexpr int kIconSize = 38;
constexpr double kMmPerHundredth = 0.254;
} // namespace

std::string UserDefinedSizeText(const ScanSettings& s, int units)
{
    const int width = s.Right - s.Left, length = s.Bottom - s.Top;
    char size[64];
    if (units == kUnitsInches)
        std::snprintf(size, sizeof size, " (%.1f\" x %.1f\")", width / 100.0, length / 100.0);
    else
        std::snprintf(size, sizeof size, " (%.0fmm x %.0fmm)", width * kMmPerHundredth, length * kMmPerHundredth);
    return DsText(t::kTxtUserDefined) + size;
}

INT_PTR CPresetEditDlg::Run(HWND parent) { return RunModal(IDD_PRESET_EDIT, parent); }

void CPresetEditDlg::OnInit()
{
    SetDlgItemTextA(m_hwnd, IDC_EDIT_BLACKWHITE, DsText(t::kTxtBlackWhite).c_str());
    SetDlgItemTextA(m_hwnd, IDC_EDIT_GRAYSCALE, DsText(t::kTxtGrayscale).c_str());
    SetDlgItemTextA(m_hwnd, IDC_EDIT_COLOR, DsText(t::kTxtColor).c_str());
    SetDlgItemTextA(m_hwnd, IDC_EDIT_RESOLUTION_LABEL, DsText(t::kTxtResolution).c_str());
    SetDlgItemTextA(m_hwnd, IDC_EDIT_SIZE_LABEL, DsText(t::kTxtScanSize).c_str());
    SetDlgItemTextA(m_hwnd, IDC_EDIT_COPY, DsText(t::kTxtCopyFromCustom).c_str());
    SetDlgItemTextA(m_hwnd, IDC_EDIT_DEFAULT, DsText(t::kTxtDefault).c_str());
    SetDlgItemTextA(m_hwnd, IDOK, DsText(t::kTxtOk).c_str());
    SetDlgItemTextA(m_hwnd, IDCANCEL, DsText(t::kTxtCancel).c_str());
    SetWindowTextA(m_hwnd, DsText(t::kTxtPagePreset).c_str());

    HWND icon = GetDlgItem(m_hwnd, IDC_EDIT_ICON);
    if (icon) {
        RECT rc = {};
        GetWindowRect(icon, &rc);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&rc), 2);
        const int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
        SetWindowPos(icon, nullptr, cx - kIconSize / 2, cy - kIconSize / 2, kIconSize, kIconSize,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND resolutions = GetDlgItem(m_hwnd, IDC_EDIT_RESOLUTION);
    for (int i = 0; i < ResolutionCount(); ++i) {
        if (!TheCapValues().resolutionEnabled[i]) continue;
        char item[16];
        std::snprintf(item, sizeof item, "%d", ResolutionAt(i));
        SendMessageA(resolutions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    LoadPreset(m_preset, &m_record);
    Refresh();
}

void CPresetEditDlg::Refresh()
{
    CheckDlgButton(m_hwnd, IDC_EDIT_SINGLE_SIDED, m_record.Duplex == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hwnd, IDC_EDIT_DOUBLE_SIDED, m_record.Duplex != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hwnd, IDC_EDIT_GRAYSCALE, m_record.ScanMode == kModeGray ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hwnd, IDC_EDIT_BLACKWHITE, m_record.ScanMode == kModeBlackWhite ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hwnd, IDC_EDIT_COLOR, m_record.ScanMode == kModeColor ? BST_CHECKED : BST_UNCHECKED);

    HWND resolutions = GetDlgItem(m_hwnd, IDC_EDIT_RESOLUTION);
    const int count = static_cast<int>(SendMessageA(resolutions, CB_GETCOUNT, 0, 0));
    int chosen = 0;
    for (int i = count - 1; i >= 1; --i) {
        char item[16] = {};
        SendMessageA(resolutions, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        if (std::atoi(item) == m_record.DPI) {
            chosen = i;
            break;
        }
    }
    SendMessageA(resolutions, CB_SETCURSEL, chosen, 0);

    HWND sizes = GetDlgItem(m_hwnd, IDC_EDIT_SIZE);
    const int k = MatchPageSize(m_record);
    const bool wasUserDefined = m_userDefined;
    m_userDefined = k == 0;
    if (m_userDefined || wasUserDefined) SendMessageA(sizes, CB_RESETCONTENT, 0, 0);
    if (SendMessageA(sizes, CB_GETCOUNT, 0, 0) == 0) {
        if (m_userDefined) {
            const std::string item = UserDefinedSizeText(m_record, GetUnits());
            SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        for (int i = 0; i < kPageSizeCount; ++i) {
            const std::string name = PageSizeName(i);
            SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
    }
    SendMessageA(sizes, CB_SETCURSEL, m_userDefined ? 0 : k - 1, 0);
}

void CPresetEditDlg::OnOk()
{
    m_record.Duplex = IsDlgButtonChecked(m_hwnd, IDC_EDIT_DOUBLE_SIDED) == BST_CHECKED ? 1 : 0;
    if (IsDlgButtonChecked(m_hwnd, IDC_EDIT_GRAYSCALE) == BST_CHECKED)
        m_record.ScanMode = kModeGray;
    else if (IsDlgButtonChecked(m_hwnd, IDC_EDIT_COLOR) == BST_CHECKED)
        m_record.ScanMode = kModeColor;
    else
        m_record.ScanMode = kModeBlackWhite;

    HWND resolutions = GetDlgItem(m_hwnd, IDC_EDIT_RESOLUTION);
    const LRESULT r = SendMessageA(resolutions, CB_GETCURSEL, 0, 0);
    char item[16] = {};
    if (r >= 0 && SendMessageA(resolutions, CB_GETLBTEXTLEN, r, 0) < static_cast<LRESULT>(sizeof item)) {
        SendMessageA(resolutions, CB_GETLBTEXT, r, reinterpret_cast<LPARAM>(item));
        if (std::atoi(item) > 0) m_record.DPI = static_cast<int16_t>(std::atoi(item));
    }

    const int s = static_cast<int>(SendMessageA(GetDlgItem(m_hwnd, IDC_EDIT_SIZE), CB_GETCURSEL, 0, 0));
    const int k = m_userDefined ? s : s + 1;
    if (k > 0) ApplyPageSize(k, &m_record);
    SavePreset(m_preset, &m_record);
    EndDialog(m_hwnd, IDOK);
}

void CPresetEditDlg::DrawIcon(const DRAWITEMSTRUCT& item)
{
    RECT rc = item.rcItem;
    RoundRect(item.hDC, rc.left, rc.top, rc.right, rc.bottom, 5, 5);
    char number[8];
    std::snprintf(number, sizeof number, "%d", m_preset + 1);
    HGDIOBJ oldFont = SelectObject(item.hDC, CPresetButton::NumberFont());
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(item.hDC, number, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(item.hDC, oldColour);
    SetBkMode(item.hDC, oldMode);
    SelectObject(item.hDC, oldFont);
}

INT_PTR CPresetEditDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!item || item->CtlID != IDC_EDIT_ICON) return FALSE;
        DrawIcon(*item);
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_EDIT_COPY:
            m_record = TheApp().m_settings;
            Refresh();
            return TRUE;
        case IDC_EDIT_DEFAULT:
            PresetDefaults(m_preset, &m_record);
            Refresh();
            return TRUE;
        case IDOK:
            OnOk();
            return TRUE;
        case IDCANCEL:
            EndDialog(m_hwnd, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}
