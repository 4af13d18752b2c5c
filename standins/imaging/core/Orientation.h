// Orientation detection: which quarter turn makes the print of a page upright.
//
// Two questions are answered in turn on a 150-dpi ink map of the page, after
// its skew (if any) has been taken out of the map:
//  - Are the text lines horizontal or vertical? Rows of an upright page
//    alternate between lines and gaps, so the row profile of the map is far
//    more uneven than its column profile; for a page on its side the reverse.
//  - Which way is up? In Latin print ascenders (b d f h k l t and capitals)
//    are several times more frequent than descenders (g j p q y). Each text
//    line is split into its x-height core and the zones above and below it,
//    and the strokes that reach into each zone are counted. The confidence is
//    2 (up - down) / sqrt(up + down), the number of standard deviations by
//    which the count of one side exceeds that of the other if both were
//    equally likely.
// The answer is the clockwise quarter turn (as RotateQuarter takes it) that
// brings the text upright; 0 is given unless the confidence reaches
// kMinOrientationConfidence, so a blank page or a picture is never turned.
#pragma once

#include "Image.h"

namespace vz {

// Confidence below which no turn is proposed: four standard deviations.
constexpr float kMinOrientationConfidence = 4.0f;
// The profile of the line direction must be this much more uneven than the
// other for the line direction to be trusted.
constexpr double kMinLineDirectionRatio = 1.3;

struct OrientationResult {
    int turns = 0;            // clockwise quarter turns that make the text upright
    float confidence = 0.0f;  // 0 when the page shows no text lines
    int bestGuess = 0;        // the turn found even when not confident
};

OrientationResult DetectOrientation(const Image& image, int backgroundLevel);

}  // namespace vz
