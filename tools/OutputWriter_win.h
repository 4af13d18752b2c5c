// Writes the scanned pages in the chosen format: BMP (our own writer), PNG
// and TIFF through the imaging component (several pages: one multi-page
// TIFF, or numbered BMP/PNG files), PDF through our own writer. Each file is
// written under a temporary name and renamed at the end, so that a failure
// never leaves a partial output file.
#pragma once

#include <string>
#include <vector>

#include "Options.h"
#include "Page.h"

// The names of the files for `count` pages: FILE, then FILE-2.png, FILE-3.png
// for formats that hold one page.
std::vector<std::string> OutputNames(const std::string& out, OutputFormat format, size_t count);

bool WriteOutput(const std::vector<Page>& pages, const std::string& out, OutputFormat format, int jpegQuality,
                 std::vector<std::string>& written, std::string& error);
