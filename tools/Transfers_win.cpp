#include "Transfers_win.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "CapValue.h"
#include "WicImage_win.h"

namespace {

XferResult Failed(TwainSession& s, std::string& error)
{
    error = s.LastFailure().Text();
    return XferResult::Failed;
}

double InfoDpi(const TW_IMAGEINFO& info)
{
    TW_UINT32 raw;
    std::memcpy(&raw, &info.XResolution, 4);
    return Fix32ToDouble(raw);
}

// The transfer's pixels take the resolution the source reported for the page.
void TakeInfoDpi(const XferContext& c, Page& page)
{
    const double dpi = InfoDpi(c.info);
    if (dpi > 0) page.dpi = dpi;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& data)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    data.clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.insert(data.end(), buf, buf + n);
    std::fclose(f);
    return true;
}

} // namespace

XferResult NativeTransfer(XferContext& c, Page& page, std::string& error)
{
    TwainSession& s = *c.session;
    TW_HANDLE dib = nullptr;
    const TW_UINT16 rc = s.Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib);
    if (rc == TWRC_CANCEL) {
        if (dib) s.Link().Free(dib);
        return XferResult::Cancelled;
    }
    if (rc != TWRC_XFERDONE) {
        if (dib) s.Link().Free(dib);
        if (rc == TWRC_FAILURE) return Failed(s, error);
        error = "the native transfer ended with an unexpected return code";
        return XferResult::Failed;
    }
    if (!dib) {
        error = "the native transfer delivered no bitmap";
        return XferResult::Failed;
    }
    const size_t size = s.Link().Size(dib);
    const uint8_t* p = static_cast<const uint8_t*>(s.Link().Lock(dib));
    bool ok = p && size > 0 && PageFromDib(p, size, false, page, error);
    if (!p || size == 0) error = "the native bitmap cannot be read";
    if (p) s.Link().Unlock(dib);
    s.Link().Free(dib);
    if (!ok) return XferResult::Failed;
    TakeInfoDpi(c, page);
    return XferResult::Done;
}

XferResult MemoryTransfer(XferContext& c, Page& page, std::string& error)
{
    TwainSession& s = *c.session;
    TW_SETUPMEMXFER setup{};
    if (s.Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup) != TWRC_SUCCESS) return Failed(s, error);
    unsigned long size = c.bufferSize ? c.bufferSize : setup.Preferred ? setup.Preferred : setup.MaxBufSize;
    if (size == 0) size = 65536;
    std::vector<uint8_t> buffer(size);

    const int bits = c.info.BitsPerPixel;
    const uint32_t width = c.info.ImageWidth > 0 ? static_cast<uint32_t>(c.info.ImageWidth) : 0;
    const bool lengthKnown = c.info.ImageLength > 0;
    if (!ShapePage(page, width, lengthKnown ? static_cast<uint32_t>(c.info.ImageLength) : 1, bits, InfoDpi(c.info), error))
        return XferResult::Failed;
    uint32_t rowsDone = 0;
    int emptyStrips = 0;
    for (;;) {
        TW_IMAGEMEMXFER x{};
        x.Compression = TWON_DONTCARE16;
        x.BytesPerRow = x.Columns = x.Rows = x.XOffset = x.YOffset = x.BytesWritten = TWON_DONTCARE32;
        x.Memory.Flags = TWMF_APPOWNS | TWMF_POINTER;
        x.Memory.Length = size;
        x.Memory.TheMem = buffer.data();
        const TW_UINT16 rc = s.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &x);
        if (rc == TWRC_CANCEL) return XferResult::Cancelled;
        if (rc == TWRC_FAILURE) return Failed(s, error);
        if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) {
            error = "the memory transfer ended with an unexpected return code";
            return XferResult::Failed;
        }
        if (x.Rows == 0 && rc == TWRC_SUCCESS) {
            if (x.BytesPerRow != TWON_DONTCARE32 && x.BytesPerRow > size) {
                error = "the memory buffer of " + std::to_string(size) + " bytes is smaller than one row (" +
                        std::to_string(x.BytesPerRow) + " bytes); give a larger --buffer";
                return XferResult::Failed;
            }
            if (++emptyStrips > 10000) {
                error = "the source delivers no rows";
                return XferResult::Failed;
            }
            continue;
        }
        emptyStrips = 0;
        if (x.Rows > 0) {
            if (x.BytesPerRow < page.stride || static_cast<uint64_t>(x.BytesPerRow) * x.Rows > size ||
                x.YOffset > 100000 || x.Rows > 100000 || x.XOffset != 0) {
                error = "the source's memory strip does not fit the page (" + std::to_string(x.Rows) + " rows of " +
                        std::to_string(x.BytesPerRow) + " bytes at row " + std::to_string(x.YOffset) + ")";
                return XferResult::Failed;
            }
            const uint32_t end = x.YOffset + x.Rows;
            if (end > page.height) {
                if (lengthKnown) {
                    error = "the source sent more rows than the page has";
                    return XferResult::Failed;
                }
                page.pixels.resize(page.stride * end, 0);
                page.height = end;
            }
            for (uint32_t r = 0; r < x.Rows; ++r) {
                uint8_t* dst = page.Row(x.YOffset + r);
                std::memcpy(dst, buffer.data() + static_cast<size_t>(r) * x.BytesPerRow, page.stride);
                if (bits == 1) {
                    if (c.vanilla)
                        for (size_t i = 0; i < page.stride; ++i) dst[i] = static_cast<uint8_t>(~dst[i]);
                    const int spare = static_cast<int>(page.stride * 8 - page.width);
                    if (spare) dst[page.stride - 1] |= static_cast<uint8_t>((1u << spare) - 1);
                }
            }
            if (end > rowsDone) rowsDone = end;
            if (!c.quiet) {
                std::printf("\r  rows %lu of %lu", static_cast<unsigned long>(rowsDone),
                            static_cast<unsigned long>(lengthKnown ? page.height : rowsDone));
                std::fflush(stdout);
            }
        }
        if (rc == TWRC_XFERDONE) break;
    }
    if (!c.quiet) std::printf("\n");
    if (lengthKnown && rowsDone < page.height) {
        // The page ended early: keep what arrived.
        page.height = rowsDone;
        page.pixels.resize(page.stride * rowsDone);
    }
    if (page.height == 0) {
        error = "the memory transfer delivered no rows";
        return XferResult::Failed;
    }
    return XferResult::Done;
}

