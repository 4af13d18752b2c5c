// The streaming TIFF writer without the session: generated pages of 1, 8 and
// 24 bits read back with WIC pixel for pixel with their resolution, rows
// arriving in uneven pieces, the file written once from front to back, and
// every failure told by its code with nothing more read or written.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <cstring>
#include <string>
#include <vector>

#include "transfer/DiskFile.h"
#include "transfer/ImageSource.h"
#include "transfer/TiffWriter.h"

#include "RecordingFile.h"

namespace {

// A generated page in DIB rows (padded to 4 bytes, colour red-green-blue),
// top row first, and a reader that hands it out in uneven pieces: the full
// request, then one row, then nothing, over and over.
struct Page {
    TiffPage geometry;
    uint32_t padded = 0;
    std::vector<uint8_t> rows;
    uint32_t next = 0;
    int calls = 0;

    Page(uint32_t width, uint32_t length, uint32_t bits, uint32_t dpi)
    {
        geometry = {width, length, bits, dpi};
        padded = PaddedRowBytes(width, bits);
        rows.assign(size_t(padded) * length, 0xEE);   // the padding is junk
        const uint32_t used = TiffRowBytes(width, bits);
        for (uint32_t y = 0; y < length; ++y)
            for (uint32_t i = 0; i < used; ++i) rows[size_t(y) * padded + i] = uint8_t(y * 31 + i * 7 + (i >> 3));
    }
    // The grey level or colour WIC should show at (x, y), as blue-green-red.
    void Expected(uint32_t x, uint32_t y, uint8_t bgr[3]) const
    {
        const uint8_t* row = &rows[size_t(y) * padded];
        if (geometry.bitsPerPixel == 1) {
            const uint8_t level = (row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
            bgr[0] = bgr[1] = bgr[2] = level;
        } else if (geometry.bitsPerPixel == 8) {
            bgr[0] = bgr[1] = bgr[2] = row[x];
        } else {
            bgr[0] = row[3 * x + 2];
            bgr[1] = row[3 * x + 1];
            bgr[2] = row[3 * x];
        }
    }
    TiffRowReader Reader()
    {
        return [this](uint8_t* buffer, uint32_t want, uint32_t* got) {
            const int phase = calls++ % 3;
            uint32_t n = phase == 0 ? want : (phase == 1 ? 1 : 0);
            n = std::min(n, geometry.length - next);
            std::memcpy(buffer, &rows[size_t(next) * padded], size_t(n) * padded);
            next += n;
            *got = n;
            return int32_t(kScanOk);
        };
    }
};

std::string TempName()
{
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "tif", 0, name);
    return name;
}

class TiffReadBack : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_PPV_ARGS(&factory)));
        path = TempName();
    }
    void TearDown() override
    {
        if (factory) factory->Release();
        DeleteFileA(path.c_str());
        CoUninitialize();
    }

    // Writes the page into a disk file and compares what WIC decodes.
    void WriteAndCompare(Page& page, uint32_t chunkRows)
    {
        {
            CDiskFile file;
            ASSERT_TRUE(file.Create(path));
            ASSERT_EQ(WriteTiff(file, page.geometry, chunkRows, page.Reader()), kScanOk);
        }
        std::wstring wide(path.begin(), path.end());
        IWICBitmapDecoder* decoder = nullptr;
        IWICBitmapFrameDecode* frame = nullptr;
        IWICFormatConverter* converter = nullptr;
        GUID container{};
        UINT w = 0, h = 0;
        double dpiX = 0, dpiY = 0;
        ASSERT_HRESULT_SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                                    WICDecodeMetadataCacheOnDemand, &decoder));
        ASSERT_HRESULT_SUCCEEDED(decoder->GetContainerFormat(&container));
        EXPECT_TRUE(IsEqualGUID(container, GUID_ContainerFormatTiff));
        ASSERT_HRESULT_SUCCEEDED(decoder->GetFrame(0, &frame));
        ASSERT_HRESULT_SUCCEEDED(frame->GetResolution(&dpiX, &dpiY));
        ASSERT_HRESULT_SUCCEEDED(factory->CreateFormatConverter(&converter));
        ASSERT_HRESULT_SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                                       nullptr, 0, WICBitmapPaletteTypeCustom));
        ASSERT_HRESULT_SUCCEEDED(converter->GetSize(&w, &h));
        std::vector<uint8_t> bgra(size_t(w) * h * 4);
        ASSERT_HRESULT_SUCCEEDED(converter->CopyPixels(nullptr, w * 4, UINT(bgra.size()), bgra.data()));
        converter->Release();
        frame->Release();
        decoder->Release();

        EXPECT_EQ(w, page.geometry.width);
        EXPECT_EQ(h, page.geometry.length);
        EXPECT_DOUBLE_EQ(dpiX, page.geometry.resolution);
        EXPECT_DOUBLE_EQ(dpiY, page.geometry.resolution);
        if (w != page.geometry.width || h != page.geometry.length) return;
        int differing = 0;
        for (uint32_t y = 0; y < h; ++y)
            for (uint32_t x = 0; x < w; ++x) {
                uint8_t want[3];
                page.Expected(x, y, want);
                const uint8_t* got = &bgra[(size_t(y) * w + x) * 4];
                if (std::memcmp(got, want, 3) != 0 && differing++ == 0)
                    ADD_FAILURE() << "first difference at " << x << "," << y;
            }
        EXPECT_EQ(differing, 0);
    }

    IWICImagingFactory* factory = nullptr;
    std::string path;
};

