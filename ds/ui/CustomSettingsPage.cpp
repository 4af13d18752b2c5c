#include "ui/CustomSettingsPage.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "caps/CapValues.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/Calibration.h"
#include "device/ResolutionList.h"
#include "device/ScannerChecks.h"
#include "imaging/ImagingQuery.h"
#include "session/DataSourceApp.h"
#include "settings/Presets.h"
#include "settings/Units.h"
#include "ui/ScanSheet.h"
#include "ui/resource.h"

using tx::DsText;
namespace t = tx::dstext;

namespace {

constexpr UINT_PTR kPaperTimer = 1;
constexpr UINT kPaperPeriod = 333;

HWND g_lastSlider = nullptr;
int g_lastPosition = 0;
bool g_sliderSeen = false;

void Show(HWND page, int id, bool visible) { ShowWindow(GetDlgItem(page, id), visible ? SW_SHOW : SW_HIDE); }
void Check(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void SetPercent(HWND page, int id, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", value);
    SetDlgItemTextA(page, id, text);
}

void SetGammaText(HWND page, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%4.1f", value / 10.0);
    SetDlgItemTextA(page, IDC_CUSTOM_GAMMA_VALUE, text);
}

void SetupSlider(HWND page, int id, int low, int high, int pageSize, int ticks)
{
    HWND slider = GetDlgItem(page, id);
    SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(low, high));
    SendMessageA(slider, TBM_SETPAGESIZE, 0, pageSize);
    SendMessageA(slider, TBM_SETTICFREQ, ticks, 0);
}

} // namespace

void ForgetCustomSliderMemory()
{
    g_lastSlider = nullptr;
    g_lastPosition = 0;
    g_sliderSeen = false;
}

CCustomSettingsPage::CCustomSettingsPage() : CCustomSettingsPage(&TheApp().m_settings) {}

CCustomSettingsPage::CCustomSettingsPage(ScanSettings* settings) : m_settings(settings) {}

CCustomSettingsPage::~CCustomSettingsPage() = default;

void CCustomSettingsPage::Notify(int code)
{
    if (m_preview) m_preview->NotifyPreview(code);
}

void CCustomSettingsPage::SetCaptions()
{
    struct Caption {
        int id;
        const tx::TextTable* text;
    };
    const Caption captions[] = {
        {IDC_CUSTOM_BLACKWHITE, &t::kTxtBlackWhite}, {IDC_CUSTOM_GRAYSCALE, &t::kTxtGrayscale},
        {IDC_CUSTOM_COLOR, &t::kTxtColor},           {IDC_CUSTOM_RESOLUTION_LABEL, &t::kTxtResolution},
        {IDC_CUSTOM_SIZE_LABEL, &t::kTxtScanSize},   {IDC_CUSTOM_FILTER_LABEL, &t::kTxtFilter},
        {IDC_CUSTOM_INVERT, &t::kTxtInvertImage},    {IDC_CUSTOM_DETECT_EOP, &t::kTxtDetectEndOfPage},
        {IDC_CUSTOM_PHOTO, &t::kTxtPhoto},           {IDC_CUSTOM_BRIGHTNESS_LABEL, &t::kTxtBrightness},
        {IDC_CUSTOM_CONTRAST_LABEL, &t::kTxtContrast}, {IDC_CUSTOM_GAMMA_LABEL, &t::kTxtGamma},
        {IDC_CUSTOM_RESET, &t::kTxtReset},           {IDC_CUSTOM_UNIT, &t::kTxtUnit},
        {IDC_CUSTOM_RANGE, &t::kTxtRange},           {IDC_CUSTOM_ZOOM, &t::kTxtZoom},
        {IDC_CUSTOM_PREVIEW, &t::kTxtPreview},       {IDC_CUSTOM_PAPER_LABEL, &t::kTxtPaperSensor},
        {IDC_CUSTOM_CALIBRATE, &t::kTxtCalibrateButton}, {IDCANCEL, &t::kTxtCancel},
        {IDC_CUSTOM_DESKEW, &t::kTxtDeskew},         {IDC_CUSTOM_ROTATION_LABEL, &t::kTxtRotation},
        {IDC_CUSTOM_AUTOCROP, &t::kTxtAutocrop},
    };
    for (const Caption& c : captions) SetDlgItemTextA(m_hwnd, c.id, DsText(*c.text).c_str());
    SetDlgItemTextA(m_hwnd, IDC_CUSTOM_SCAN, DsText(TheApp().m_uiMode == 1 ? t::kTxtOk : t::kTxtScan).c_str());
}

