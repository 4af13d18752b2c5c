// The transparent pictures: the scanner picture and the LED cells drawn into
// a memory DC over a known background, checked pixel by pixel against the
// bitmaps of the resource script, and the controls' sizing and failure rules.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "session/ModuleHandle.h"
#include "ui/BitmapStatic.h"
#include "ui/resource.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(10, 120, 200);

// A 32-bit memory surface filled with the background colour.
class Surface {
public:
    Surface(int w, int h) : m_w(w), m_h(h)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        HBRUSH brush = CreateSolidBrush(kBackground);
        RECT all = {0, 0, w, h};
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~Surface()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    int m_w, m_h;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// The pixels of a bitmap resource, row by row.
struct Pixels {
    int w = 0, h = 0;
    std::vector<COLORREF> at;
    COLORREF operator()(int x, int y) const { return at[static_cast<size_t>(y) * w + x]; }
};

Pixels Load(int id)
{
    Pixels p;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(ModuleHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return p;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    p.w = info.bmWidth;
    p.h = info.bmHeight;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) p.at.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return p;
}

// A parent window with one static control of id 100.
class StaticHost {
public:
    StaticHost()
    {
        HINSTANCE self = GetModuleHandleA(nullptr);
        m_parent = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, self, nullptr);
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 30, 40, 8, 8, m_parent, reinterpret_cast<HMENU>(100),
                        self, nullptr);
    }
    ~StaticHost() { DestroyWindow(m_parent); }
    HWND Parent() const { return m_parent; }
    HWND Control() const { return GetDlgItem(m_parent, 100); }

private:
    HWND m_parent = nullptr;
};

class PaintableBitmap : public CBitmapStatic {
public:
    using CBitmapStatic::Paint;
};

class PaintableLed : public CLedIndicator {
public:
    using CLedIndicator::Paint;
};

int CountMismatches(const Surface& s, const Pixels& cells, int cellX, int cellY, int maskX, int maskY, int w, int h)
{
    int bad = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool clear = cells(maskX + x, maskY + y) == kMagenta;
            const COLORREF want = clear ? kBackground : cells(cellX + x, cellY + y);
            if (s.At(x, y) != want) ++bad;
        }
    return bad;
}

} // namespace

TEST(BitmapStatic, DrawsThePictureWithMagentaLeftAsTheBackground)
{
    const Pixels picture = Load(IDB_SCANNER);
    ASSERT_GT(picture.w, 0);
    int clear = 0;
    for (COLORREF c : picture.at) clear += c == kMagenta;
    ASSERT_GT(clear, 0) << "the picture has transparent pixels";
    ASSERT_LT(clear, static_cast<int>(picture.at.size()));

    StaticHost host;
    PaintableBitmap control;
    ASSERT_TRUE(control.Attach(host.Parent(), 100));
    ASSERT_TRUE(control.SetBitmap(IDB_SCANNER));
    Surface surface(picture.w + 4, picture.h + 4);
    control.Paint(surface.Dc());
    EXPECT_EQ(CountMismatches(surface, picture, 0, 0, 0, 0, picture.w, picture.h), 0);
    EXPECT_EQ(surface.At(picture.w + 1, picture.h + 1), kBackground) << "nothing drawn outside the picture";
}

TEST(BitmapStatic, SizesTheControlToThePictureAndRefusesAMissingResource)
{
    StaticHost host;
    CBitmapStatic control;
    EXPECT_FALSE(control.Attach(host.Parent(), 101));
    ASSERT_TRUE(control.Attach(host.Parent(), 100));
    EXPECT_EQ(control.Window(), host.Control());
    ASSERT_TRUE(control.SetBitmap(IDB_SCANNER));
    EXPECT_EQ(control.BitmapId(), IDB_SCANNER);
    RECT rc = {};
    GetClientRect(host.Control(), &rc);
    EXPECT_EQ(rc.right, control.BitmapSize().cx);
    EXPECT_EQ(rc.bottom, control.BitmapSize().cy);

    EXPECT_FALSE(control.SetBitmap(9999));
    EXPECT_EQ(control.BitmapId(), 0);
    EXPECT_EQ(control.BitmapSize().cx, 0);
    // With no picture, painting leaves the background as it was.
    PaintableBitmap empty;
    EXPECT_FALSE(empty.SetBitmap(9999));
    Surface surface(8, 8);
    empty.Paint(surface.Dc());
    EXPECT_EQ(surface.At(3, 3), kBackground);
}

TEST(BitmapStatic, ControlDestroyedBeforeTheObjectIsForgotten)
{
    auto* host = new StaticHost;
    CBitmapStatic control;
    ASSERT_TRUE(control.Attach(host->Parent(), 100));
    delete host;
    EXPECT_EQ(control.Window(), nullptr);
    EXPECT_TRUE(control.SetBitmap(IDB_SCANNER)) << "no window to resize, no fault";
}

TEST(LedIndicator, DrawsTheChosenCellThroughTheFirstCellsMask)
{
    const Pixels cells = Load(IDB_LED_CELLS);
    ASSERT_GE(cells.w, 2 * CLedIndicator::kCell);
    ASSERT_GE(cells.h, CLedIndicator::kCell);
    constexpr int k = CLedIndicator::kCell;
    const int columns = cells.w / k, rows = cells.h / k;

    StaticHost host;
    PaintableLed led;
    ASSERT_TRUE(led.Attach(host.Parent(), 100));
    EXPECT_EQ(led.Row(), 0);
    EXPECT_EQ(led.Column(), 1);
    bool differs = false;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            led.SetCell(row, column);
            Surface surface(k, k);
            led.Paint(surface.Dc());
            EXPECT_EQ(CountMismatches(surface, cells, column * k, row * k, 0, 0, k, k), 0)
                << "cell " << row << "," << column;
            if (cells(column * k + k / 2, row * k + k / 2) != cells(k / 2, k / 2)) differs = true;
        }
    EXPECT_TRUE(differs || columns * rows == 1) << "the cells show different states";
}