TEST_F(TiffReadBack, OneBitGreyAndColourPagesDecodePixelForPixelWithTheirResolution)
{
    Page oneBit(1700, 41, 1, 300);   // 213 bytes a row, 216 in the DIB
    WriteAndCompare(oneBit, 9);
    Page grey(301, 37, 8, 150);
    WriteAndCompare(grey, 5);
    Page colour(257, 23, 24, 600);
    WriteAndCompare(colour, 4);
}

TEST_F(TiffReadBack, APageShorterThanOneChunkIsOneStrip)
{
    Page colour(64, 3, 24, 200);
    WriteAndCompare(colour, 16);
}

TEST(TiffWriter, WritesTheHeadOnceThenEachChunkInOrderWithoutGoingBack)
{
    Page page(1000, 50, 8, 300);
    RecordingFile file;
    ASSERT_EQ(WriteTiff(file, page.geometry, 7, page.Reader()), kScanOk);
    ASSERT_GE(file.writes.size(), 2u);
    EXPECT_EQ(file.writes[0].at, 0u);
    uint64_t end = 0;
    for (const auto& w : file.writes) {
        EXPECT_EQ(w.at, end) << "every write continues where the last ended";
        EXPECT_LE(w.size, std::max<uint32_t>(file.writes[0].size, 7 * 1000));
        end = w.at + w.size;
    }
    EXPECT_EQ(end, file.bytes.size());
    EXPECT_EQ(end, TiffFileLength(page.geometry, 7));
    // The last 1000 bytes are the page's last row, without its padding.
    EXPECT_EQ(std::memcmp(&file.bytes[size_t(end) - 1000], &page.rows[size_t(49) * page.padded], 1000), 0);
}

TEST(TiffWriter, FailuresAreToldByTheirCode)
{
    Page page(100, 20, 8, 300);
    {
        RecordingFile file;
        int calls = 0;
        auto cancelling = [&calls](uint8_t*, uint32_t rows, uint32_t* got) {
            *got = rows;
            return int32_t(++calls == 2 ? kScanCancelled : kScanOk);
        };
        EXPECT_EQ(WriteTiff(file, page.geometry, 4, cancelling), kScanCancelled);
        EXPECT_EQ(calls, 2) << "nothing is read after the failure";
    }
    {
        RecordingFile file;
        file.failAfter = 2;
        EXPECT_EQ(WriteTiff(file, page.geometry, 4, page.Reader()), kScanFileError);
        EXPECT_EQ(file.writes.size(), 2u);
    }
    {
        RecordingFile file;
        auto silent = [](uint8_t*, uint32_t, uint32_t* got) {
            *got = 0;
            return int32_t(kScanOk);
        };
        EXPECT_EQ(WriteTiff(file, page.geometry, 4, silent), kScanDeviceFailed) << "a device that never delivers";
    }
    int reads = 0;
    auto counting = [&reads](uint8_t*, uint32_t, uint32_t* got) {
        ++reads;
        *got = 0;
        return int32_t(kScanOk);
    };
    for (const TiffPage& bad : {TiffPage{0, 10, 8, 300}, TiffPage{10, 0, 8, 300}, TiffPage{10, 10, 4, 300},
                                TiffPage{60000, 30000, 24, 300}}) {
        RecordingFile file;
        EXPECT_EQ(WriteTiff(file, bad, 4, counting), kScanOutOfMemory) << bad.width << " x " << bad.length;
        EXPECT_TRUE(file.writes.empty());
    }
    RecordingFile file;
    EXPECT_EQ(WriteTiff(file, page.geometry, 0, counting), kScanOutOfMemory);
    EXPECT_EQ(reads, 0);
}

} // namespace
