// Reduced ink maps (see InkMap.h).
#include "InkMap.h"

#include <algorithm>

namespace vz {

int ReductionFor(int dpi, int targetDpi) {
    int r = (dpi + targetDpi / 2) / targetDpi;
    return r < 1 ? 1 : r;
}

InkMap BuildInkMap(const Image& grey, const std::vector<uint8_t>& background, int reduction,
                   uint8_t paper, Outline outline) {
    InkMap map;
    map.reduction = reduction;
    map.w = (grey.width + reduction - 1) / reduction;
    map.h = (grey.height + reduction - 1) / reduction;
    map.cells.assign(static_cast<size_t>(map.w) * map.h, 0);
    const int inkLevel = static_cast<int>(paper * kInkFraction);
    const bool haveBackground = !background.empty();
    // Background cells (all pixels background) are needed for the outline.
    std::vector<uint8_t> bgCells;
    if (outline != Outline::Keep && haveBackground) bgCells.assign(map.cells.size(), 1);
    for (int y = 0; y < grey.height; ++y) {
        const uint8_t* g = grey.row(y);
        const uint8_t* m = haveBackground ? background.data() + static_cast<size_t>(y) * grey.width : nullptr;
        uint8_t* cellRow = map.cells.data() + static_cast<size_t>(y / reduction) * map.w;
        uint8_t* bgRow = bgCells.empty() ? nullptr : bgCells.data() + static_cast<size_t>(y / reduction) * map.w;
        for (int x = 0; x < grey.width; ++x) {
            bool isBackground = m && m[x];
            if (!isBackground && g[x] < inkLevel) cellRow[x / reduction] = 1;
            if (bgRow && !isBackground) bgRow[x / reduction] = 0;
        }
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
