// The IPT_ exports that process an image in place: border removal and
// deskew, colour dropout, binarisation, orientation detection and rotation.
// Each checks its record and hands the values to the portable core.
#include "ExportGuard.h"
#include "core/Binarize.h"
#include "core/BorderRemoval.h"
#include "core/ColorDropout.h"
#include "core/Orientation.h"
#include "core/Rotate.h"

using namespace vzdll;

extern "C" {

// The border-removal record's fixed value at offset 16 is our background
// level: the grey level (0..255) at or below which a pixel connected to the
// image edge is the scanner's backing. The data source passes 48; 0 means
// the library's default, which is also 48.
int32_t IPT_RemoveBorder(IptImage handle, const IptBorderRemoval* p) {
    return OnImage(handle, p, [&](vz::Image& image) -> int32_t {
        if (p->deskew > 1 || p->crop > 1) return IPT_BAD_PARAMETER;
        if (p->backgroundLevel < 0 || p->backgroundLevel > 255) return IPT_BAD_PARAMETER;
        vz::BorderOptions options;
        options.deskew = p->deskew == 1;
        options.crop = p->crop == 1;
        options.backgroundLevel = p->backgroundLevel ? p->backgroundLevel : vz::kDefaultBackgroundLevel;
        options.margin = p->margin;
        return ToResult(vz::RemoveBorder(image, options));
    });
}

int32_t IPT_DropColor(IptImage handle, const IptColorDropout* p) {
    return OnImage(handle, p, [&](vz::Image& image) -> int32_t {
        vz::DropoutOptions options;
        options.type = p->type;
        options.threshold = p->threshold;
        options.minimum = p->minimum;
        options.maximum = p->maximum;
        options.saturationMin = p->saturationMin;
        options.luminanceMin = p->luminanceMin;
        options.blobMin = p->blobMin;
        return ToResult(vz::DropColor(image, options));
    });
}

int32_t IPT_Binarize(IptImage handle, const IptBinarization* p) {
    return OnImage(handle, p, [&](vz::Image& image) -> int32_t {
        return ToResult(vz::Binarize(image, p->threshold));
    });
}

int32_t IPT_DetectOrientation(IptImage handle, IptOrientation* result) {
    return OnImage(handle, result, [&](vz::Image& image) -> int32_t {
        vz::OrientationResult found = vz::DetectOrientation(image, vz::kDefaultBackgroundLevel);
        result->orientation = found.turns;
        result->confidence = found.confidence;
        return IPT_OK;
    });
}

// Rotation codes are quarter turns clockwise; the orientation found by
// IPT_DetectOrientation is the code that makes the page upright.
int32_t IPT_Rotate(IptImage handle, const IptRotation* p) {
    return OnImage(handle, p, [&](vz::Image& image) -> int32_t {
        if (p->rotation < 1 || p->rotation > 3) return IPT_BAD_PARAMETER;
        image = vz::RotateQuarter(image, p->rotation);
        return IPT_OK;
    });
}

}  // extern "C"
