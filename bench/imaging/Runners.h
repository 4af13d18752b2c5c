// The operations measured on each scan, done once with our core and once with
// Leptonica, at the scan's own depth (1, 8 or 24 bits), each timed alone:
//  - deskew: measure the skew of the scan and rotate it straight;
//  - crop: find the sheet on the backing of a straight scan and cut it out;
//  - orientation: which quarter turn makes the straightened, cropped page
//    upright;
//  - binarisation (grey and colour only): Sauvola's threshold on that page.
// The crop box judged is the one of the deskewed scan (for ours the call the
// data source makes: deskew and crop together).
#pragma once

#include "core/Image.h"
#include "core/PageBox.h"

namespace bench {

struct OpSeconds {
    double deskew = 0.0, crop = 0.0, orient = 0.0, binarise = 0.0;
};

struct PageOutcome {
    double skewFound = 0.0;   // clockwise degrees the library found on the page
    vz::Box box;              // page box in the straightened image
    int turn = 0;             // clockwise quarter turns proposed (0 when not confident)
    float confidence = 0.0f;
    bool confident = false;
    OpSeconds seconds;
};

// `scan`: the skewed scan; `straight`: the same sheet laid straight.
PageOutcome RunOurs(const vz::Image& scan, const vz::Image& straight);
PageOutcome RunLeptonica(const vz::Image& scan, const vz::Image& straight);

}  // namespace bench
