// Reads page images (PNG, BMP, TIFF, JPEG) through the Windows imaging
// component.
#pragma once

#include "PageImage.h"

namespace sim {

class WicPageLoader : public PageLoader {
public:
    std::shared_ptr<const PageImage> Load(const std::string& path) override;
};

}  // namespace sim
