// How many rows a transfer moves at a time: half an inch of the page, never
// more than the page's rows known so far and never more than one 128 KiB
// chunk, but at least 2.
#pragma once

#include <algorithm>
#include <cstdint>

constexpr uint32_t kChunkBytes = 131072;

inline uint32_t ChunkRows(uint32_t resolution, uint32_t lengthSoFar, uint32_t rowBytes)
{
    const uint32_t byBytes = rowBytes ? kChunkBytes / rowBytes : 0;
    const uint32_t rows = std::min({resolution / 2, lengthSoFar, byBytes});
    return std::max<uint32_t>(2, rows);
}
