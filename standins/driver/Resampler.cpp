#include "Resampler.h"

#include <algorithm>
#include <cmath>

namespace sim {

AxisWeights::AxisWeights(int outCount, int origin, double outDpi, int sourceLength,
                         double sourceDpi, double sourceOffset, bool nearest)
{
    m_first.resize(outCount);
    m_count.resize(outCount);
    m_start.resize(outCount);
    const double scale = sourceDpi / outDpi;          // source samples per output sample
    const double radius = std::max(1.0, scale);
    std::vector<double> w;
    for (int o = 0; o < outCount; ++o) {
        double inches = (origin + o + 0.5) / outDpi - sourceOffset;
        double s = inches * sourceDpi - 0.5;           // source sample coordinate
        m_start[o] = static_cast<int>(m_weights.size());
        if (nearest) {
            m_first[o] = static_cast<int>(std::floor(s + 0.5));
            m_count[o] = 1;
            m_weights.push_back(kOne);
            continue;
        }
        int k0 = static_cast<int>(std::ceil(s - radius));
        int k1 = static_cast<int>(std::floor(s + radius));
        w.clear();
        double sum = 0;
        for (int k = k0; k <= k1; ++k) {
            double v = std::max(0.0, 1.0 - std::fabs(k - s) / radius);
            w.push_back(v);
            sum += v;
        }
        if (sum <= 0) {  // s fell exactly between samples at radius 1
            k0 = k1 = static_cast<int>(std::floor(s + 0.5));
            w.assign(1, 1.0);
            sum = 1.0;
        }
        // Fixed-point weights summing exactly to kOne: the rounding remainder
        // goes to the largest weight.
        int32_t total = 0;
        size_t largest = 0;
        for (size_t i = 0; i < w.size(); ++i) {
            int32_t q = static_cast<int32_t>(std::lround(w[i] / sum * kOne));
            m_weights.push_back(q);
            total += q;
            if (w[i] > w[largest])
                largest = i;
        }
        m_weights[m_start[o] + largest] += kOne - total;
        m_first[o] = k0;
        m_count[o] = static_cast<int>(w.size());
    }
    (void)sourceLength;
}

namespace {

uint8_t Clamp8(int64_t fixedValue)
{
    int64_t v = (fixedValue + AxisWeights::kOne / 2) >> AxisWeights::kShift;
    return static_cast<uint8_t>(std::min<int64_t>(255, std::max<int64_t>(0, v)));
}

}  // namespace

Resampler::Resampler(const PageImage& page, const ResampleSpec& params)
    : m_page(page),
      m_spec(params),
      m_x(params.width, params.left, params.dpi, page.width, page.dpiX, params.sheetLeftInches, params.nearest),
      m_y(params.height, params.top, params.dpi, page.height, page.dpiY, 0.0, params.nearest),
      m_backingRow(static_cast<size_t>(params.width) * 3, params.backing)
{
}

const std::vector<uint8_t>& Resampler::SourceRow(int sy)
{
    if (sy < 0 || sy >= m_page.height)
        return m_backingRow;
    for (auto& entry : m_rows)
        if (entry.first == sy)
            return entry.second;
    // Keep the rows of the last few output rows only.
    const size_t keep = static_cast<size_t>(m_y.Count(0)) * 2 + 8;
    if (m_rows.size() >= keep)
        m_rows.pop_front();
    std::vector<uint8_t> row(static_cast<size_t>(m_spec.width) * 3);
    const uint8_t* src = m_page.Row(sy);
    const int backing = m_spec.backing;
    for (int x = 0; x < m_spec.width; ++x) {
        int64_t acc[3] = {0, 0, 0};
        const int32_t* w = m_x.Weights(x);
        const int first = m_x.First(x);
        for (int i = 0; i < m_x.Count(x); ++i) {
            int sx = first + i;
            if (sx < 0 || sx >= m_page.width) {
                acc[0] += int64_t(w[i]) * backing;
                acc[1] += int64_t(w[i]) * backing;
                acc[2] += int64_t(w[i]) * backing;
            } else {
                const uint8_t* p = src + sx * 3;
                acc[0] += int64_t(w[i]) * p[0];
                acc[1] += int64_t(w[i]) * p[1];
                acc[2] += int64_t(w[i]) * p[2];
            }
        }
        row[x * 3] = Clamp8(acc[0]);
        row[x * 3 + 1] = Clamp8(acc[1]);
        row[x * 3 + 2] = Clamp8(acc[2]);
    }
    m_rows.emplace_back(sy, std::move(row));
    return m_rows.back().second;
}

void Resampler::Row(int y, uint8_t* rgbOut)
{
    const int n = m_y.Count(y);
    const int first = m_y.First(y);
    const int32_t* w = m_y.Weights(y);
    const size_t bytes = static_cast<size_t>(m_spec.width) * 3;
    std::vector<int64_t> acc(bytes, 0);
    for (int i = 0; i < n; ++i) {
        const std::vector<uint8_t>& row = SourceRow(first + i);
        for (size_t b = 0; b < bytes; ++b)
            acc[b] += int64_t(w[i]) * row[b];
    }
    for (size_t b = 0; b < bytes; ++b)
        rgbOut[b] = Clamp8(acc[b]);
}

}  // namespace sim
