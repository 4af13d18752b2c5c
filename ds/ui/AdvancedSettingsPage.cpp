// The Advanced Settings page: initialisation and the control handlers. The
// refresh, the enabling rules and the spectrum strip are in
// AdvancedSettingsRefresh.cpp.
#include "ui/AdvancedSettingsPage.h"

#include <commctrl.h>

#include "caps/CapValues.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/Prefeed.h"
#include "device/UvLamp.h"
#include "imaging/ImagingQuery.h"
#include "session/Acquisition.h"
#include "session/DataSourceApp.h"
#include "ui/resource.h"

using tx::DsText;
namespace t = tx::dstext;
using namespace advanced;

namespace {
// The hue window lies below the strip, wider on both sides by the thumbs'
// overhang, so a thumb's point stands under its hue.
constexpr int kHueGapBelowStrip = 5;
constexpr int kHueWiderLeft = 14;
constexpr int kHueWiderRight = 13;
constexpr int kHueMax = 180;
constexpr int kUvMaxSeconds = 10;
constexpr int kBwEditLimit = 3;   // digits
} // namespace

CAdvancedSettingsPage::CAdvancedSettingsPage(ScanSettings* settings)
    : m_settings(settings ? settings : &TheApp().m_settings)
{
}

void CAdvancedSettingsPage::Hide(std::initializer_list<int> ids)
{
    for (int id : ids) {
        HWND control = id == IDC_ADV_HUE_WINDOW ? m_hueWindow.Window() : GetDlgItem(m_hwnd, id);
        if (control) ShowWindow(control, SW_HIDE);
    }
}

void CAdvancedSettingsPage::SetCaptions()
{
    const struct {
        int id;
        const tx::TextTable& text;
    } captions[] = {
        {IDC_ADV_ADJUST_GROUP, t::kTxtImageAdjust},   {IDC_ADV_GAMMA_LABEL, t::kTxtGamma},
        {IDC_ADV_HIGHLIGHT_LABEL, t::kTxtHighlight},  {IDC_ADV_SHADOW_LABEL, t::kTxtShadow},
        {IDC_ADV_DROPOUT_GROUP, t::kTxtColorDropout}, {IDC_ADV_COLOR_LABEL, t::kTxtDropoutColor},
        {IDC_ADV_DROP_AUTO, t::kTxtAuto},             {IDC_ADV_DROP_MANUAL, t::kTxtManual},
        {IDC_ADV_LUM_LABEL, t::kTxtMinIntensity},     {IDC_ADV_SAT_LABEL, t::kTxtMinSaturation},
        {IDC_ADV_BLOB_LABEL, t::kTxtMinSize},         {IDC_ADV_BW_LABEL, t::kTxtBwThreshold},
        {IDC_ADV_BW_AUTO, t::kTxtAuto},               {IDC_ADV_BW_MANUAL, t::kTxtManual},
        {IDC_ADV_OPTIONS_GROUP, t::kTxtPageOptions},  {IDC_ADV_AUTO_ROTATE, t::kTxtAutoRotate},
        {IDC_ADV_CONTINUOUS, t::kTxtContinuousScan},  {IDC_ADV_PREFEED, t::kTxtPrefeed},
        {IDC_ADV_RESET, t::kTxtReset},
    };
    for (const auto& caption : captions) SetDlgItemTextA(m_hwnd, caption.id, DsText(caption.text).c_str());
}

void CAdvancedSettingsPage::SetRanges()
{
    const struct {
        int id, minimum, maximum, page, ticks;
    } sliders[] = {
        {IDC_ADV_GAMMA, 10, 40, 2, 2},
        {IDC_ADV_HIGHLIGHT, 5, 255, 5, 15},
        {IDC_ADV_SHADOW, 0, 250, 5, 15},
    };
    for (const auto& s : sliders) {
        SendDlgItemMessageA(m_hwnd, s.id, TBM_SETRANGE, TRUE, MAKELPARAM(s.minimum, s.maximum));
        SendDlgItemMessageA(m_hwnd, s.id, TBM_SETPAGESIZE, 0, s.page);
        SendDlgItemMessageA(m_hwnd, s.id, TBM_SETTICFREQ, s.ticks, 0);
    }
}

