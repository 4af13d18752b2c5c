// CPresetEditDlg: the preset editor, a small modal dialog in which the
// resolution, colour mode and page size of one preset are changed and saved.
// It works on its own record; only OK writes it to the preset's section.
#pragma once

#include <string>

#include "settings/ScanSettings.h"
#include "ui/DialogBase.h"

// The "User Defined" item of the size list for the record's frame, in inches
// or millimetres (kUnitsInches / kUnitsMetric).
std::string UserDefinedSizeText(const ScanSettings& s, int units);

class CPresetEditDlg : public CDialogBase {
public:
    explicit CPresetEditDlg(int n) : m_preset(n) {}
    // Runs the editor over `parent`; IDOK when it saved.
    INT_PTR Run(HWND parent);
    const ScanSettings& Record() const { return m_record; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInit();
    void Refresh();
    void OnOk();
    void DrawIcon(const DRAWITEMSTRUCT& item);

    int m_preset;
    ScanSettings m_record{};
    bool m_userDefined = false;
};
