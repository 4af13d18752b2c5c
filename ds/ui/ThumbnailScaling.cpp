#include "ui/ThumbnailScaling.h"

#include <cstddef>

#include "ui/ThumbnailGeometry.h"

std::vector<int> BandBoundaries(int count, int bands)
{
    std::vector<int> bounds;
    if (bands <= 0 || count < bands)
        return bounds;
    const int size = count / bands;
    const int larger = count % bands;
    bounds.reserve(static_cast<std::size_t>(bands) + 1);
    int at = 0;
    bounds.push_back(at);
    for (int i = 0; i < bands; ++i) {
        at += size + (i < larger ? 1 : 0);
        bounds.push_back(at);
    }
    return bounds;
}

namespace {

// Adds one source row's pixels to the per-column sums (three per column).
void AccumulateRow(const uint8_t* row, int bitsPerPixel, const std::vector<int>& columns,
                   std::vector<uint64_t>& sums)
{
    const std::size_t thumbWidth = columns.size() - 1;
    for (std::size_t c = 0; c < thumbWidth; ++c) {
        uint64_t* sum = &sums[c * 3];
        for (int x = columns[c]; x < columns[c + 1]; ++x) {
            switch (bitsPerPixel) {
            case 24:
                sum[0] += row[3 * x];
                sum[1] += row[3 * x + 1];
                sum[2] += row[3 * x + 2];
                break;
            case 8:
                sum[0] += row[x];
                break;
            default:
                sum[0] += (row[x >> 3] >> (7 - (x & 7))) & 1u;
                break;
            }
        }
    }
}

// Writes the means of one band into a thumbnail row.
void WriteMeans(const std::vector<uint64_t>& sums, const std::vector<int>& columns, int bandRows,
                int bitsPerPixel, uint8_t* out)
{
    const std::size_t thumbWidth = columns.size() - 1;
    for (std::size_t c = 0; c < thumbWidth; ++c) {
        const uint64_t pixels = uint64_t(columns[c + 1] - columns[c]) * uint64_t(bandRows);
        const uint64_t* sum = &sums[c * 3];
        uint8_t* px = out + 3 * c;
        if (bitsPerPixel == 24) {
            px[0] = static_cast<uint8_t>(sum[2] / pixels); // blue
            px[1] = static_cast<uint8_t>(sum[1] / pixels); // green
            px[2] = static_cast<uint8_t>(sum[0] / pixels); // red
        } else {
            const uint64_t level = bitsPerPixel == 8 ? sum[0] / pixels : sum[0] * 255 / pixels;
            px[0] = px[1] = px[2] = static_cast<uint8_t>(level);
        }
    }
}

} // namespace

bool BoxFilterRows(const uint8_t* source, int sourceWidth, int sourceRows, int bitsPerPixel,
                   uint8_t* thumb, int thumbWidth, int thumbRows)
{
    if (!source || !thumb || (bitsPerPixel != 1 && bitsPerPixel != 8 && bitsPerPixel != 24))
        return false;
    const std::vector<int> columns = BandBoundaries(sourceWidth, thumbWidth);
    const std::vector<int> bands = BandBoundaries(sourceRows, thumbRows);
    if (columns.empty() || bands.empty())
        return false;

    const std::size_t sourceStride = SourceRowBytes(bitsPerPixel, sourceWidth);
    const std::size_t thumbStride = ThumbnailRowBytes(thumbWidth);
    std::vector<uint64_t> sums(static_cast<std::size_t>(thumbWidth) * 3);
    for (int band = 0; band < thumbRows; ++band) {
        sums.assign(sums.size(), 0);
        for (int y = bands[band]; y < bands[band + 1]; ++y)
            AccumulateRow(source + static_cast<std::size_t>(y) * sourceStride, bitsPerPixel, columns, sums);
        WriteMeans(sums, columns, bands[band + 1] - bands[band], bitsPerPixel,
                   thumb + static_cast<std::size_t>(band) * thumbStride);
    }
    return true;
}