void CCustomSettingsPage::CreatePreview()
{
    HWND placeholder = GetDlgItem(m_hwnd, IDC_CUSTOM_PREVIEW_FRAME);
    ShowWindow(placeholder, SW_HIDE);
    RECT r;
    GetWindowRect(placeholder, &r);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    r.right = r.left + 134;
    m_preview.reset(new CPreviewWnd(m_settings));
    if (!m_preview->Create(m_hwnd, r, IDC_CUSTOM_PREVIEW_WINDOW)) {
        m_preview.reset();
        return;
    }
    m_preview->Bind(&m_horizontalRuler, &m_verticalRuler, GetDlgItem(m_hwnd, IDC_CUSTOM_UNIT),
                    GetDlgItem(m_hwnd, IDC_CUSTOM_WIDTH), GetDlgItem(m_hwnd, IDC_CUSTOM_HEIGHT),
                    GetDlgItem(m_hwnd, IDC_CUSTOM_IMAGE_SIZE));
    m_preview->NotifyPreview(kPreviewFrame);
    m_preview->Layout();
    m_preview->SetMode(kModeRangeView);
    m_preview->SetUnits(GetUnits());
}

void CCustomSettingsPage::FillLists()
{
    HWND resolution = GetDlgItem(m_hwnd, IDC_CUSTOM_RESOLUTION);
    const CapValues& caps = TheCapValues();
    for (int i = 0; i < ResolutionCount(); ++i) {
        if (!caps.resolutionEnabled[i]) continue;
        char text[16];
        std::snprintf(text, sizeof text, "%d", ResolutionAt(i));
        SendMessageA(resolution, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    HWND size = GetDlgItem(m_hwnd, IDC_CUSTOM_SIZE);
    SendMessageA(size, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DsText(t::kTxtUserDefined).c_str()));
    for (int k = 0; k < kPageSizeCount; ++k) SendMessageA(size, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PageSizeName(k).c_str()));
}

void CCustomSettingsPage::OnInit()
{
    SetCaptions();
    Show(m_hwnd, IDC_CUSTOM_RESET, false);
    Show(m_hwnd, IDC_CUSTOM_GAMMA, false);
    Show(m_hwnd, IDC_CUSTOM_GAMMA_LABEL, false);
    Show(m_hwnd, IDC_CUSTOM_GAMMA_VALUE, false);
    Show(m_hwnd, IDC_CUSTOM_PREFEED, false);
    m_horizontalRuler.Attach(m_hwnd, IDC_CUSTOM_HRULER);
    m_verticalRuler.Attach(m_hwnd, IDC_CUSTOM_VRULER);
    m_paperLamp.Attach(m_hwnd, IDC_CUSTOM_PAPER_LAMP);
    CreatePreview();
    Check(m_hwnd, IDC_CUSTOM_ZOOM, false);
    Check(m_hwnd, IDC_CUSTOM_RANGE, true);

    if (ImagingAvailable()) {
        Show(m_hwnd, IDC_CUSTOM_FILTER, false);
        Show(m_hwnd, IDC_CUSTOM_INVERT, false);
        HWND rotation = GetDlgItem(m_hwnd, IDC_CUSTOM_ROTATION);
        SendMessageA(rotation, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DsText(t::kTxtNone).c_str()));
        for (const char* angle : {"90", "180", "270"}) {
            const std::string text = angle + DsText(t::kTxtDegree);
            SendMessageA(rotation, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        Show(m_hwnd, IDC_CUSTOM_PHOTO, false);
    } else {
        Show(m_hwnd, IDC_CUSTOM_DESKEW, false);
        Show(m_hwnd, IDC_CUSTOM_ROTATION, false);
        Show(m_hwnd, IDC_CUSTOM_AUTOCROP, false);
        Show(m_hwnd, IDC_CUSTOM_PHOTO, false);
        HWND filter = GetDlgItem(m_hwnd, IDC_CUSTOM_FILTER);
        SendMessageA(filter, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DsText(t::kTxtNone).c_str()));
        SendMessageA(filter, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DsText(t::kTxtDescreen).c_str()));
    }
    const CapValues& caps = TheCapValues();
    if (caps.transferCount == 1) {
        EnableWindow(GetDlgItem(m_hwnd, IDC_CUSTOM_DOUBLE_SIDED), FALSE);
        m_settings->Duplex = 0;
    }
    EnableWindow(GetDlgItem(m_hwnd, IDC_CUSTOM_BLACKWHITE), caps.pixelTypeAllowed[0]);
    EnableWindow(GetDlgItem(m_hwnd, IDC_CUSTOM_GRAYSCALE), caps.pixelTypeAllowed[1]);
    EnableWindow(GetDlgItem(m_hwnd, IDC_CUSTOM_COLOR), caps.pixelTypeAllowed[2]);
    FillLists();
    SetupSlider(m_hwnd, IDC_CUSTOM_BRIGHTNESS, -100, 100, 10, 20);
    SetupSlider(m_hwnd, IDC_CUSTOM_CONTRAST, -100, 100, 10, 20);
    SetupSlider(m_hwnd, IDC_CUSTOM_GAMMA, 10, 40, 2, 2);
    RefreshControls();
    UpdateDiskSpace();
    SetTimer(m_hwnd, kPaperTimer, kPaperPeriod, nullptr);
}

