// The measured operations with our core (see Runners.h).
#include "Runners.h"

#include "core/Binarize.h"
#include "core/BorderRemoval.h"
#include "core/Orientation.h"

#include <ctime>

namespace bench {
namespace {

// Processor time of this (single-threaded) program: the machines that run
// the benchmark are shared, and wall time would count the others' work.
struct Clock {
    static std::clock_t now() { return std::clock(); }
};
double Since(std::clock_t t0) { return static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC; }

}  // namespace

PageOutcome RunOurs(const vz::Image& scan, const vz::Image& straight) {
    PageOutcome out;
    vz::BorderReport report;
    vz::BorderOptions options;

    vz::Image img = scan;
    options.deskew = true;
    auto t0 = Clock::now();
    vz::RemoveBorder(img, options, &report);
    out.seconds.deskew = Since(t0);
    out.skewFound = report.skewDegrees;

    img = straight;
    options.deskew = false;
    options.crop = true;
    t0 = Clock::now();
    vz::RemoveBorder(img, options, &report);
    out.seconds.crop = Since(t0);

    img = scan;
    options.deskew = true;
    vz::RemoveBorder(img, options, &report);
    out.box = report.box;

    t0 = Clock::now();
    vz::OrientationResult o = vz::DetectOrientation(img, vz::kDefaultBackgroundLevel);
    out.seconds.orient = Since(t0);
    out.turn = o.turns;
    out.confidence = o.confidence;
    out.confident = o.confidence >= vz::kMinOrientationConfidence;

    if (img.bpp != 1) {
        t0 = Clock::now();
        vz::Binarize(img, -1);
        out.seconds.binarise = Since(t0);
    }
    return out;
}

}  // namespace bench
