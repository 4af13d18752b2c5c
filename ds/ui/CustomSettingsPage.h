// CCustomSettingsPage: the sheet's Custom Settings page. Colour mode,
// resolution, scan size, filter or the imaging switches, invert, end-of-page
// detection, brightness and contrast, written straight into the session's
// settings; the preview with its rulers and read-outs, the paper lamp, the
// free-disk-space read-out, and the Preview, Calibrate, Scan and Cancel
// buttons.
#pragma once

#include <memory>
#include <string>

#include "settings/ScanSettings.h"
#include "ui/BitmapStatic.h"
#include "ui/PreviewWnd.h"
#include "ui/PropertyPageBase.h"
#include "ui/RulerWnd.h"

class CCustomSettingsPage : public CPropertyPageBase {
public:
    // Works on the session's settings (TheApp().m_settings).
    CCustomSettingsPage();
    explicit CCustomSettingsPage(ScanSettings* settings);
    ~CCustomSettingsPage() override;

    void RefreshControls();
    void UpdateDiskSpace();
    // The preview scan into `path`: 75 dpi colour down to the frame's bottom.
    void ScanPreview(const std::string& path);

    CPreviewWnd* Preview() { return m_preview.get(); }
    const CLedIndicator& PaperLamp() const { return m_paperLamp; }
    const CRulerWnd& HorizontalRuler() const { return m_horizontalRuler; }
    const CRulerWnd& VerticalRuler() const { return m_verticalRuler; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInit();
    void SetCaptions();
    void CreatePreview();
    void FillLists();
    bool OnCommand(int id, int code);
    void OnSlider(HWND slider);
    void OnPreviewButton();
    void OnPaperTimer();
    void Notify(int code);

    ScanSettings* m_settings;
    std::unique_ptr<CPreviewWnd> m_preview;
    CLedIndicator m_paperLamp;
    CRulerWnd m_horizontalRuler;
    CRulerWnd m_verticalRuler;
};

// The slider the page's scroll handler saw last and its position (module-wide:
// a repeated notification of the same position is not handled twice).
void ForgetCustomSliderMemory();
