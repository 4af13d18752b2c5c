// A small reader of the PDF files the client writes, for the tests: it
// checks the cross-reference table against the objects, follows the page
// tree from the catalogue and gives each page's media box and image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PdfPageImage {
    double mediaWidth = 0, mediaHeight = 0; // points
    long width = 0, height = 0, bitsPerComponent = 0;
    std::string colorSpace, filter;
    std::vector<uint8_t> stream;
};

// false with a reason when the structure is broken.
bool ReadPdf(const std::vector<uint8_t>& file, std::vector<PdfPageImage>& pages, std::string& error);