void CCustomSettingsPage::RefreshControls()
{
    if (!m_hwnd) return;
    const ScanSettings& s = *m_settings;
    Check(m_hwnd, IDC_CUSTOM_SINGLE_SIDED, s.Duplex == 0);
    Check(m_hwnd, IDC_CUSTOM_DOUBLE_SIDED, s.Duplex != 0);
    Check(m_hwnd, IDC_CUSTOM_BLACKWHITE, s.ScanMode == kModeBlackWhite);
    Check(m_hwnd, IDC_CUSTOM_GRAYSCALE, s.ScanMode == kModeGray);
    Check(m_hwnd, IDC_CUSTOM_COLOR, s.ScanMode == kModeColor);

    HWND resolution = GetDlgItem(m_hwnd, IDC_CUSTOM_RESOLUTION);
    const int r = SnapResolution(s.DPI, TheCapValues().resolutionEnabled);
    const int count = static_cast<int>(SendMessageA(resolution, CB_GETCOUNT, 0, 0));
    int selected = count > 0 ? 0 : -1;
    for (int i = count - 1; i >= 1; --i) {
        char text[16] = {};
        if (SendMessageA(resolution, CB_GETLBTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof text)) continue;
        SendMessageA(resolution, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        if (std::atoi(text) == r) {
            selected = i;
            break;
        }
    }
    SendMessageA(resolution, CB_SETCURSEL, selected, 0);
    SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_SIZE, CB_SETCURSEL, MatchPageSize(s), 0);
    SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_ROTATION, CB_SETCURSEL, s.Rotation, 0);
    Check(m_hwnd, IDC_CUSTOM_DESKEW, s.Deskew != 0);
    Check(m_hwnd, IDC_CUSTOM_AUTOCROP, s.AutoCrop != 0);
    Check(m_hwnd, IDC_CUSTOM_PHOTO, s.Photo != 0);
    SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_FILTER, CB_SETCURSEL, s.Filter != 0 ? 1 : 0, 0);
    Check(m_hwnd, IDC_CUSTOM_INVERT, s.Invert != 0);
    Check(m_hwnd, IDC_CUSTOM_DETECT_EOP, s.DetectEOP != 0);
    SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_BRIGHTNESS, TBM_SETPOS, TRUE, s.Brightness);
    SetPercent(m_hwnd, IDC_CUSTOM_BRIGHTNESS_VALUE, s.Brightness);
    SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_CONTRAST, TBM_SETPOS, TRUE, s.Contrast);
    SetPercent(m_hwnd, IDC_CUSTOM_CONTRAST_VALUE, s.Contrast);
    SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_GAMMA, TBM_SETPOS, TRUE, s.Gamma);
    SetGammaText(m_hwnd, s.Gamma);
}

void CCustomSettingsPage::OnSlider(HWND slider)
{
    const int p = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
    if (g_sliderSeen && slider == g_lastSlider && p == g_lastPosition) return;
    const int id = GetDlgCtrlID(slider);
    if (id == IDC_CUSTOM_BRIGHTNESS) {
        SetPercent(m_hwnd, IDC_CUSTOM_BRIGHTNESS_VALUE, p);
        m_settings->Brightness = static_cast<int16_t>(p);
    } else if (id == IDC_CUSTOM_CONTRAST) {
        SetPercent(m_hwnd, IDC_CUSTOM_CONTRAST_VALUE, p);
        m_settings->Contrast = static_cast<int16_t>(p);
    } else if (id == IDC_CUSTOM_GAMMA) {
        SetGammaText(m_hwnd, p);
        m_settings->Gamma = static_cast<uint16_t>(p);
    } else {
        return;
    }
    Notify(kPreviewTone);
    g_sliderSeen = true;
    g_lastSlider = slider;
    g_lastPosition = p;
}

