// FrameRenderer: the rows the scanner delivers for one frame of one page, in
// the image mode asked for.
//
// Per row: resampled RGB (Resampler) -> descreen filter (a 3x3 binomial blur
// that smooths halftone dots; rows above the first and below the last repeat
// the edge row) -> tone curve -> output:
//   colour: 3 bytes a pixel, red, green, blue;
//   grey:   1 byte a pixel, luminance (299 R + 587 G + 114 B) / 1000;
//   black and white: 1 bit a pixel, first pixel in the high bit, 1 = white,
//   0 = black; a pixel is black when its toned grey is below
//   128 + shift * 127 / 100 (shift is the threshold shift, -100..100); the
//   unused low bits of the last byte are 0.
// Invert turns every output value (or bit) around. Bytes per row are the
// unpadded size: width * 3, width, or (width + 7) / 8.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "PageImage.h"
#include "Resampler.h"
#include "ToneCurve.h"

namespace sim {

struct RenderSpec {
    ResampleSpec frame;
    int mode = 0;            // 0 black and white, 1 grey, 2 colour
    ToneParams tone;
    int thresholdShift = 0;  // -100..100, black and white only
    bool invert = false;
    bool descreen = false;
};

int BytesPerRow(int mode, int width);

class FrameRenderer {
public:
    FrameRenderer(const PageImage& page, const RenderSpec& params);

    int BytesPerRow() const { return sim::BytesPerRow(m_spec.mode, m_spec.frame.width); }
    // Writes row y (0 <= y < frame height) of the frame.
    void Row(int y, uint8_t* out);

private:
    const std::vector<uint8_t>& RgbRow(int y);
    void Descreen(int y, std::vector<uint8_t>& rgb);

    RenderSpec m_spec;
    Resampler m_resampler;
    std::array<uint8_t, 256> m_curve;
    std::deque<std::pair<int, std::vector<uint8_t>>> m_cache;
};

}  // namespace sim
