// CPresetPage: the first page of the sheet. Five numbered preset buttons (a
// click scans with that preset, hovering shows its summary, a right click
// edits it) and a Calibrate button.
#pragma once

#include <string>

#include "ui/PresetButton.h"
#include "ui/PropertyPageBase.h"
#include "ui/ToolTipButton.h"
#include "settings/Presets.h"

// The one-line summary of preset n ("200 dpi, Grayscale, Business card (90 x
// 55mm).").
std::string PresetTooltip(int n);

class CPresetPage : public CPropertyPageBase {
public:
    CPresetPage() = default;
    // The preset clicked last; -1 until one is.
    int SelectedPreset() const { return m_selected; }
    const CPresetButton& Button(int n) const { return m_buttons[n]; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInit();
    void EditPreset(int n);

    CPresetButton m_buttons[kPresetCount];
    CToolTipButton m_calibrate;
    int m_selected = -1;
};
