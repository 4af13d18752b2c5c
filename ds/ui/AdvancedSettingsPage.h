// CAdvancedSettingsPage: the third page of the sheet. The tone curve (Gamma,
// Highlight, Shadow), colour dropout with its hue window and black-and-white
// threshold, automatic rotation, continuous scanning, the scanner's prefeed
// switch and the ultraviolet lamp. It edits the settings in place and leaves
// saving to the sheet; only the prefeed box writes at once, to the scanner's
// device value. Every activation shows the settings afresh.
#pragma once

#include <initializer_list>

#include "settings/ScanSettings.h"
#include "ui/AdvancedSettingsRules.h"
#include "ui/PropertyPageBase.h"
#include "ui/RangeSlider.h"

class CAdvancedSettingsPage : public CPropertyPageBase {
public:
    // The page edits `settings`; null: the source's own settings.
    explicit CAdvancedSettingsPage(ScanSettings* settings = nullptr);
    ~CAdvancedSettingsPage() override = default;

    // Sets every control from the settings (each activation, and Reset).
    void RefreshControls();
    const CRangeSlider& HueWindow() const { return m_hueWindow; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInit();
    void SetCaptions();
    void SetRanges();
    void CreateHueWindow();
    void Hide(std::initializer_list<int> ids);
    bool OnCommand(int id, int code);
    void OnScroll(HWND slider);
    void OnColourChosen();
    void OnPrefeedClicked();
    void OnUvOn();
    void OnBwThresholdTyped();

    // A slider at position p: its label and its setting, with the coupling of
    // Highlight and Shadow.
    void SliderUpdate(int id, int position);
    // Enables the dropout controls for the settings; `recentre` gives the
    // hue window the colour's default (a colour just chosen).
    void EnableDropout(bool recentre);
    void EnableBwThreshold();
    void ShowBwThreshold();
    void SetSpin(int spin, int edit, int value);
    void PaintSpectrum(HDC dc) const;
    void RepaintSpectrum() const;
    void Enable(int id, bool enable) const;
    int Position(int id) const;
    void SetPosition(int id, int position) const;
    void SetLabel(int id, int value) const;   // "%3d"

    ScanSettings* m_settings;
    CRangeSlider m_hueWindow;
    advanced::ScrollMemory m_scroll;
    // Set while the page writes its own controls: their change notifications
    // are the page's echo, not the user's typing.
    bool m_refreshing = false;
};