void CAdvancedSettingsPage::CreateHueWindow()
{
    HWND strip = GetDlgItem(m_hwnd, IDC_ADV_SPECTRUM);
    if (!strip) return;
    RECT r = {};
    GetWindowRect(strip, &r);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
    const int height = r.bottom - r.top;
    const RECT place = {r.left - kHueWiderLeft, r.bottom + kHueGapBelowStrip, r.right + kHueWiderRight,
                        r.bottom + kHueGapBelowStrip + height};
    m_hueWindow.Create(m_hwnd, place, true, IDC_ADV_HUE_WINDOW);
}

void CAdvancedSettingsPage::OnInit()
{
    SetCaptions();
    SetRanges();

    CDataSourceApp& app = TheApp();
    if (RefusesContinuousScan(app.m_appIdentity) || TheCapValues().transferCount != -1) Hide({IDC_ADV_CONTINUOUS});

    // The box appears only where the device value can be written back.
    const bool prefeed = ReadPrefeedEnable();
    if (WritePrefeedEnable(prefeed))
        CheckDlgButton(m_hwnd, IDC_ADV_PREFEED, prefeed ? BST_CHECKED : BST_UNCHECKED);
    else
        Hide({IDC_ADV_PREFEED});

    CreateHueWindow();

    if (ImagingAvailable()) {
        for (const tx::TextTable* colour : {&t::kTxtNone, &t::kTxtRed, &t::kTxtGreen, &t::kTxtBlue})
            SendDlgItemMessageA(m_hwnd, IDC_ADV_DROP_COLOR, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(DsText(*colour).c_str()));
        m_hueWindow.SetRange(0, kHueMax, 1);
        if (m_hueWindow.Window()) SendMessageA(m_hueWindow.Window(), kMsgRangeInit, 0, 0);
        const struct {
            int spin, edit, maximum;
        } spins[] = {
            {IDC_ADV_LUM_SPIN, IDC_ADV_LUM_MIN, 254},
            {IDC_ADV_SAT_SPIN, IDC_ADV_SAT_MIN, 254},
            {IDC_ADV_BLOB_SPIN, IDC_ADV_BLOB_MIN, 500},
        };
        for (const auto& s : spins) {
            SendDlgItemMessageA(m_hwnd, s.spin, UDM_SETRANGE32, 1, s.maximum);
            SendDlgItemMessageA(m_hwnd, s.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(m_hwnd, s.edit)), 0);
        }
        SendDlgItemMessageA(m_hwnd, IDC_ADV_BW_SLIDER, TBM_SETRANGE, TRUE, MAKELPARAM(0, kBwThresholdMax));
        SendDlgItemMessageA(m_hwnd, IDC_ADV_BW_SLIDER, TBM_SETTICFREQ, 1, 0);
        SendDlgItemMessageA(m_hwnd, IDC_ADV_BW_VALUE, EM_LIMITTEXT, kBwEditLimit, 0);
    } else {
        Hide({IDC_ADV_DROP_COLOR, IDC_ADV_HUE_WINDOW, IDC_ADV_LUM_SPIN, IDC_ADV_SAT_SPIN, IDC_ADV_BLOB_SPIN,
              IDC_ADV_LUM_MIN, IDC_ADV_SAT_MIN, IDC_ADV_BLOB_MIN, IDC_ADV_BW_SLIDER, IDC_ADV_BW_VALUE,
              IDC_ADV_BW_AUTO, IDC_ADV_BW_MANUAL, IDC_ADV_DROP_AUTO, IDC_ADV_DROP_MANUAL, IDC_ADV_SPECTRUM,
              IDC_ADV_DROPOUT_GROUP, IDC_ADV_COLOR_LABEL, IDC_ADV_LUM_LABEL, IDC_ADV_SAT_LABEL, IDC_ADV_BLOB_LABEL,
              IDC_ADV_BW_LABEL, IDC_ADV_AUTO_ROTATE});
    }

    if (IsUvLampPresent()) {
        SendDlgItemMessageA(m_hwnd, IDC_ADV_UV_SPIN, UDM_SETRANGE32, 0, kUvMaxSeconds);
        SendDlgItemMessageA(m_hwnd, IDC_ADV_UV_SPIN, UDM_SETBUDDY,
                            reinterpret_cast<WPARAM>(GetDlgItem(m_hwnd, IDC_ADV_UV_TIME)), 0);
    } else {
        Hide({IDC_ADV_UV_TIME, IDC_ADV_UV_SPIN, IDC_ADV_UV_GROUP, IDC_ADV_UV_LABEL, IDC_ADV_UV_ON});
    }

    Hide({IDC_ADV_CLEAR_PAGE, IDC_ADV_SENSOR_RESET, IDC_ADV_SENSOR_TEXT, IDC_ADV_SENSOR_GROUP});
}

