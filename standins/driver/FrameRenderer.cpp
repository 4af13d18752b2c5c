#include "FrameRenderer.h"

#include <algorithm>
#include <cstring>

namespace sim {

int BytesPerRow(int mode, int width)
{
    if (mode == 2)
        return width * 3;
    if (mode == 1)
        return width;
    return (width + 7) / 8;
}

FrameRenderer::FrameRenderer(const PageImage& page, const RenderSpec& params)
    : m_spec(params), m_resampler(page, params.frame), m_curve(BuildToneCurve(params.tone))
{
}

const std::vector<uint8_t>& FrameRenderer::RgbRow(int y)
{
    y = std::max(0, std::min(m_spec.frame.height - 1, y));
    for (auto& entry : m_cache)
        if (entry.first == y)
            return entry.second;
    if (m_cache.size() >= 4)
        m_cache.pop_front();
    std::vector<uint8_t> row(static_cast<size_t>(m_spec.frame.width) * 3);
    m_resampler.Row(y, row.data());
    m_cache.emplace_back(y, std::move(row));
    return m_cache.back().second;
}

void FrameRenderer::Descreen(int y, std::vector<uint8_t>& out)
{
    // Copies, because fetching a neighbour may push a cached row out.
    const std::vector<uint8_t> above = RgbRow(y - 1);
    const std::vector<uint8_t> middle = RgbRow(y);
    const std::vector<uint8_t> below = RgbRow(y + 1);
    const int w = m_spec.frame.width;
    out.resize(middle.size());
    for (int x = 0; x < w; ++x) {
        const int xl = std::max(0, x - 1) * 3, xc = x * 3, xr = std::min(w - 1, x + 1) * 3;
        for (int c = 0; c < 3; ++c) {
            auto line = [&](const std::vector<uint8_t>& r) {
                return r[xl + c] + 2 * r[xc + c] + r[xr + c];
            };
            int sum = line(above) + 2 * line(middle) + line(below);
            out[xc + c] = static_cast<uint8_t>((sum + 8) / 16);
        }
    }
}

void FrameRenderer::Row(int y, uint8_t* out)
{
    std::vector<uint8_t> rgb;
    if (m_spec.descreen)
        Descreen(y, rgb);
    else
        rgb = RgbRow(y);

    const int w = m_spec.frame.width;
    const uint8_t flip = m_spec.invert ? 0xFF : 0x00;
    if (m_spec.mode == 2) {
        for (int i = 0; i < w * 3; ++i)
            out[i] = static_cast<uint8_t>(m_curve[rgb[i]] ^ flip);
        return;
    }
    auto grey = [&](int x) {
        const uint8_t* p = &rgb[x * 3];
        return m_curve[(299 * p[0] + 587 * p[1] + 114 * p[2] + 500) / 1000];
    };
    if (m_spec.mode == 1) {
        for (int x = 0; x < w; ++x)
            out[x] = static_cast<uint8_t>(grey(x) ^ flip);
        return;
    }
    const int shift = std::max(-100, std::min(100, m_spec.thresholdShift));
    const int threshold = 128 + shift * 127 / 100;
    const int bytes = sim::BytesPerRow(0, w);
    std::memset(out, 0, bytes);
    for (int x = 0; x < w; ++x) {
        bool white = grey(x) >= threshold;
        if (m_spec.invert)
            white = !white;
        if (white)
            out[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
    }
}

}  // namespace sim