XferResult FileTransfer(XferContext& c, Page& page, std::string& error)
{
    TwainSession& s = *c.session;
    const bool tiff = c.fileFormat == "tiff";
    const std::string path = c.tempFolder + (tiff ? "txscan-page.tif" : "txscan-page.bmp");
    if (path.size() >= sizeof(TW_STR255)) {
        error = "the temporary folder's name is too long for a file transfer";
        return XferResult::Failed;
    }
    TW_SETUPFILEXFER setup{};
    std::snprintf(setup.FileName, sizeof setup.FileName, "%s", path.c_str());
    setup.Format = tiff ? TWFF_TIFF : TWFF_BMP;
    if (s.Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup) != TWRC_SUCCESS) return Failed(s, error);
    DeleteFileA(path.c_str());
    const TW_UINT16 rc = s.Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr);
    XferResult result = XferResult::Done;
    if (rc == TWRC_CANCEL) result = XferResult::Cancelled;
    else if (rc == TWRC_FAILURE) result = Failed(s, error);
    else if (rc != TWRC_XFERDONE) {
        error = "the file transfer ended with an unexpected return code";
        result = XferResult::Failed;
    } else if (tiff) {
        std::vector<Page> pages;
        std::wstring wide(path.begin(), path.end());
        wchar_t buf[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, buf, MAX_PATH) > 0) wide = buf;
        if (!ReadWicFile(wide, pages, error) || pages.size() != 1) {
            if (error.empty()) error = "the source's TIFF file does not hold one page";
            error = "reading the transferred file: " + error;
            result = XferResult::Failed;
        } else {
            page = std::move(pages[0]);
        }
    } else {
        std::vector<uint8_t> data;
        if (!ReadWholeFile(path, data)) {
            error = "the source wrote no file '" + path + "'";
            result = XferResult::Failed;
        } else if (!PageFromDib(data.data(), data.size(), true, page, error)) {
            error = "reading the transferred file: " + error;
            result = XferResult::Failed;
        }
    }
    DeleteFileA(path.c_str());
    if (result == XferResult::Done) TakeInfoDpi(c, page);
    return result;
}
