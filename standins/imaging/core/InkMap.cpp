// Reduced ink maps (see InkMap.h).
#include "InkMap.h"

#include <algorithm>
#include <cstring>

namespace vz {

int ReductionFor(int dpi, int targetDpi) {
    int r = (dpi + targetDpi / 2) / targetDpi;
    return r < 1 ? 1 : r;
}

namespace {

// Sets the cells of the ink among pixels [a, b) of row `src` at its depth;
// `flags` is scratch of the row's width, `cellOf` maps a column to its cell.
void MarkInk(const Image& img, const uint8_t* src, int a, int b, int inkLevel, const int32_t* cellOf,
             uint8_t* flags, uint8_t* cells) {
    if (img.bpp == 1) {
        if (inkLevel <= 0) return;  // black is not darker than the ink level
        for (int i = a >> 3; i <= (b - 1) >> 3; ++i) {
            unsigned ink = static_cast<uint8_t>(~src[i]);
            const int x0 = i << 3;
            if (x0 < a) ink &= 0xFFu >> (a - x0);
            if (x0 + 8 > b) ink &= 0xFFu << (x0 + 8 - b);
            if (!ink) continue;  // paper: most bytes of a page
            for (int k = 0; k < 8; ++k)
                if (ink & (0x80u >> k)) cells[cellOf[x0 + k]] = 1;
        }
        return;
    }
    if (img.bpp == 8) {
        for (int x = a; x < b; ++x) flags[x] = src[x] < inkLevel;
    } else {
        // Luma(r, g, b) < level, without the division.
        const uint32_t limit = static_cast<uint32_t>(inkLevel) << 8;
        for (int x = a; x < b; ++x) {
            const uint8_t* p = src + 3 * x;
            flags[x] = 77u * p[0] + 150u * p[1] + 29u * p[2] + 128u < limit;
        }
    }
    for (int x = a; x < b; ++x) cells[cellOf[x]] |= flags[x];
}

}  // namespace

InkMap BuildInkMap(const Image& image, const Background& background, int reduction,
                   uint8_t paper, Outline outline) {
    InkMap map;
    map.reduction = reduction;
    map.w = (image.width + reduction - 1) / reduction;
    map.h = (image.height + reduction - 1) / reduction;
    map.cells.assign(static_cast<size_t>(map.w) * map.h, 0);
    const int inkLevel = static_cast<int>(paper * kInkFraction);
    std::vector<int32_t> cellOf(static_cast<size_t>(image.width));
    for (int x = 0; x < image.width; ++x) cellOf[x] = x / reduction;
    std::vector<uint8_t> flags(static_cast<size_t>(image.width));
    // Background cells (all pixels background) are needed for the outline.
    std::vector<uint8_t> bgCells;
    if (outline != Outline::Keep && background.known()) bgCells.assign(map.cells.size(), 1);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* src = image.row(y);
        uint8_t* cellRow = map.cells.data() + static_cast<size_t>(y / reduction) * map.w;
        uint8_t* bgRow = bgCells.empty() ? nullptr : bgCells.data() + static_cast<size_t>(y / reduction) * map.w;
        background.ForDocument(y, image.width, [&](int a, int b) {
            MarkInk(image, src, a, b, inkLevel, cellOf.data(), flags.data(), cellRow);
            if (bgRow) std::memset(bgRow + cellOf[a], 0, static_cast<size_t>(cellOf[b - 1] - cellOf[a] + 1));
        });
    }
    if (!bgCells.empty()) {
        for (int y = 0; y < map.h; ++y)
            for (int x = 0; x < map.w; ++x) {
                size_t i = static_cast<size_t>(y) * map.w + x;
                if (bgCells[i]) { map.cells[i] = 0; continue; }
                bool touches = (x > 0 && bgCells[i - 1]) || (x + 1 < map.w && bgCells[i + 1]) ||
                               (y > 0 && bgCells[i - map.w]) || (y + 1 < map.h && bgCells[i + map.w]);
                if (touches) map.cells[i] = outline == Outline::Add ? 1 : 0;
            }
    }
    map.count = static_cast<size_t>(std::count(map.cells.begin(), map.cells.end(), 1));
    return map;
}

InkMap ReduceInkMap(const InkMap& map) {
    InkMap out;
    out.reduction = map.reduction * 2;
    out.w = (map.w + 1) / 2;
    out.h = (map.h + 1) / 2;
    out.cells.assign(static_cast<size_t>(out.w) * out.h, 0);
    for (int y = 0; y < map.h; ++y) {
        const uint8_t* s = map.cells.data() + static_cast<size_t>(y) * map.w;
        uint8_t* d = out.cells.data() + static_cast<size_t>(y / 2) * out.w;
        for (int x = 0; x < map.w; ++x) d[x >> 1] |= s[x];
    }
    out.count = static_cast<size_t>(std::count(out.cells.begin(), out.cells.end(), 1));
    return out;
}

InkMap TurnInkMap(const InkMap& map, int turns) {
    turns = ((turns % 4) + 4) % 4;
    if (turns == 0) return map;
    InkMap out;
    out.reduction = map.reduction;
    out.count = map.count;
    bool swap = turns != 2;
    out.w = swap ? map.h : map.w;
    out.h = swap ? map.w : map.h;
    out.cells.assign(map.cells.size(), 0);
    for (int y = 0; y < map.h; ++y)
        for (int x = 0; x < map.w; ++x) {
            int dx, dy;
            if (turns == 1) { dx = map.h - 1 - y; dy = x; }
            else if (turns == 2) { dx = map.w - 1 - x; dy = map.h - 1 - y; }
            else { dx = y; dy = map.w - 1 - x; }
            out.cells[static_cast<size_t>(dy) * out.w + dx] = map.at(x, y);
        }
    return out;
}

}  // namespace vz
