#include "ui/CalibrationDlg.h"

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "ui/resource.h"

namespace {

int TemplateFor(CalibrationKind kind)
{
    switch (kind) {
    case kCalibrationRequired: return IDD_CALIBRATION_REQUIRED;
    case kCleaningOnly: return IDD_CLEANING;
    default: return IDD_CALIBRATION_CHOICE;
    }
}

void SetText(HWND dialog, int id, const tx::TextTable& text)
{
    SetDlgItemTextA(dialog, id, tx::DsText(text).c_str());
}

} // namespace

CCalibrationDlg::CCalibrationDlg(CalibrationKind kind, const char* caption) : m_kind(kind), m_caption(caption) {}

int CCalibrationDlg::Run(HWND parent)
{
    const INT_PTR result = RunModal(TemplateFor(m_kind), parent);
    return (result == IDC_CALIBRATE || result == IDC_CLEAN) ? static_cast<int>(result) : IDCANCEL;
}

void CCalibrationDlg::OnInit()
{
    using namespace tx::dstext;
    SetWindowTextA(m_hwnd, m_caption ? m_caption : "");
    SetText(m_hwnd, IDOK, kTxtOk);
    SetText(m_hwnd, IDCANCEL, kTxtCancel);
    SetText(m_hwnd, IDC_CALIBRATION_REQUIRED_TEXT, kTxtCalibrationRequired);
    SetText(m_hwnd, IDC_CALIBRATION_PAPER_TEXT, kTxtInsertCalibrationPaper);
    SetText(m_hwnd, IDC_CALIBRATE, kTxtCalibrateButton);
    SetText(m_hwnd, IDC_CLEANING_PAPER_TEXT, kTxtInsertCleaningPaper);
    SetText(m_hwnd, IDC_CLEAN, kTxtClean);
    SendDlgItemMessageA(m_hwnd, IDC_CALIBRATION_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_INFORMATION)), 0);
    ApplyTopmostRule();
    Centre();
}

INT_PTR CCalibrationDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CALIBRATE:
        case IDC_CLEAN:
            EndDialog(m_hwnd, LOWORD(wParam));
            return TRUE;
        case IDCANCEL:
            EndDialog(m_hwnd, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