void CAdvancedSettingsPage::OnScroll(HWND slider)
{
    if (!slider) return;
    const int id = GetDlgCtrlID(slider);
    if (id != IDC_ADV_GAMMA && id != IDC_ADV_HIGHLIGHT && id != IDC_ADV_SHADOW && id != IDC_ADV_BW_SLIDER) return;
    const int position = Position(id);
    if (m_scroll.IsNew(id, position)) SliderUpdate(id, position);
}

void CAdvancedSettingsPage::OnColourChosen()
{
    const LRESULT chosen = SendDlgItemMessageA(m_hwnd, IDC_ADV_DROP_COLOR, CB_GETCURSEL, 0, 0);
    if (chosen < kDropNone || chosen > kDropBlue) return;
    m_settings->ColorDropType = static_cast<uint16_t>(chosen);
    EnableDropout(true);
    m_settings->ColorDropSatMin = 75;
    m_settings->ColorDropLumMin = 25;
    m_settings->ColorDropBlobMin = 25;
    SetSpin(IDC_ADV_SAT_SPIN, IDC_ADV_SAT_MIN, m_settings->ColorDropSatMin);
    SetSpin(IDC_ADV_LUM_SPIN, IDC_ADV_LUM_MIN, m_settings->ColorDropLumMin);
    SetSpin(IDC_ADV_BLOB_SPIN, IDC_ADV_BLOB_MIN, m_settings->ColorDropBlobMin);
}

void CAdvancedSettingsPage::OnPrefeedClicked()
{
    const bool checked = IsDlgButtonChecked(m_hwnd, IDC_ADV_PREFEED) == BST_CHECKED;
    if (WritePrefeedEnable(checked)) return;
    CheckDlgButton(m_hwnd, IDC_ADV_PREFEED, ReadPrefeedEnable() ? BST_CHECKED : BST_UNCHECKED);
    MessageBeep(0xFFFFFFFF);
}

void CAdvancedSettingsPage::OnUvOn()
{
    if (m_settings->UVOnTime == 0) {
        m_settings->UVOnTime = 1000;
        SetSpin(IDC_ADV_UV_SPIN, IDC_ADV_UV_TIME, 1);
    }
    SwitchUvLampOn(m_settings->UVOnTime);
}

void CAdvancedSettingsPage::OnBwThresholdTyped()
{
    // Only a threshold the user can type into: a read-only or disabled edit
    // shows "0" for Auto and must not turn it into a manual 0.
    if (!BwThresholdApplies(*m_settings) || m_settings->ColorDropBWThreshold < 0) return;
    char text[16] = {};
    GetDlgItemTextA(m_hwnd, IDC_ADV_BW_VALUE, text, sizeof text);
    m_settings->ColorDropBWThreshold = static_cast<int16_t>(ParseTyped(text, kBwThresholdMax));
    SetPosition(IDC_ADV_BW_SLIDER, m_settings->ColorDropBWThreshold);
    ShowBwThreshold();
}

