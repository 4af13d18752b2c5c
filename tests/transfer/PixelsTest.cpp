// The same page through the three mechanisms holds the same image, which is
// what the driver delivers for the same settings; the DIB is bottom-up in
// blue-green-red order, memory strips top to bottom as scanned.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "TempFolder.h"
#include "XferFixture.h"

namespace {

class Pixels : public XferTest {
protected:
    PageRows ReferenceThenStart(const ScanSettings& s)
    {
        PageRows reference = Reference(s);
        EXPECT_GT(reference.length, 0u);
        EXPECT_EQ(Open(), TWRC_SUCCESS);
        Apply(s);
        EXPECT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
        return reference;
    }
    void NextPage()
    {
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        EXPECT_EQ(Disable(), TWRC_SUCCESS);
        EXPECT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    }
};

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void ExpectSameImage(const PageRows& got, const PageRows& want, const char* what)
{
    EXPECT_EQ(got.width, want.width) << what;
    EXPECT_EQ(got.length, want.length) << what;
    EXPECT_EQ(got.rowBytes, want.rowBytes) << what;
    EXPECT_TRUE(got.rows == want.rows) << what << ": the pixels differ";
}

TEST_F(Pixels, NativeMemoryAndBmpFileHoldWhatTheDriverDelivers)
{
    const ScanSettings s = Settings(kModeColor, 150, 300, 400);
    const PageRows reference = ReferenceThenStart(s);

    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    const auto* raw = static_cast<const uint8_t*>(GlobalLock(dib));
    const BITMAPINFOHEADER* h = reinterpret_cast<const BITMAPINFOHEADER*>(raw);
    EXPECT_EQ(h->biBitCount, 24);
    EXPECT_EQ(h->biXPelsPerMeter, 150 * 10000 / 254);
    EXPECT_EQ(h->biSizeImage, reference.rowBytes * reference.length);
    // The DIB's first row is the last scanned row, blue first.
    const uint8_t* lastScanned = &reference.rows[size_t(reference.length - 1) * reference.rowBytes];
    EXPECT_EQ(raw[40], lastScanned[2]);
    EXPECT_EQ(raw[42], lastScanned[0]);
    EXPECT_EQ(GlobalSize(dib), 40 + size_t(reference.rowBytes) * reference.length);
    GlobalUnlock(dib);
    ExpectSameImage(FromDibHandle(dib), reference, "native");
    GlobalFree(dib);

    NextPage();
    PageRows strips;
    ASSERT_EQ(Memory(&strips), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    ExpectSameImage(strips, reference, "memory");

    NextPage();
    TempFolder folder;
    const std::string bmp = folder.File("page.bmp");
    ASSERT_EQ(FileXfer(bmp, TWFF_BMP), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    const std::vector<uint8_t> file = ReadFile(bmp);
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    uint32_t size = 0, offBits = 0;
    std::memcpy(&size, &file[2], 4);
    std::memcpy(&offBits, &file[10], 4);
    EXPECT_EQ(size, file.size());
    EXPECT_EQ(offBits, 54u);
    ExpectSameImage(FromDib(file.data() + 14, file.size() - 14), reference, "bmp file");
}

TEST_F(Pixels, MemoryStripsOfEveryShape)
{
    const ScanSettings s = Settings(kModeGray, 150, 300, 400);
    const PageRows reference = ReferenceThenStart(s);
    TW_SETUPMEMXFER setup{};
    ASSERT_EQ(app.Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
    EXPECT_EQ(setup.Preferred % reference.rowBytes, 0u);

    PageRows inHandles;
    ASSERT_EQ(Memory(&inHandles, setup.Preferred, true), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    ExpectSameImage(inHandles, reference, "handle strips");

    NextPage();
    // A buffer smaller than one row: strips of no rows, and the state still 7.
    std::vector<uint8_t> small(reference.rowBytes - 1);
    TW_IMAGEMEMXFER xfer{};
    xfer.Memory = {TWMF_APPOWNS | TWMF_POINTER, static_cast<TW_UINT32>(small.size()), small.data()};
    EXPECT_EQ(app.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_SUCCESS);
    EXPECT_EQ(xfer.Rows, 0u);
    EXPECT_EQ(xfer.BytesWritten, 0u);
    TW_HANDLE dib = nullptr;
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Native(&dib));

    // Odd-sized strips: the one before the last succeeds, the last completes.
    PageRows odd;
    const uint32_t stripBytes = reference.rowBytes * 7 + 3;
    ASSERT_EQ(Memory(&odd, stripBytes), TWRC_XFERDONE);
    ExpectSameImage(odd, reference, "7-row strips");
}

TEST_F(Pixels, OneBitPage1700PixelsWide)
{
    Sim("Device", "Resolutions", "150,200,300,400,600");
    const ScanSettings s = Settings(kModeBlackWhite, 400, 425, 100);
    const PageRows reference = ReferenceThenStart(s);
    ASSERT_EQ(reference.width, 1700u);
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    EXPECT_EQ(GlobalSize(dib), 40 + 8 + 216 * size_t(reference.length));
    const auto* raw = static_cast<const uint8_t*>(GlobalLock(dib));
    const uint8_t black[4] = {0, 0, 0, 0}, white[4] = {255, 255, 255, 0};
    EXPECT_EQ(std::memcmp(raw + 40, black, 4), 0);
    EXPECT_EQ(std::memcmp(raw + 44, white, 4), 0);
    GlobalUnlock(dib);
    ExpectSameImage(FromDibHandle(dib), reference, "1-bit native");
    GlobalFree(dib);
}

// Decodes an image file with WIC into 32-bit BGRA rows.
bool DecodeWithWic(const std::string& path, uint32_t* width, uint32_t* height, std::vector<uint8_t>* bgra,
                   GUID* container)
{
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))))
        return false;
    std::wstring wide(path.begin(), path.end());
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    bool ok = SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                           WICDecodeMetadataCacheOnDemand, &decoder)) &&
              SUCCEEDED(decoder->GetContainerFormat(container)) && SUCCEEDED(decoder->GetFrame(0, &frame)) &&
              SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
              SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                              0, WICBitmapPaletteTypeCustom)) &&
              SUCCEEDED(converter->GetSize(width, height));
    if (ok) {
        bgra->resize(size_t(*width) * *height * 4);
        ok = SUCCEEDED(converter->CopyPixels(nullptr, *width * 4, static_cast<UINT>(bgra->size()), bgra->data()));
    }
    if (converter) converter->Release();
    if (frame) frame->Release();
    if (decoder) decoder->Release();
    factory->Release();
    return ok;
}

