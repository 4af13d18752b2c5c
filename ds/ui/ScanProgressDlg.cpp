#include "ui/ScanProgressDlg.h"

#include <commctrl.h>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "session/ShowMessage.h"
#include "ui/ThumbnailPalette.h"
#include "ui/ThumbnailScaling.h"
#include "ui/resource.h"

namespace {

constexpr COLORREF kFrameLight = RGB(255, 255, 255);
constexpr COLORREF kFrameShadow = RGB(128, 128, 128);
constexpr LONG kPixelsPerMetre = 100;

// F10 would start the menu loop of whatever window gets it.
bool IsMenuKey(const MSG& msg)
{
    return (msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP) && msg.wParam == VK_F10;
}

} // namespace

CScanProgressDlg* CScanProgressDlg::Create(HWND parent, int bitsPerPixel, int width, int height)
{
    if ((bitsPerPixel != 1 && bitsPerPixel != 8 && bitsPerPixel != 24) || width <= 0 || height <= 0)
        return nullptr;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    auto* dlg = new CScanProgressDlg(bitsPerPixel, width, height);
    if (!dlg->CreateModeless(IDD_SCAN_PROGRESS, parent)) {
        delete dlg;
        return nullptr;
    }
    return dlg;
}

CScanProgressDlg::CScanProgressDlg(int bitsPerPixel, int width, int height)
    : m_bitsPerPixel(bitsPerPixel), m_imageWidth(width), m_imageHeight(height)
{
}

void CScanProgressDlg::Destroy()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    delete this;
}

INT_PTR CScanProgressDlg::OnInitDialog()
{
    SetWindowTextA(m_hwnd, kMessageCaption);
    SetDlgItemTextA(m_hwnd, IDCANCEL, tx::DsText(tx::dstext::kTxtCancel).c_str());
    m_palette.Reset(CreateThumbnailPalette(m_bitsPerPixel));
    PrepareThumbnail();
    SendDlgItemMessageA(m_hwnd, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, 100);
    SendDlgItemMessageA(m_hwnd, IDC_PROGRESS_BAR, PBM_SETPOS, 0, 0);
    Centre();
    ShowWindow(m_hwnd, SW_SHOW);
    UpdateWindow(m_hwnd);
    return TRUE;
}

void CScanProgressDlg::PrepareThumbnail()
{
    RECT client = {};
    GetClientRect(GetDlgItem(m_hwnd, IDC_THUMBNAIL_FRAME), &client);
    m_thumbSize = FitThumbnail(m_imageWidth, m_imageHeight, client.right, client.bottom);
    if (m_thumbSize.width <= 0)
        return;
    // One spare row past the bottom, as the draw call may touch it.
    m_thumb.assign(ThumbnailRowBytes(m_thumbSize.width) * (static_cast<size_t>(m_thumbSize.height) + 1), 0);
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    m_header.biWidth = m_thumbSize.width;
    m_header.biHeight = -m_thumbSize.height; // rows top first
    m_header.biPlanes = 1;
    m_header.biBitCount = 24;
    m_header.biCompression = BI_RGB;
    m_header.biSizeImage = 0;
    m_header.biXPelsPerMeter = kPixelsPerMetre;
    m_header.biYPelsPerMeter = kPixelsPerMetre;
}

void CScanProgressDlg::PumpMessages()
{
    MSG msg;
    for (int i = 0; i < kScanProgressPumpLimit; ++i) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            return;
        if (msg.message == WM_QUIT) {
            // Not ours to consume: leave it for the application's own loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsMenuKey(msg))
            continue;
        if (m_hwnd && IsDialogMessageA(m_hwnd, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool CScanProgressDlg::AddRows(const uint8_t* rows, int count)
{
    PumpMessages();
    if (!m_hwnd || m_cancel)
        return false;
    if (count <= 0 || !rows)
        return true;

    m_rowsReceived += count;
    SendDlgItemMessageA(m_hwnd, IDC_PROGRESS_BAR, PBM_SETPOS,
                        static_cast<WPARAM>(ProgressPercent(m_rowsReceived, m_imageHeight)), 0);

    const int due = ThumbnailRowsDue(m_thumbSize.height, m_rowsReceived, m_imageHeight);
    const int k = due - m_rowsFilled;
    if (k <= 0 || m_thumb.empty())
        return true;
    uint8_t* target = m_thumb.data() + ThumbnailRowBytes(m_thumbSize.width) * static_cast<size_t>(m_rowsFilled);
    if (!BoxFilterRows(rows, m_imageWidth, count, m_bitsPerPixel, target, m_thumbSize.width, k))
        return true;
    m_rowsFilled += k;

    HWND frame = GetDlgItem(m_hwnd, IDC_THUMBNAIL_FRAME);
    InvalidateRect(frame, nullptr, FALSE);
    UpdateWindow(frame);
    return true;
}

void CScanProgressDlg::PaintFrame(HDC dc, const RECT& client)
{
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const int right = client.right - 1;
    const int bottom = client.bottom - 1;
    {
        ScopedGdiObject<HPEN> light(CreatePen(PS_SOLID, 1, kFrameLight));
        ScopedSelect pen(dc, light.Get());
        MoveToEx(dc, 0, bottom, nullptr);
        LineTo(dc, 0, 0);
        LineTo(dc, right + 1, 0);
    }
    {
        ScopedGdiObject<HPEN> shadow(CreatePen(PS_SOLID, 1, kFrameShadow));
        ScopedSelect pen(dc, shadow.Get());
        MoveToEx(dc, right, 1, nullptr);
        LineTo(dc, right, bottom);
        LineTo(dc, 0, bottom);
    }
    if (m_rowsFilled <= 0 || m_thumb.empty())
        return;
    ScopedPalette palette(dc, m_palette.Get());
    const ThumbnailDraw d = PlaceThumbnail(client.right, client.bottom, m_thumbSize, m_rowsFilled);
    SetDIBitsToDevice(dc, d.x, d.y, static_cast<DWORD>(d.width), static_cast<DWORD>(d.height), d.sourceX,
                      d.sourceY, static_cast<UINT>(d.firstLine), static_cast<UINT>(d.lines), m_thumb.data(),
                      reinterpret_cast<const BITMAPINFO*>(&m_header), DIB_RGB_COLORS);
}

INT_PTR CScanProgressDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam != IDC_THUMBNAIL_FRAME || !item)
            return FALSE;
        PaintFrame(item->hDC, item->rcItem);
        return TRUE;
    }
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED: {
        // Redraw with the palette realised again, unless our own draw
        // changed it.
        HWND frame = GetDlgItem(m_hwnd, IDC_THUMBNAIL_FRAME);
        const HWND changer = reinterpret_cast<HWND>(wParam);
        if (message == WM_QUERYNEWPALETTE || (changer != frame && changer != m_hwnd))
            InvalidateRect(frame, nullptr, FALSE);
        return FALSE;
    }
    case WM_DESTROY:
        // The buffer goes with the window; the owner deletes the object.
        m_thumb.clear();
        m_thumb.shrink_to_fit();
        m_rowsFilled = 0;
        return FALSE;
    default:
        return CProgressDlgBase::HandleMessage(message, wParam, lParam);
    }
}
