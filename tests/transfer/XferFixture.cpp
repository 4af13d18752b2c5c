#include "XferFixture.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "ValidSettings.h"
#include "device/DriverLink.h"
#include "device/ScanSequence.h"
#include "device/ScannerSource.h"
#include "session/IdentitySignature.h"

void XferTest::SetUp()
{
    ASSERT_TRUE(sim.Loaded());
    sim.Reset();
    Sim("Device", "BusyAfterScanMs", "0");
    UsePages("samples\\01-letter.png");
    ASSERT_TRUE(app.Load());
    ASSERT_EQ(app.GiveEntryPoints(), TWRC_SUCCESS);
    SourceHarness::ClearRecords();
}

void XferTest::TearDown()
{
    Close();
    app.PumpEvents();
    app.Unload();
}

ScanSettings XferTest::Settings(uint16_t mode, int16_t dpi, int16_t right, int16_t bottom)
{
    ScanSettings s = ValidScanSettings();
    s.ScanMode = mode;
    s.DPI = dpi;
    s.DetectEOP = 0;
    s.Right = right;
    s.Bottom = bottom;
    return s;
}

void XferTest::Sim(const char* section, const char* key, const char* value)
{
    ASSERT_TRUE(sim.Set(section, key, value)) << section << "." << key << "=" << value;
}

void XferTest::UsePages(const char* pages, bool loop)
{
    Sim("Feeder", "Pages", pages);
    Sim("Feeder", "Loop", loop ? "1" : "0");
}

TW_UINT16 XferTest::Open()
{
    TW_IDENTITY ds{};
    return app.Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds);
}

TW_UINT16 XferTest::Close() { return app.Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr); }

void XferTest::Apply(const ScanSettings& settings)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 80);
    auto* p = static_cast<uint8_t*>(GlobalLock(block));
    std::memcpy(p, kIdentitySignature, 8);
    const uint32_t version = 1;
    std::memcpy(p + 8, &version, 4);
    std::memcpy(p + 12, &settings, sizeof settings);
    GlobalUnlock(block);
    TW_CUSTOMDSDATA data{80, block};
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, &data), TWRC_SUCCESS);
    GlobalFree(block);
}

ScanSettings XferTest::Current()
{
    ScanSettings s{};
    TW_CUSTOMDSDATA data{};
    if (app.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data) == TWRC_SUCCESS && data.hData) {
        const auto* p = static_cast<const uint8_t*>(GlobalLock(data.hData));
        std::memcpy(&s, p + 12, sizeof s);
        GlobalUnlock(data.hData);
        GlobalFree(data.hData);
    }
    return s;
}

TW_UINT16 XferTest::Enable(bool withParent)
{
    TW_USERINTERFACE ui{FALSE, FALSE, withParent ? app.AppWindow() : nullptr};
    return app.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
}

TW_UINT16 XferTest::Disable()
{
    TW_USERINTERFACE ui{};
    return app.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
}

int16_t XferTest::Pending(TW_UINT16 msg)
{
    TW_PENDINGXFERS pending{0x5555, 0};
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_PENDINGXFERS, msg, &pending), TWRC_SUCCESS) << "pending " << msg;
    return static_cast<int16_t>(pending.Count);
}

TW_UINT16 XferTest::Native(TW_HANDLE* dib)
{
    *dib = reinterpret_cast<TW_HANDLE>(1);
    return app.Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, dib);
}

TW_UINT16 XferTest::FileXfer(const std::string& name, TW_UINT16 format)
{
    TW_SETUPFILEXFER setup{};
    std::strncpy(setup.FileName, name.c_str(), sizeof setup.FileName - 1);
    setup.Format = format;
    EXPECT_EQ(app.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup), TWRC_SUCCESS);
    return app.Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr);
}

