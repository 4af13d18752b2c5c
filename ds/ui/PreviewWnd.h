// CPreviewWnd: the preview picture of the Custom Settings page. It shows the
// last preview scan ("TARVX380.bmp" in the per-user data folder) toned by the
// current settings, draws the scan frame over it and lets the frame be drawn,
// moved and resized with the mouse (Range mode) or the picture be zoomed
// (Zoom mode). It keeps the rulers and the Width, Height and Image size
// read-outs of the page in step, and tells the page (WM_COMMAND
// ID_SYNC_PAGE_SIZE) after each change of the frame it makes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/ScanSettings.h"
#include "ui/PreviewDib.h"
#include "ui/PreviewMath.h"

class CRulerWnd;

constexpr int ID_SYNC_PAGE_SIZE = 1047;
constexpr int kPreviewSizeMenuFirst = 1024;

// Change codes of NotifyPreview.
enum PreviewChange : int {
    kPreviewMode = 1,
    kPreviewResolution = 2,
    kPreviewTone = 3,
    kPreviewReset = 5,
    kPreviewFrame = 6,
    kPreviewImage = 7,
    kPreviewLabel = 8,
};

enum PreviewMode : int { kModeZoomView = 0, kModeRangeView = 1 };

// "TARVX380.bmp" in the per-user data folder, else in the source's own folder.
std::string PreviewFilePath();

class CPreviewWnd {
public:
    explicit CPreviewWnd(ScanSettings* settings) : m_settings(settings) {}
    ~CPreviewWnd();
    CPreviewWnd(const CPreviewWnd&) = delete;
    CPreviewWnd& operator=(const CPreviewWnd&) = delete;

    bool Create(HWND parent, const RECT& rect, int id);
    HWND Window() const { return m_hwnd; }
    void Bind(CRulerWnd* horizontal, CRulerWnd* vertical, HWND unitButton, HWND width, HWND height, HWND size);
    // Takes the client size and fits the horizontal ruler to it.
    void Layout();
    void SetMode(int mode);
    void SetUnits(int units);
    void NotifyPreview(int code);

    int Mode() const { return m_mode; }
    int ZoomFactor() const { return m_zoom; }
    int ScrollX() const { return m_scrollX; }
    int ScrollY() const { return m_scrollY; }
    int Units() const { return m_units; }
    bool ImageLoaded() const { return m_imageLoaded; }
    const CPreviewDib& Dib() const { return m_dib; }
    const std::vector<uint8_t>& DisplayBits() const { return m_displayBits; }
    PixelRect Tracker() const { return m_tracker; }
    int ClientWidth() const { return m_cw; }
    int ClientHeight() const { return m_ch; }
    void SetZoom(int step);

private:
    void LoadPreviewImage();
    void ApplyTone();
    void RenderPreview();
    void UpdateSizeLabels();
    void TrackerFromFrame();
    void UpdateRulers();
    void Invalidate(bool erase = false);
    void SyncPage();
    void RestoreIfTooSmall();
    void SaveFrame();
    void Scroll(int bar, int code);
    void OnLeftDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLeftUp(int x, int y);
    void OnContextMenu(int x, int y);
    void Paint(HDC dc);
    void ReleaseBuffer();
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    ScanSettings* m_settings;
    CRulerWnd* m_horizontalRuler = nullptr;
    CRulerWnd* m_verticalRuler = nullptr;
    HWND m_widthLabel = nullptr, m_heightLabel = nullptr, m_sizeLabel = nullptr, m_unitButton = nullptr;
    int m_zoom = 1;
    int m_mode = kModeZoomView;
    int m_scrollX = 0, m_scrollY = 0;
    int m_units = -1;
    bool m_imageLoaded = true;
    CPreviewDib m_dib;
    std::vector<uint8_t> m_displayBits;
    BITMAPINFO m_displayInfo = {};
    bool m_sourceIsGray8 = false;
    HCURSOR m_cursor = nullptr;
    int m_anchorX = 0, m_anchorY = 0, m_currentX = 0, m_currentY = 0;
    bool m_dragging = false;
    // A handle or the inside being dragged (kHitNothing when none).
    int m_trackHit = -1;
    int m_trackX = 0, m_trackY = 0;
    PixelRect m_trackStart = {};
    int16_t m_savedTop = 0, m_savedBottom = 0, m_savedRight = 0, m_savedLeft = 0;
    HDC m_memoryDC = nullptr;
    HBITMAP m_memoryBitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    PixelRect m_tracker = {};
    RECT m_clientRect = {};
    int m_cw = 0, m_ch = 0;
};
