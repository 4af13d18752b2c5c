// The Advanced Settings page shown from the settings: the refresh, the
// slider labels with the coupling of Highlight and Shadow, the enabling of
// the colour-dropout and threshold controls, and the hue spectrum strip.
#include "ui/AdvancedSettingsPage.h"

#include <commctrl.h>

#include <cstdio>

#include "session/ModuleHandle.h"
#include "ui/WinHandles.h"
#include "ui/resource.h"

using namespace advanced;

namespace {
// Flips m_refreshing for one scope, restoring what it was.
class RefreshScope {
public:
    explicit RefreshScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~RefreshScope() { m_flag = m_was; }
    RefreshScope(const RefreshScope&) = delete;
    RefreshScope& operator=(const RefreshScope&) = delete;

private:
    bool& m_flag;
    bool m_was;
};
} // namespace

void CAdvancedSettingsPage::Enable(int id, bool enable) const
{
    HWND control = id == IDC_ADV_HUE_WINDOW ? m_hueWindow.Window() : GetDlgItem(m_hwnd, id);
    if (control) EnableWindow(control, enable ? TRUE : FALSE);
}

int CAdvancedSettingsPage::Position(int id) const
{
    return static_cast<int>(SendDlgItemMessageA(m_hwnd, id, TBM_GETPOS, 0, 0));
}

void CAdvancedSettingsPage::SetPosition(int id, int position) const
{
    SendDlgItemMessageA(m_hwnd, id, TBM_SETPOS, TRUE, position);
}

void CAdvancedSettingsPage::SetLabel(int id, int value) const
{
    char text[16] = {};
    std::snprintf(text, sizeof text, "%3d", value);
    SetDlgItemTextA(m_hwnd, id, text);
}

void CAdvancedSettingsPage::SetSpin(int spin, int edit, int value)
{
    SendDlgItemMessageA(m_hwnd, spin, UDM_SETPOS32, 0, value);
    // The edit shows the value itself, also where the spin's range would
    // have clipped it.
    SetDlgItemInt(m_hwnd, edit, static_cast<UINT>(value), FALSE);
}

void CAdvancedSettingsPage::SliderUpdate(int id, int position)
{
    ScanSettings& s = *m_settings;
    switch (id) {
    case IDC_ADV_GAMMA:
        {
            char text[16] = {};
            std::snprintf(text, sizeof text, "%4.1f", position / 10.0);
            SetDlgItemTextA(m_hwnd, IDC_ADV_GAMMA_VALUE, text);
        }
        s.Gamma = static_cast<uint16_t>(position);
        break;
    case IDC_ADV_HIGHLIGHT:
        SetLabel(IDC_ADV_HIGHLIGHT_VALUE, position);
        if (SetHighlight(s, position)) {
            SetPosition(IDC_ADV_SHADOW, s.Shadow);
            SetLabel(IDC_ADV_SHADOW_VALUE, s.Shadow);
        }
        break;
    case IDC_ADV_SHADOW:
        SetLabel(IDC_ADV_SHADOW_VALUE, position);
        if (SetShadow(s, position)) {
            SetPosition(IDC_ADV_HIGHLIGHT, s.Highlight);
            SetLabel(IDC_ADV_HIGHLIGHT_VALUE, s.Highlight);
        }
        break;
    case IDC_ADV_BW_SLIDER:
        ShowBwThreshold();
        break;
    default:
        break;
    }
}

