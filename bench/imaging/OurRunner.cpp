// The measured operations with our core (see Runners.h).
#include "Runners.h"

#include "core/Binarize.h"
#include "core/BorderRemoval.h"
#include "core/Orientation.h"

#include <chrono>

namespace bench {

PageOutcome RunOurs(const vz::Image& page) {
    PageOutcome out;
    auto t0 = std::chrono::steady_clock::now();
    vz::Image img = page;
    vz::BorderOptions options;
    options.deskew = true;
    options.crop = true;
    vz::BorderReport report;
    vz::RemoveBorder(img, options, &report);
    out.skewFound = report.skewDegrees;
    out.box = report.box;
    auto t1 = std::chrono::steady_clock::now();
    vz::OrientationResult o = vz::DetectOrientation(img, vz::kDefaultBackgroundLevel);
    auto t2 = std::chrono::steady_clock::now();
    out.turn = o.turns;
    out.confidence = o.confidence;
    out.confident = o.confidence >= vz::kMinOrientationConfidence;
    vz::Binarize(img, -1);
    auto t3 = std::chrono::steady_clock::now();
    out.seconds = std::chrono::duration<double>(t3 - t0).count();
    out.orientSeconds = std::chrono::duration<double>(t2 - t1).count();
    return out;
}

}  // namespace bench
