// Border removal (see BorderRemoval.h).
#include "BorderRemoval.h"

#include "InkMap.h"
#include "Rotate.h"
#include "Skew.h"

#include <algorithm>
#include <cmath>

namespace vz {
namespace {

// The skew is measured on a map of about this resolution, dots per inch.
constexpr int kSkewMapDpi = 150;

SkewResult SkewOf(const Image& image, const Background& background, uint8_t paper) {
    InkMap map = BuildInkMap(image, background, ReductionFor(image.yres, kSkewMapDpi), paper, Outline::Add);
    return FindSkew(map);
}

}  // namespace

SkewResult MeasurePageSkew(const Image& image, int backgroundLevel) {
    Background background = FindBackground(image, backgroundLevel);
    return SkewOf(image, background, PaperLevel(image, background));
}

Status RemoveBorder(Image& image, const BorderOptions& options, BorderReport* report) {
    if (image.empty() || !ValidDepth(image.bpp)) return Status::BadParameter;
    if (options.backgroundLevel < 0 || options.backgroundLevel > 255) return Status::BadParameter;
    BorderReport local;
    BorderReport& out = report ? *report : local;
    out = BorderReport();
    out.box = Box{0, 0, image.width, image.height};
    if (!options.deskew && !options.crop) return Status::Ok;

    Background background = FindBackground(image, options.backgroundLevel);

    double undone = 0.0;  // degrees the image was turned by
    uint8_t paper = 255;
    if (options.deskew) {
        paper = PaperLevel(image, background);
        SkewResult skew = SkewOf(image, background, paper);
        out.skewFound = skew.found;
        if (skew.found && std::fabs(skew.degrees) >= kMinCorrectedSkew) {
            out.skewDegrees = skew.degrees;
            bool darkCorners = options.crop && BackgroundFraction(background) >= kMinBackgroundFraction;
            undone = -skew.degrees;
            image = RotateByAngle(image, undone, darkCorners ? 0 : paper);
            if (options.crop) background = FindBackground(image, options.backgroundLevel);
        }
    }

    if (options.crop) {
        Box box = PageBoxOf(background, MinPagePixels(image.xres));
        const int margin = std::max(-kMaxSide, std::min(kMaxSide, options.margin));
        int x0 = box.x - margin, y0 = box.y - margin;
        int x1 = box.x + box.w + margin, y1 = box.y + box.h + margin;
        x0 = std::max(0, x0);
        y0 = std::max(0, y0);
        x1 = std::min(image.width, x1);
        y1 = std::min(image.height, y1);
        if (x1 - x0 < 1 || y1 - y0 < 1) {  // margin ate the page: keep its centre pixel
            x0 = std::min(image.width - 1, box.x + box.w / 2);
            y0 = std::min(image.height - 1, box.y + box.h / 2);
            x1 = x0 + 1;
            y1 = y0 + 1;
        }
        out.box = Box{x0, y0, x1 - x0, y1 - y0};
        // Corners of the sheet that lay outside the scan take the paper's grey.
        if (undone != 0.0) PaintUncovered(image, undone, paper);
        image = Crop(image, out.box);
    }
    return Status::Ok;
}

}  // namespace vz
