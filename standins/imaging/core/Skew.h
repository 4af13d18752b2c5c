// Skew measurement by projection profiles.
//
// Text lines and the edges of the sheet are straight and parallel. When the
// ink of a page is projected onto rows after shearing it by the right angle,
// the lines fall into few rows and the profile becomes a comb of sharp peaks;
// the sum of squared differences of neighbouring row counts is then largest.
// The angle is found in two steps: a sweep over the whole range on an ink map
// of about 75 dpi, then a search that halves its step around the best angle
// on a map of about 150 dpi, closed by a parabola through the last three
// scores. Shearing instead of rotating makes each trial a single pass over
// the ink cells with one table look-up per cell.
#pragma once

#include "InkMap.h"

namespace vz {

// Largest skew looked for, degrees: a sheet fed more crookedly than this
// jams the feeder before it is scanned.
constexpr double kMaxSkewDegrees = 10.5;

struct SkewResult {
    double degrees = 0.0;     // content is turned clockwise by this much
    double confidence = 0.0;  // best score over the mean of the sweep, minus 1
    bool found = false;       // false: too little print to tell; degrees is 0
};

// The search for a deskew stops halving its step below this, degrees.
constexpr double kFinestSkewStep = 0.02;

// `fine` is an ink map of about 150 dpi (see BuildInkMap); the search
// stops once its step is at most `finestStep` degrees.
SkewResult FindSkew(const InkMap& fine, double finestStep = kFinestSkewStep);

}  // namespace vz
