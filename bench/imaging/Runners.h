// The operations measured on each page, done once with our core and once with
// Leptonica: deskew (measure and rotate), find and cut out the page, detect
// the orientation of the straightened page, and binarise it with Sauvola's
// threshold.
#pragma once

#include "core/Image.h"
#include "core/PageBox.h"

namespace bench {

struct PageOutcome {
    double skewFound = 0.0;   // clockwise degrees the library found on the page
    vz::Box box;              // page box in the straightened image
    int turn = 0;             // clockwise quarter turns proposed (0 when not confident)
    float confidence = 0.0f;
    bool confident = false;
    double seconds = 0.0;     // all four operations
    double orientSeconds = 0.0;
};

PageOutcome RunOurs(const vz::Image& page);
PageOutcome RunLeptonica(const vz::Image& page);

}  // namespace bench
