// A small PDF writer: one image per page, the page as large as the image at
// its resolution. Black-and-white pages are stored losslessly with the
// RunLengthDecode filter; grey and colour pages carry the JPEG data the
// caller encoded (DCTDecode).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Page.h"

struct PdfImage {
    uint32_t width = 0;
    uint32_t height = 0;
    double dpi = 0;
    int bitsPerComponent = 8;       // 1 or 8
    bool colour = false;            // DeviceRGB, else DeviceGray
    std::string filter;             // "RunLengthDecode" or "DCTDecode"
    std::vector<uint8_t> data;      // the encoded stream
};

// The PDF run-length encoding of a byte string (literal runs and repeats, EOD).
std::vector<uint8_t> RunLengthEncode(const uint8_t* data, size_t size);
// Its inverse; false on a malformed stream. Used to check what was written.
bool RunLengthDecode(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

// A 1-bit page as a lossless PDF image (0 black, as in the page).
PdfImage BilevelPdfImage(const Page& page);
// A grey or colour page's JPEG bytes as a PDF image.
PdfImage JpegPdfImage(const Page& page, std::vector<uint8_t> jpeg);

// The whole document; empty when there are no images.
std::vector<uint8_t> BuildPdf(const std::vector<PdfImage>& images);
