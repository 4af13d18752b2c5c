// A page as the feeder holds it: 8-bit RGB pixels, row after row, with the
// resolution it was made at. PageLoader is how the device gets one from a file
// (the Windows imaging component in the library, anything in tests).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sim {

struct PageImage {
    int width = 0;
    int height = 0;
    double dpiX = 0;
    double dpiY = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes, red first

    const uint8_t* Row(int y) const { return rgb.data() + static_cast<size_t>(y) * width * 3; }
    double WidthInches() const { return width / dpiX; }
    double HeightInches() const { return height / dpiY; }
};

class PageLoader {
public:
    virtual ~PageLoader() = default;
    // Reads the image file; null when it cannot be read. A file without a
    // usable resolution gets dpi 0 (the feeder then uses its default).
    virtual std::shared_ptr<const PageImage> Load(const std::string& path) = 0;
};

}  // namespace sim