bool CAdvancedSettingsPage::OnCommand(int id, int code)
{
    char text[16] = {};
    switch (id) {
    case IDC_ADV_DROP_COLOR:
        if (code == CBN_SELCHANGE) OnColourChosen();
        return code == CBN_SELCHANGE;
    case IDC_ADV_LUM_MIN:
    case IDC_ADV_SAT_MIN:
    case IDC_ADV_BLOB_MIN: {
        if (code != EN_CHANGE || m_refreshing) return false;
        GetDlgItemTextA(m_hwnd, id, text, sizeof text);
        const uint16_t value = static_cast<uint16_t>(ParseTyped(text, 0xFFFF));
        (id == IDC_ADV_LUM_MIN ? m_settings->ColorDropLumMin
                               : id == IDC_ADV_SAT_MIN ? m_settings->ColorDropSatMin : m_settings->ColorDropBlobMin) = value;
        return true;
    }
    case IDC_ADV_BW_VALUE:
        if (code == EN_KILLFOCUS) OnBwThresholdTyped();
        return code == EN_KILLFOCUS;
    case IDC_ADV_UV_TIME:
        if ((code != EN_CHANGE && code != EN_KILLFOCUS) || m_refreshing) return false;
        GetDlgItemTextA(m_hwnd, id, text, sizeof text);
        m_settings->UVOnTime = UvOnTimeFromSeconds(ParseTyped(text, 0));
        return true;
    default:
        break;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_ADV_DROP_AUTO:
    case IDC_ADV_DROP_MANUAL: {
        const bool manual = ToggleDropThreshold(*m_settings);
        CheckRadioButton(m_hwnd, IDC_ADV_DROP_AUTO, IDC_ADV_DROP_MANUAL,
                         manual ? IDC_ADV_DROP_MANUAL : IDC_ADV_DROP_AUTO);
        Enable(IDC_ADV_HUE_WINDOW, manual);
        m_hueWindow.SetValues(m_settings->ColorDropMin, m_settings->ColorDropMax);
        if (m_hueWindow.Window()) InvalidateRect(m_hueWindow.Window(), nullptr, TRUE);
        return true;
    }
    case IDC_ADV_BW_AUTO:
    case IDC_ADV_BW_MANUAL:
        ToggleBwThreshold(*m_settings);
        EnableBwThreshold();
        return true;
    case IDC_ADV_AUTO_ROTATE:
        m_settings->AutoRotate = m_settings->AutoRotate ? 0 : 1;
        return true;
    case IDC_ADV_CONTINUOUS:
        m_settings->ContinuousScan = m_settings->ContinuousScan ? 0 : 1;
        return true;
    case IDC_ADV_PREFEED:
        OnPrefeedClicked();
        return true;
    case IDC_ADV_UV_ON:
        OnUvOn();
        return true;
    case IDC_ADV_RESET:
        ResetAdvanced(*m_settings);
        RefreshControls();
        return true;
    case IDCANCEL:
        // Escape in the page: the sheet's Cancel.
        if (Sheet()) SendMessageA(Sheet(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return Sheet() != nullptr;
    default:
        return false;
    }
}

INT_PTR CAdvancedSettingsPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == static_cast<UINT>(PSN_SETACTIVE)) RefreshControls();
        return FALSE;   // then the default activation
    }
    case WM_HSCROLL:
        OnScroll(reinterpret_cast<HWND>(lParam));
        return FALSE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case kMsgRangeChanged:
        if (wParam == IDC_ADV_HUE_WINDOW) {
            int low = 0, high = 0;
            m_hueWindow.GetValues(low, high);
            m_settings->ColorDropMin = static_cast<int16_t>(low);
            m_settings->ColorDropMax = static_cast<int16_t>(high);
        }
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        PaintSpectrum(dc);
        EndPaint(m_hwnd, &ps);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