void CAdvancedSettingsPage::RefreshControls()
{
    if (!m_hwnd) return;
    RefreshScope scope(m_refreshing);
    ScanSettings& s = *m_settings;
    m_scroll.Forget();

    SetPosition(IDC_ADV_GAMMA, s.Gamma);
    SliderUpdate(IDC_ADV_GAMMA, Position(IDC_ADV_GAMMA));
    SetPosition(IDC_ADV_HIGHLIGHT, s.Highlight);
    SliderUpdate(IDC_ADV_HIGHLIGHT, Position(IDC_ADV_HIGHLIGHT));
    SetPosition(IDC_ADV_SHADOW, s.Shadow);
    SliderUpdate(IDC_ADV_SHADOW, Position(IDC_ADV_SHADOW));

    CheckDlgButton(m_hwnd, IDC_ADV_AUTO_ROTATE, s.AutoRotate ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hwnd, IDC_ADV_CONTINUOUS, s.ContinuousScan ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(m_hwnd, IDC_ADV_DROP_AUTO, IDC_ADV_DROP_MANUAL,
                     s.ColorDropThreshold == -1 ? IDC_ADV_DROP_AUTO : IDC_ADV_DROP_MANUAL);

    SetSpin(IDC_ADV_LUM_SPIN, IDC_ADV_LUM_MIN, s.ColorDropLumMin);
    SetSpin(IDC_ADV_SAT_SPIN, IDC_ADV_SAT_MIN, s.ColorDropSatMin);
    SetSpin(IDC_ADV_BLOB_SPIN, IDC_ADV_BLOB_MIN, s.ColorDropBlobMin);

    m_hueWindow.SetValues(s.ColorDropMin, s.ColorDropMax);
    if (m_hueWindow.Window()) InvalidateRect(m_hueWindow.Window(), nullptr, TRUE);

    // In colour mode nothing drops out: the list shows "None" and the stored
    // colour waits for another mode.
    const bool colourMode = s.ScanMode == kModeColour;
    SendDlgItemMessageA(m_hwnd, IDC_ADV_DROP_COLOR, CB_SETCURSEL, colourMode ? WPARAM{kDropNone} : WPARAM{s.ColorDropType}, 0);
    Enable(IDC_ADV_DROP_COLOR, !colourMode);

    // The hue window keeps what the user set: the colour's default window is
    // given only when a colour is chosen or the threshold switched.
    EnableDropout(false);

    SetSpin(IDC_ADV_UV_SPIN, IDC_ADV_UV_TIME, UvSecondsShown(s.UVOnTime));
}

void CAdvancedSettingsPage::EnableDropout(bool recentre)
{
    ScanSettings& s = *m_settings;
    const bool applies = DropoutApplies(s);
    for (int id : {IDC_ADV_DROP_AUTO, IDC_ADV_DROP_MANUAL, IDC_ADV_LUM_MIN, IDC_ADV_SAT_MIN, IDC_ADV_BLOB_MIN,
                   IDC_ADV_LUM_SPIN, IDC_ADV_SAT_SPIN, IDC_ADV_BLOB_SPIN})
        Enable(id, applies);
    Enable(IDC_ADV_HUE_WINDOW, applies && s.ColorDropThreshold >= 0);
    if (applies && recentre) {
        SetDefaultHueWindow(s);
        m_hueWindow.SetValues(s.ColorDropMin, s.ColorDropMax);
    }
    EnableBwThreshold();
    RepaintSpectrum();
}

void CAdvancedSettingsPage::EnableBwThreshold()
{
    const ScanSettings& s = *m_settings;
    const bool applies = BwThresholdApplies(s);
    const bool manual = applies && s.ColorDropBWThreshold >= 0;
    Enable(IDC_ADV_BW_AUTO, applies);
    Enable(IDC_ADV_BW_MANUAL, applies);
    CheckRadioButton(m_hwnd, IDC_ADV_BW_AUTO, IDC_ADV_BW_MANUAL, manual ? IDC_ADV_BW_MANUAL : IDC_ADV_BW_AUTO);
    SetPosition(IDC_ADV_BW_SLIDER, manual ? s.ColorDropBWThreshold : 0);
    Enable(IDC_ADV_BW_SLIDER, manual);
    Enable(IDC_ADV_BW_VALUE, manual);
    SendDlgItemMessageA(m_hwnd, IDC_ADV_BW_VALUE, EM_SETREADONLY, manual ? FALSE : TRUE, 0);
    ShowBwThreshold();
}

void CAdvancedSettingsPage::ShowBwThreshold()
{
    ScanSettings& s = *m_settings;
    // Only a threshold in force follows the slider: one kept for another
    // mode stays as it is while the slider rests at 0.
    if (s.ColorDropBWThreshold < 0 || !BwThresholdApplies(s)) {
        SetDlgItemTextA(m_hwnd, IDC_ADV_BW_VALUE, "0");
        return;
    }
    const int position = Position(IDC_ADV_BW_SLIDER);
    SetDlgItemInt(m_hwnd, IDC_ADV_BW_VALUE, static_cast<UINT>(position), FALSE);
    s.ColorDropBWThreshold = static_cast<int16_t>(position);
}

void CAdvancedSettingsPage::PaintSpectrum(HDC dc) const
{
    HWND strip = GetDlgItem(m_hwnd, IDC_ADV_SPECTRUM);
    if (!strip || !IsWindowVisible(strip)) return;
    const int id = UsesGreenSpectrum(m_settings->ColorDropType) ? IDB_HUE_GREEN : IDB_HUE_RED;
    ScopedGdiObject<HBITMAP> bitmap(
        static_cast<HBITMAP>(LoadImageA(ModuleHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
    if (!bitmap) return;
    RECT r = {};
    GetClientRect(strip, &r);
    MapWindowPoints(strip, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    {
        ScopedSelect select(memory, bitmap.Get());
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
}

void CAdvancedSettingsPage::RepaintSpectrum() const
{
    if (!m_hwnd) return;
    WindowDC dc(m_hwnd);
    if (dc.Get()) PaintSpectrum(dc.Get());
}