void CCustomSettingsPage::OnPaperTimer()
{
    if (g_sheetPaperRefresh) {
        g_sheetPaperRefresh = false;
        g_sheetPaperPresent = IsPaperPresent();
    }
    const int state = g_sheetPaperPresent ? 0 : 1;
    if (m_paperLamp.Window() && state != m_paperLamp.Column()) m_paperLamp.SetCell(0, state);
}

bool CCustomSettingsPage::OnCommand(int id, int code)
{
    ScanSettings& s = *m_settings;
    if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendDlgItemMessageA(m_hwnd, id, CB_GETCURSEL, 0, 0));
        if (id == IDC_CUSTOM_RESOLUTION) {
            if (index < 0) return true;
            char text[16] = {};
            if (SendDlgItemMessageA(m_hwnd, id, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text)) return true;
            SendDlgItemMessageA(m_hwnd, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
            s.DPI = static_cast<int16_t>(std::atoi(text));
            Notify(kPreviewResolution);
        } else if (id == IDC_CUSTOM_SIZE) {
            if (index >= 1 && index <= kPageSizeCount) {
                ApplyPageSize(index, &s);
                Notify(kPreviewFrame);
            }
        } else if (id == IDC_CUSTOM_FILTER) {
            if (index >= 0) s.Filter = index == 0 ? 0 : 1;
        } else if (id == IDC_CUSTOM_ROTATION) {
            if (index >= 0 && index <= 3) s.Rotation = static_cast<uint16_t>(index);
        } else {
            return false;
        }
        return true;
    }
    if (id == ID_SYNC_PAGE_SIZE) {
        SendDlgItemMessageA(m_hwnd, IDC_CUSTOM_SIZE, CB_SETCURSEL, MatchPageSize(s), 0);
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_CUSTOM_BLACKWHITE: s.ScanMode = kModeBlackWhite; Notify(kPreviewMode); return true;
    case IDC_CUSTOM_GRAYSCALE: s.ScanMode = kModeGray; Notify(kPreviewMode); return true;
    case IDC_CUSTOM_COLOR: s.ScanMode = kModeColor; Notify(kPreviewMode); return true;
    case IDC_CUSTOM_SINGLE_SIDED: s.Duplex = 0; return true;
    case IDC_CUSTOM_DOUBLE_SIDED: s.Duplex = 1; return true;
    case IDC_CUSTOM_INVERT: s.Invert = Checked(m_hwnd, id); Notify(kPreviewMode); return true;
    case IDC_CUSTOM_DETECT_EOP: s.DetectEOP = Checked(m_hwnd, id); return true;
    case IDC_CUSTOM_DESKEW: s.Deskew = Checked(m_hwnd, id); return true;
    case IDC_CUSTOM_AUTOCROP: s.AutoCrop = Checked(m_hwnd, id); return true;
    case IDC_CUSTOM_RANGE:
    case IDC_CUSTOM_ZOOM:
        if (m_preview) m_preview->SetMode(id == IDC_CUSTOM_RANGE ? kModeRangeView : kModeZoomView);
        Check(m_hwnd, IDC_CUSTOM_RANGE, id == IDC_CUSTOM_RANGE);
        Check(m_hwnd, IDC_CUSTOM_ZOOM, id == IDC_CUSTOM_ZOOM);
        return true;
    case IDC_CUSTOM_UNIT: {
        const int next = GetUnits() == kUnitsInches ? kUnitsMetric : kUnitsInches;
        ::SetUnits(next);
        if (m_preview) m_preview->SetUnits(next);
        return true;
    }
    case IDC_CUSTOM_PREVIEW: OnPreviewButton(); return true;
    case IDC_CUSTOM_CALIBRATE: CalibrateOrClean(m_hwnd, kCalibrationChoice, false); return true;
    case IDC_CUSTOM_SCAN: PostMessageA(Sheet(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); return true;
    case IDCANCEL: PostMessageA(Sheet(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); return true;
    default: return false;
    }
}

INT_PTR CCustomSettingsPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_HSCROLL:
        if (lParam) OnSlider(reinterpret_cast<HWND>(lParam));
        return FALSE;
    case WM_TIMER:
        if (wParam != kPaperTimer) return FALSE;
        OnPaperTimer();
        return TRUE;
    case kMsgRefreshPage:
        UpdateDiskSpace();
        return TRUE;
    case WM_DESTROY:
        KillTimer(m_hwnd, kPaperTimer);
        return FALSE;
    default:
        return FALSE;
    }
}
