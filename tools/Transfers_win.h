// The three TWAIN transfer mechanisms, each delivering one page into a Page.
#pragma once

#include <string>

#include "Page.h"
#include "TwainSession.h"

enum class XferResult { Done, Cancelled, Failed };

struct XferContext {
    TwainSession* session = nullptr;
    TW_IMAGEINFO info{};        // DAT_IMAGEINFO of the page
    unsigned long bufferSize = 0; // memory: 0 = the source's preferred size
    std::string fileFormat;     // file: "bmp" or "tiff"
    std::string tempFolder;     // file: where the source writes the page
    bool quiet = false;
    bool vanilla = false;       // memory, 1 bit: ICAP_PIXELFLAVOR is TWPF_VANILLA (0 white)
};

XferResult NativeTransfer(XferContext& c, Page& page, std::string& error);
XferResult MemoryTransfer(XferContext& c, Page& page, std::string& error);
XferResult FileTransfer(XferContext& c, Page& page, std::string& error);
