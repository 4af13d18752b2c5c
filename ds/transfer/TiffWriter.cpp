#include "transfer/TiffWriter.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "transfer/ChunkRows.h"
#include "transfer/ImageSource.h"
#include "transfer/PageStore.h"

namespace {
// Reads in a row that deliver nothing before the page counts as failed.
constexpr int kEmptyReadLimit = 1000;
} // namespace

int WriteTiff(CBitmapFile& file, const TiffPage& page, uint32_t chunkRows, const TiffRowReader& read)
{
    std::vector<uint8_t> head;
    if (chunkRows == 0 || !BuildTiffHead(page, chunkRows, &head)) return kScanOutOfMemory;
    const uint64_t total = TiffFileLength(page, chunkRows);
    if (!file.SetLength(total) || !file.Seek(0) || !file.Write(head.data(), static_cast<uint32_t>(head.size())))
        return kScanFileError;
    head = std::vector<uint8_t>();

    const uint32_t padded = PaddedRowBytes(page.width, page.bitsPerPixel);
    const uint32_t packed = TiffRowBytes(page.width, page.bitsPerPixel);
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[size_t(chunkRows) * padded]);
    if (!buffer) return kScanOutOfMemory;

    uint32_t written = 0;
    int emptyReads = 0;
    while (written < page.length) {
        const uint32_t want = std::min(chunkRows, page.length - written);
        uint32_t got = 0;
        const int32_t status = read(buffer.get(), want, &got);
        if (status != kScanOk) return status;
        if (got == 0) {
            if (++emptyReads >= kEmptyReadLimit) return kScanDeviceFailed;
            continue;
        }
        emptyReads = 0;
        got = std::min(got, want);
        // Rows packed in place: each moves down (or stays), never over one not yet moved.
        if (packed != padded)
            for (uint32_t r = 1; r < got; ++r)
                std::memmove(buffer.get() + size_t(r) * packed, buffer.get() + size_t(r) * padded, packed);
        if (!file.Write(buffer.get(), packed * got)) return kScanFileError;
        written += got;
    }
    return kScanOk;
}

int WriteTiff(CBitmapFile& file) { return WriteTiff(file, ThePageStore()); }

int WriteTiff(CBitmapFile& file, CPageStore& store)
{
    TiffPage page;
    page.width = store.Width(true);
    page.length = store.Length(true);
    page.bitsPerPixel = store.BitsPerPixel();
    page.resolution = store.Resolution();
    // A page whose scan already failed reports that failure, not its size.
    if (g_scanStatus != kScanOk && g_scanStatus != kScanEndOfPage) return g_scanStatus;
    if (store.RowBytes(true) != PaddedRowBytes(page.width, page.bitsPerPixel)) return kScanDeviceFailed;
    const uint32_t chunk = ChunkRows(page.resolution, store.Length(false), store.RowBytes(false));
    const int32_t side = store.CurrentSide();
    return WriteTiff(file, page, chunk, [&store, side](uint8_t* buffer, uint32_t rows, uint32_t* got) {
        return store.ReadRows(buffer, rows, side, got);
    });
}