TEST_F(Pixels, TiffUnderABmpNameHoldsThePagesPixels)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const ScanSettings s = Settings(kModeGray, 150, 250, 300);
    const PageRows reference = ReferenceThenStart(s);
    TempFolder folder;
    const std::string target = folder.File("page.bmp");
    ASSERT_EQ(FileXfer(target, TWFF_TIFF), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    const std::vector<uint8_t> file = ReadFile(target);
    ASSERT_GE(file.size(), 4u);
    EXPECT_TRUE((file[0] == 'I' && file[1] == 'I') || (file[0] == 'M' && file[1] == 'M')) << "a TIFF";
    uint32_t w = 0, h = 0;
    std::vector<uint8_t> bgra;
    GUID container{};
    ASSERT_TRUE(DecodeWithWic(target, &w, &h, &bgra, &container));
    EXPECT_TRUE(IsEqualGUID(container, GUID_ContainerFormatTiff));
    ASSERT_EQ(w, reference.width);
    ASSERT_EQ(h, reference.length);
    int differing = 0;
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t grey = reference.rows[size_t(y) * reference.rowBytes + x];
            const uint8_t* px = &bgra[(size_t(y) * w + x) * 4];
            if (px[0] != grey || px[1] != grey || px[2] != grey) ++differing;
        }
    EXPECT_EQ(differing, 0);
    CoUninitialize();
}

} // namespace
