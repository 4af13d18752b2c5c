#include "ui/PreviewWnd.h"

#include <algorithm>
#include <cstring>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "session/DataSourceApp.h"
#include "session/ModuleHandle.h"
#include "settings/Presets.h"
#include "transfer/TempFiles.h"
#include "ui/FrameTracker.h"
#include "ui/RulerWnd.h"

using tx::DsText;
namespace t = tx::dstext;

namespace {

const char kClassName[] = "TxPreviewWnd";
constexpr int kZoomCursor = 106;

int RowBytes24(int width) { return (3 * width + 3) & ~3; }

} // namespace

std::string PreviewFilePath()
{
    char folder[MAX_PATH] = {};
    if (EnsureDataFolder(folder)) return std::string(folder) + "TARVX380.bmp";
    std::string own = TheApp().m_helpPath;
    const size_t slash = own.find_last_of('\\');
    own = slash == std::string::npos ? std::string() : own.substr(0, slash + 1);
    return own + "TARVX380.bmp";
}

CPreviewWnd::~CPreviewWnd()
{
    if (m_hwnd) DestroyWindow(m_hwnd);
    ReleaseBuffer();
}

bool CPreviewWnd::Create(HWND parent, const RECT& rect, int id)
{
    WNDCLASSA wc = {};
    HINSTANCE instance = ModuleHandle();
    if (!GetClassInfoA(instance, kClassName, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CPreviewWnd::Proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        if (!RegisterClassA(&wc)) return false;
    }
    CreateWindowExA(0, kClassName, "pvfm", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return m_hwnd != nullptr;
}

void CPreviewWnd::Bind(CRulerWnd* horizontal, CRulerWnd* vertical, HWND unitButton, HWND width, HWND height, HWND size)
{
    m_horizontalRuler = horizontal;
    m_verticalRuler = vertical;
    m_unitButton = unitButton;
    m_widthLabel = width;
    m_heightLabel = height;
    m_sizeLabel = size;
    UpdateRulers();
}

void CPreviewWnd::Layout()
{
    GetClientRect(m_hwnd, &m_clientRect);
    m_cw = m_clientRect.right;
    m_ch = m_clientRect.bottom;
    if (m_horizontalRuler && m_horizontalRuler->Window()) {
        HWND ruler = m_horizontalRuler->Window();
        RECT r;
        GetWindowRect(ruler, &r);
        MapWindowPoints(nullptr, GetParent(ruler), reinterpret_cast<POINT*>(&r), 2);
        MoveWindow(ruler, r.left, r.top, m_cw, r.bottom - r.top, TRUE);
    }
    TrackerFromFrame();
}

void CPreviewWnd::UpdateRulers()
{
    const int units = m_units < 0 ? 1 : m_units;
    if (m_horizontalRuler) m_horizontalRuler->SetRulerView(units, m_zoom, m_scrollX, m_scrollY);
    if (m_verticalRuler) m_verticalRuler->SetRulerView(units, m_zoom, m_scrollX, m_scrollY);
}

void CPreviewWnd::Invalidate(bool erase)
{
    if (m_hwnd) InvalidateRect(m_hwnd, nullptr, erase);
}

void CPreviewWnd::SyncPage()
{
    SendMessageA(GetParent(m_hwnd), WM_COMMAND, MAKEWPARAM(ID_SYNC_PAGE_SIZE, 0), reinterpret_cast<LPARAM>(m_hwnd));
}

void CPreviewWnd::TrackerFromFrame()
{
    m_tracker = ::TrackerFromFrame(*m_settings, m_cw, m_ch);
}

void CPreviewWnd::SetMode(int mode)
{
    m_mode = mode;
    if (mode == kModeZoomView) {
        m_cursor = LoadCursorA(ModuleHandle(), MAKEINTRESOURCEA(kZoomCursor));
        if (!m_cursor) m_cursor = LoadCursor(nullptr, IDC_CROSS);
    } else if (mode == kModeRangeView) {
        m_cursor = LoadCursor(nullptr, IDC_ARROW);
        m_zoom = 2;
        SetZoom(-1);
    }
    if (m_hwnd && m_cursor) SetClassLongPtrA(m_hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(m_cursor));
}

void CPreviewWnd::SetUnits(int units)
{
    if (units == m_units) return;
    m_units = units;
    if (m_unitButton) SetWindowTextA(m_unitButton, units == 1 ? "In" : "Cm");
    UpdateRulers();
    UpdateSizeLabels();
}

void CPreviewWnd::SetZoom(int step)
{
    if (!m_imageLoaded) {
        m_zoom = 1;
        SetScrollRange(m_hwnd, SB_HORZ, 0, 0, TRUE);
        SetScrollRange(m_hwnd, SB_VERT, 0, 0, TRUE);
        m_scrollX = m_scrollY = 0;
    } else {
        const int next = std::clamp(m_zoom + step, 1, 4);
        if (next == m_zoom) return;
        m_zoom = next;
        const int r = m_dib.Resolution();
        const int hMax = ZoomScrollMax(m_dib.Width(), r, m_zoom, kAreaWidth);
        const int vMax = ZoomScrollMax(m_dib.Height(), r, m_zoom, kAreaLength);
        const int hPos = std::min(hMax, m_scrollX * m_zoom / 50);
        SetScrollRange(m_hwnd, SB_HORZ, 0, hMax, FALSE);
        SetScrollPos(m_hwnd, SB_HORZ, hPos, TRUE);
        m_scrollX = hPos * 50 / m_zoom;
        const int vPos = std::min(vMax, m_scrollY * m_zoom / 50);
        SetScrollRange(m_hwnd, SB_VERT, 0, vMax, FALSE);
        SetScrollPos(m_hwnd, SB_VERT, vPos, TRUE);
        m_scrollY = vPos * 50 / m_zoom;
    }
    UpdateRulers();
    RenderPreview();
    Invalidate();
}

void CPreviewWnd::NotifyPreview(int code)
{
    switch (code) {
    case kPreviewMode:
        UpdateSizeLabels();
        RenderPreview();
        Invalidate();
        break;
    case kPreviewResolution:
        UpdateSizeLabels();
        break;
    case kPreviewTone:
        RenderPreview();
        Invalidate();
        break;
    case kPreviewReset:
        UpdateSizeLabels();
        RenderPreview();
        TrackerFromFrame();
        Invalidate();
        break;
    case kPreviewFrame:
        UpdateSizeLabels();
        TrackerFromFrame();
        Invalidate();
        break;
    case kPreviewImage:
        SetScrollRange(m_hwnd, SB_HORZ, 0, 0, TRUE);
        SetScrollRange(m_hwnd, SB_VERT, 0, 0, TRUE);
        m_zoom = 1;
        m_scrollX = m_scrollY = 0;
        UpdateRulers();
        LoadPreviewImage();
        UpdateSizeLabels();
        RenderPreview();
        Invalidate();
        break;
    case kPreviewLabel:
        Invalidate();
        break;
    default:
        break;
    }
}

void CPreviewWnd::LoadPreviewImage()
{
    m_displayBits.clear();
    m_imageLoaded = true;
    HDC dc = GetDC(m_hwnd);
    const int status = m_dib.Load(PreviewFilePath(), dc);
    ReleaseDC(m_hwnd, dc);
    if (status != kDibLoaded) {
        m_imageLoaded = false;
        return;
    }
    m_displayBits.assign(static_cast<size_t>(RowBytes24(m_dib.Width())) * m_dib.Height(), 0);
    std::memcpy(&m_displayInfo, m_dib.Info(), sizeof m_displayInfo);
    // The display copy is always 24 bits per pixel.
    m_displayInfo.bmiHeader.biBitCount = 24;
    m_displayInfo.bmiHeader.biSizeImage = 0;
    m_displayInfo.bmiHeader.biClrUsed = 0;
    m_displayInfo.bmiHeader.biClrImportant = 0;
    m_sourceIsGray8 = m_dib.IsGray8();
}

void CPreviewWnd::ApplyTone()
{
    uint8_t table[256];
    DisplayToneTable(table, *m_settings);
    const int w = m_dib.Width(), h = m_dib.Height();
    const int bits = m_dib.Header().biBitCount;
    const int srcRow = (w * bits + 31) / 32 * 4;
    const int dstRow = RowBytes24(w);
    const uint8_t* src = m_dib.Bits();
    const RGBQUAD* palette = m_dib.Info()->bmiColors;
    const bool colour = m_settings->ScanMode == kModeColor;
    for (int y = 0; y < h; ++y) {
        const uint8_t* s = src + static_cast<size_t>(y) * srcRow;
        uint8_t* d = m_displayBits.data() + static_cast<size_t>(y) * dstRow;
        for (int x = 0; x < w; ++x, d += 3) {
            uint8_t b, g, r;
            if (bits == 24) {
                b = s[3 * x];
                g = s[3 * x + 1];
                r = s[3 * x + 2];
            } else {
                // Palette pictures: the entry of the pixel, shown through the 24-bit path.
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (x % perByte + 1);
                const int index = (s[x / perByte] >> shift) & ((1 << bits) - 1);
                b = palette[index].rgbBlue;
                g = palette[index].rgbGreen;
                r = palette[index].rgbRed;
                if (m_sourceIsGray8) b = g = r = s[x];
            }
            if (colour && !m_sourceIsGray8) {
                d[0] = table[b];
                d[1] = table[g];
                d[2] = table[r];
            } else {
                d[0] = d[1] = d[2] = table[g];
            }
        }
    }
}

void CPreviewWnd::RenderPreview()
{
    if (!m_memoryDC) return;
    HBRUSH background = CreateSolidBrush(RGB(204, 204, 204));
    FillRect(m_memoryDC, &m_clientRect, background);
    DeleteObject(background);
    int destW = 0, destH = 0;
    if (m_imageLoaded && m_dib.Loaded() && !m_displayBits.empty()) {
        const int w = m_dib.Width(), h = m_dib.Height(), r = m_dib.Resolution();
        const int imgW = std::max(1, w * 100 / r), imgH = std::max(1, h * 100 / r);
        const int srcX = m_scrollX * w / imgW, srcW = w - srcX;
        const int skip = m_scrollY * h / imgH, srcH = h - skip;
        destW = (srcW * 100 / r) * m_cw * m_zoom / kAreaWidth;
        destH = (srcH * 100 / r) * m_ch * m_zoom / kAreaLength;
        ApplyTone();
        SetStretchBltMode(m_memoryDC, COLORONCOLOR);
        StretchDIBits(m_memoryDC, 0, 0, destW, destH, srcX, 0, srcW, srcH, m_displayBits.data(), &m_displayInfo,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    HPEN grid = CreatePen(PS_SOLID, 1, RGB(224, 224, 224));
    HGDIOBJ oldPen = SelectObject(m_memoryDC, grid);
    for (int k = 1; k <= 863; ++k) {
        const int x = k * m_cw * 100 / 864;
        const int y0 = x > destW ? 0 : destH;
        if (y0 >= m_ch - 2) continue;
        MoveToEx(m_memoryDC, x, y0, nullptr);
        LineTo(m_memoryDC, x, m_ch - 2);
    }
    for (int k = 1; k <= 1999; ++k) {
        const int y = k * m_ch * 100 / 2000;
        const int x0 = y > destH ? 0 : destW;
        if (x0 >= m_cw - 2) continue;
        MoveToEx(m_memoryDC, x0, y, nullptr);
        LineTo(m_memoryDC, m_cw - 2, y);
    }
    HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN gray = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    int minPos, maxPos;
    GetScrollRange(m_hwnd, SB_VERT, &minPos, &maxPos);
    if (maxPos <= minPos) {
        SelectObject(m_memoryDC, black);
        MoveToEx(m_memoryDC, m_cw - 1, 0, nullptr);
        LineTo(m_memoryDC, m_cw - 1, m_ch - 1);
        SelectObject(m_memoryDC, gray);
        MoveToEx(m_memoryDC, m_cw - 2, 1, nullptr);
        LineTo(m_memoryDC, m_cw - 2, m_ch - 2);
    }
    GetScrollRange(m_hwnd, SB_HORZ, &minPos, &maxPos);
    if (maxPos <= minPos) {
        SelectObject(m_memoryDC, black);
        MoveToEx(m_memoryDC, m_cw - 1, m_ch - 1, nullptr);
        LineTo(m_memoryDC, 0, m_ch - 1);
        SelectObject(m_memoryDC, gray);
        MoveToEx(m_memoryDC, m_cw - 2, m_ch - 2, nullptr);
        LineTo(m_memoryDC, 1, m_ch - 2);
    }
    SelectObject(m_memoryDC, oldPen);
    DeleteObject(grid);
    DeleteObject(black);
    DeleteObject(gray);
}

void CPreviewWnd::UpdateSizeLabels()
{
    const ScanSettings& s = *m_settings;
    const int units = m_units == 0 ? 0 : 1;
    if (m_widthLabel) SetWindowTextA(m_widthLabel, LengthText(DsText(t::kTxtWidth), s.Right - s.Left, units).c_str());
    if (m_heightLabel) SetWindowTextA(m_heightLabel, LengthText(DsText(t::kTxtHeight), s.Bottom - s.Top, units).c_str());
    if (m_sizeLabel) SetWindowTextA(m_sizeLabel, ImageSizeText(DsText(t::kTxtImageSize), s).c_str());
}
