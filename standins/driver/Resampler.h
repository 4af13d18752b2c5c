// Resampler: turns a page image into RGB rows at the scan resolution.
//
// The scanner sees the sheet lying in its feed path: the page is placed
// across the scan area at a horizontal offset (inches) and its leading edge is
// at the top of the frame. Each output pixel covers 1/dpi inch; its value is a
// weighted sum of the page pixels under a triangle filter whose radius is one
// page pixel when enlarging and one output pixel (in page pixels) when
// reducing, so reductions average and enlargements interpolate. Draft mode
// takes the nearest page pixel instead. Samples off the sheet read the
// scanner's backing. Weights are integers (14-bit fixed point), so the same
// input always gives the same bytes.
#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "PageImage.h"

namespace sim {

// Contribution of source samples to each output sample along one axis.
class AxisWeights {
public:
    static constexpr int kShift = 14;
    static constexpr int kOne = 1 << kShift;

    // Output sample o sits at (origin + o + 0.5) / outDpi inches from the axis
    // start; the source starts at sourceOffset inches and has sourceLength
    // samples at sourceDpi.
    AxisWeights(int outCount, int origin, double outDpi, int sourceLength, double sourceDpi,
                double sourceOffset, bool nearest);

    int First(int o) const { return m_first[o]; }
    int Count(int o) const { return m_count[o]; }
    const int32_t* Weights(int o) const { return m_weights.data() + m_start[o]; }

private:
    std::vector<int> m_first, m_count, m_start;
    std::vector<int32_t> m_weights;
};

struct ResampleSpec {
    int dpi = 300;
    int left = 0;      // frame origin in output pixels
    int top = 0;
    int width = 0;     // frame size in output pixels
    int height = 0;
    double sheetLeftInches = 0;  // where the sheet's left edge lies across the area
    bool nearest = false;
    uint8_t backing = 32;
};

class Resampler {
public:
    Resampler(const PageImage& page, const ResampleSpec& params);

    // RGB row y of the frame (width * 3 bytes). Rows are best asked for in
    // increasing order; any order gives the same bytes.
    void Row(int y, uint8_t* rgbOut);

private:
    const std::vector<uint8_t>& SourceRow(int sy);

    const PageImage& m_page;
    ResampleSpec m_spec;
    AxisWeights m_x;
    AxisWeights m_y;
    std::deque<std::pair<int, std::vector<uint8_t>>> m_rows;  // horizontally resampled
    std::vector<uint8_t> m_backingRow;
};

}  // namespace sim
