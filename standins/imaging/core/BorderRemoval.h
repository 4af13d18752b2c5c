// Border removal: finds the sheet on the scanner's dark background, measures
// and corrects its skew, and crops to it.
//
// The steps, each optional: the background is flood-filled from the image
// edge (PageBox.h); the skew is measured on the print and the sheet's outline
// (Skew.h) and undone by a bilinear rotation about the image centre
// (Rotate.h); the page box is then found again on the straightened image and
// cut out, grown or shrunk by the margin. Corners that the rotation uncovers
// take the paper's grey when the result is kept whole, and the background's
// when it is about to be cropped, so that they fall outside the page box.
#pragma once

#include "Image.h"
#include "PageBox.h"

namespace vz {

struct BorderOptions {
    bool deskew = false;
    bool crop = false;
    int backgroundLevel = kDefaultBackgroundLevel;  // 0..255
    int margin = 0;  // pixels around the page box; negative cuts into the page
};

struct BorderReport {
    double skewDegrees = 0.0;  // the skew found and undone (0 when none)
    bool skewFound = false;
    Box box;                   // the page box cut out, in the straightened image
};

// Skews smaller than this, degrees, are left alone: the resampling would
// soften the print for less than a pixel of gain across a page.
constexpr double kMinCorrectedSkew = 0.05;
// A page with less background than this fraction has been scanned without a
// visible border; uncovered corners then always take the paper's grey.
constexpr double kMinBackgroundFraction = 0.002;

Status RemoveBorder(Image& image, const BorderOptions& options, BorderReport* report = nullptr);

// The skew of a page as RemoveBorder measures it, without changing it.
struct SkewResult;
SkewResult MeasurePageSkew(const Image& image, int backgroundLevel);

}  // namespace vz
