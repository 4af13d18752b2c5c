// Converts a BMP file into a TIFF file with the platform's image encoder
// whose MIME type is "image/tiff", without encoder parameters.
#pragma once

#include <string>

// True when the TIFF was written. Names are taken as UTF-8 text, or in the
// ANSI code page when they are not valid UTF-8.
bool ConvertBmpToTiff(const std::string& bmpPath, const std::string& tiffPath);

// The name as UTF-16: UTF-8 when it is valid UTF-8, else the ANSI code page.
std::wstring WideFileName(const std::string& name);
