#include "transfer/BitmapWriter.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "transfer/ChunkRows.h"
#include "transfer/ImageSource.h"
#include "transfer/PageStore.h"

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
// Reads in a row that deliver nothing before the page counts as failed.
constexpr int kEmptyReadLimit = 1000;

uint32_t PaletteEntries(uint32_t bitsPerPixel)
{
    return bitsPerPixel == 1 ? 2 : (bitsPerPixel == 8 ? 256 : 0);
}

void Put16(uint8_t* p, uint16_t v) { std::memcpy(p, &v, 2); }
void Put32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

} // namespace

int WriteBitmapHeader(CBitmapFile& file, uint32_t bitsPerPixel, uint32_t resolution, uint32_t width,
                      uint32_t length, bool withFileHeader)
{
    const uint32_t rowBytes = PaddedRowBytes(width, bitsPerPixel);
    if (rowBytes == 0 || length == 0 || (bitsPerPixel != 1 && bitsPerPixel != 8 && bitsPerPixel != 24))
        return kHeaderFailed;
    const uint32_t entries = PaletteEntries(bitsPerPixel);
    const uint32_t headerBytes = kInfoHeaderBytes + 4 * entries + (withFileHeader ? kFileHeaderBytes : 0);
    const uint64_t pixelBytes = uint64_t(rowBytes) * length;
    const uint64_t total = headerBytes + pixelBytes;
    if (total > 0xFFFFFFFFull || width > 0x7FFFFFFF || length > 0x7FFFFFFF) return kHeaderFailed;

    std::vector<uint8_t> header;
    try {
        header.assign(headerBytes, 0);
    } catch (const std::bad_alloc&) {
        return kHeaderFailed;
    }
    uint8_t* p = header.data();
    if (withFileHeader) {
        p[0] = 'B';
        p[1] = 'M';
        Put32(p + 2, static_cast<uint32_t>(total));
        Put32(p + 10, headerBytes);
        p += kFileHeaderBytes;
    }
    const uint32_t perMetre = resolution * 10000 / 254;
    Put32(p, kInfoHeaderBytes);
    Put32(p + 4, width);
    Put32(p + 8, length);
    Put16(p + 12, 1);
    Put16(p + 14, static_cast<uint16_t>(bitsPerPixel));
    Put32(p + 16, BI_RGB);
    Put32(p + 20, static_cast<uint32_t>(pixelBytes));
    Put32(p + 24, perMetre);
    Put32(p + 28, perMetre);
    Put32(p + 32, entries);
    Put32(p + 36, entries);
    uint8_t* palette = p + kInfoHeaderBytes;
    for (uint32_t i = 0; i < entries; ++i) {
        const uint8_t level = entries == 2 ? static_cast<uint8_t>(i ? 255 : 0) : static_cast<uint8_t>(i);
        palette[4 * i] = palette[4 * i + 1] = palette[4 * i + 2] = level;
    }

    // Sized first: a memory file is then allocated once, at its final size.
    if (!file.SetLength(total) || !file.Seek(0) || !file.Write(header.data(), headerBytes))
        return kHeaderFileError;
    return kHeaderWritten;
}

void FlipChunk(uint8_t* rows, uint32_t count, uint32_t rowBytes, uint32_t width, uint32_t bitsPerPixel)
{
    if (count > 1) {
        std::unique_ptr<uint8_t[]> spare(new (std::nothrow) uint8_t[rowBytes]);
        uint8_t* top = rows;
        uint8_t* bottom = rows + size_t(count - 1) * rowBytes;
        while (top < bottom) {
            if (spare) {
                std::memcpy(spare.get(), top, rowBytes);
                std::memcpy(top, bottom, rowBytes);
                std::memcpy(bottom, spare.get(), rowBytes);
            } else {
                std::swap_ranges(top, top + rowBytes, bottom);
            }
            top += rowBytes;
            bottom -= rowBytes;
        }
    }
    if (bitsPerPixel != 24) return;
    for (uint32_t y = 0; y < count; ++y) {
        uint8_t* px = rows + size_t(y) * rowBytes;
        for (uint32_t x = 0; x < width; ++x, px += 3) std::swap(px[0], px[2]);
    }
}

int WriteBitmap(CBitmapFile& file, bool withFileHeader) { return WriteBitmap(file, withFileHeader, ThePageStore()); }

int WriteBitmap(CBitmapFile& file, bool withFileHeader, CPageStore& store)
{
    const uint32_t width = store.Width(true);
    const uint32_t length = store.Length(true);
    const uint32_t bits = store.BitsPerPixel();
    const uint32_t resolution = store.Resolution();
    // A page whose scan already failed reports that failure, not its size.
    if (g_scanStatus != kScanOk && g_scanStatus != kScanEndOfPage) return g_scanStatus;

    const int header = WriteBitmapHeader(file, bits, resolution, width, length, withFileHeader);
    if (header == kHeaderFailed) return kScanOutOfMemory;
    if (header == kHeaderFileError) return kScanFileError;

    const int32_t side = store.CurrentSide();
    uint32_t chunk = ChunkRows(resolution, store.Length(false), store.RowBytes(false));
    if (chunk >= 5 && chunk % 2 == 0) --chunk;
    const uint32_t rowBytes = store.RowBytes(true);
    if (rowBytes != PaddedRowBytes(width, bits)) return kScanDeviceFailed;
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[size_t(chunk) * rowBytes]);
    if (!buffer) return kScanOutOfMemory;

    const uint64_t end = file.Length();
    uint32_t written = 0;
    int emptyReads = 0;
    while (written < length) {
        const uint32_t want = std::min(chunk, length - written);
        uint32_t got = 0;
        const int32_t status = store.ReadRows(buffer.get(), want, side, &got);
        if (status != kScanOk) return status;
        if (got == 0) {
            if (++emptyReads >= kEmptyReadLimit) return kScanDeviceFailed;
            continue;
        }
        emptyReads = 0;
        got = std::min(got, want);
        FlipChunk(buffer.get(), got, rowBytes, width, bits);
        const uint64_t at = end - uint64_t(rowBytes) * (written + got);
        if (!file.Seek(at) || !file.Write(buffer.get(), rowBytes * got)) return kScanFileError;
        written += got;
    }
    return kScanOk;
}