TW_UINT16 XferTest::Memory(PageRows* page, uint32_t stripBytes, bool asHandle)
{
    TW_SETUPMEMXFER setup{};
    if (!stripBytes) EXPECT_EQ(app.Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
    const uint32_t size = stripBytes ? stripBytes : setup.Preferred;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, size);
    std::vector<uint8_t> buffer(size);
    TW_UINT16 rc = TWRC_SUCCESS;
    for (int strip = 0; strip < 100000; ++strip) {
        TW_IMAGEMEMXFER xfer{};
        xfer.Memory.Flags = TWMF_APPOWNS | (asHandle ? TWMF_HANDLE : TWMF_POINTER);
        xfer.Memory.Length = size;
        xfer.Memory.TheMem = asHandle ? static_cast<void*>(handle) : buffer.data();
        rc = app.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer);
        if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) break;
        if (xfer.Rows) {
            EXPECT_EQ(xfer.YOffset, page->length);
            page->width = xfer.Columns;
            page->rowBytes = xfer.BytesPerRow;
            const uint8_t* from = asHandle ? static_cast<uint8_t*>(GlobalLock(handle)) : buffer.data();
            page->rows.insert(page->rows.end(), from, from + xfer.BytesWritten);
            if (asHandle) GlobalUnlock(handle);
            page->length += xfer.Rows;
        }
        if (rc == TWRC_XFERDONE || (stripBytes && xfer.Rows == 0 && strip > 3)) break;
    }
    GlobalFree(handle);
    return rc;
}

PageRows XferTest::FromDib(const uint8_t* dib, size_t size)
{
    PageRows page;
    if (size < 40) return page;
    BITMAPINFOHEADER h;
    std::memcpy(&h, dib, sizeof h);
    page.width = static_cast<uint32_t>(h.biWidth);
    page.length = static_cast<uint32_t>(h.biHeight);
    page.bits = h.biBitCount;
    page.rowBytes = ((page.width * page.bits + 31) / 32) * 4;
    const size_t offset = 40 + 4 * h.biClrUsed;
    if (offset + size_t(page.rowBytes) * page.length > size) return PageRows();
    page.rows.resize(size_t(page.rowBytes) * page.length);
    for (uint32_t y = 0; y < page.length; ++y) {
        const uint8_t* from = dib + offset + size_t(page.length - 1 - y) * page.rowBytes;
        uint8_t* to = &page.rows[size_t(y) * page.rowBytes];
        std::memcpy(to, from, page.rowBytes);
        if (page.bits == 24)
            for (uint32_t x = 0; x < page.width; ++x) std::swap(to[3 * x], to[3 * x + 2]);
    }
    return page;
}

PageRows XferTest::FromDibHandle(TW_HANDLE dib)
{
    const auto* p = static_cast<const uint8_t*>(GlobalLock(dib));
    PageRows page = p ? FromDib(p, GlobalSize(dib)) : PageRows();
    if (p) GlobalUnlock(dib);
    return page;
}

PageRows XferTest::Reference(const ScanSettings& settings)
{
    PageRows page;
    tx::ScannerLibrary& scanner = TheScanner();
    if (!scanner.Load() || scanner.OpenInterface() != 0) return page;
    int32_t width = 0, height = 0;
    if (BeginScan(settings, 0, &width, &height) == 0) {
        page.width = static_cast<uint32_t>(width);
        page.bits = ScanBitsPerPixel(settings);
        page.rowBytes = PaddedDeviceRowBytes();
        page.rows.resize(size_t(page.rowBytes) * height);
        while (page.length < static_cast<uint32_t>(height)) {
            bool end = false;
            const int got = ReadScanRows(&page.rows[size_t(page.length) * page.rowBytes],
                                         std::min(4096, height - static_cast<int>(page.length)), &end, 0);
            if (got <= 0) break;
            page.length += static_cast<uint32_t>(got);
        }
        page.rows.resize(size_t(page.rowBytes) * page.length);
        EndScan();
    }
    scanner.SI_CloseInterface();
    scanner.Unload();
    return page;
}

int XferTest::Count(TW_UINT16 notification) const
{
    const auto& n = SourceHarness::Notifications();
    return static_cast<int>(std::count(n.begin(), n.end(), notification));
}
