// The platform's imaging component at the client's edge: PNG and TIFF files
// (a multi-page TIFF for several pages), JPEG data for PDF pages, and reading
// image files back (the TIFF a file transfer wrote; the tests' checks).
#pragma once

#include <string>
#include <vector>

#include "Page.h"

enum class WicFormat { Png, Tiff };

// Writes the pages (one for PNG, any number for TIFF) into `path`; false with
// a reason when an encoder is missing or refuses the pixels.
bool WriteWicFile(const std::vector<Page>& pages, const std::wstring& path, WicFormat format, std::string& error);

// Grey (8-bit) or colour (24-bit) page as JPEG data at quality 1..100.
bool EncodeJpeg(const Page& page, int quality, std::vector<uint8_t>& jpeg, std::string& error);

// Every frame of an image file, or of an image in memory, as pages
// (black-and-white, grey and indexed frames keep 1 or 8 bits, others become 24-bit).
bool ReadWicFile(const std::wstring& path, std::vector<Page>& pages, std::string& error);
bool ReadWicMemory(const std::vector<uint8_t>& data, std::vector<Page>& pages, std::string& error);

// The current thread's COM apartment for the imaging component.
class ComScope {
public:
    ComScope();
    ~ComScope();
private:
    bool m_ok;
};
