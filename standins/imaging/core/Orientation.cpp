// Orientation detection (see Orientation.h).
#include "Orientation.h"

#include "InkMap.h"
#include "PageBox.h"
#include "Skew.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vz {
namespace {

// The map's resolution, dots per inch: an x-height of 10-point print spans
// about ten cells, enough to tell the core from the zones beside it.
constexpr int kOrientationMapDpi = 150;
// Fewer ink cells than this: no text to judge.
constexpr size_t kMinInkCells = 300;
// Residual skew, degrees, above which the map is straightened first: beyond
// it a line of print drifts by more than a stroke width across a column.
constexpr double kMaxTolerableSkew = 0.25;
// The skew search may stop at this step, degrees: well inside the tolerable
// skew, and half the trials of a search for a deskew.
constexpr double kOrientationSkewStep = 0.1;
// A row belongs to a text line when its ink count exceeds this fraction of
// the fullest row of the page.
constexpr double kLineRowFraction = 0.04;
// Rows of a line's x-height core hold at least this fraction of the line's
// fullest row; ascender and descender rows hold less.
constexpr double kCoreRowFraction = 0.4;
// Lines shorter than this many rows are specks or rules, not print.
constexpr int kMinLineRows = 4;

// Rules and box sides of a form are at least this long, inches; no word of
// print makes a solid run of ink this long on the map.
constexpr double kMinRuleInches = 1.0;

// Clears horizontal and vertical runs of at least `minRun` cells: the rules
// of forms, which would otherwise pass for text lines or swamp a line's core.
void RemoveRules(InkMap& m, int minRun) {
    std::vector<uint8_t> rule(m.cells.size(), 0);
    for (int y = 0; y < m.h; ++y) {
        const uint8_t* row = m.cells.data() + static_cast<size_t>(y) * m.w;
        for (int x = 0; x < m.w;) {
            if (!row[x]) { ++x; continue; }
            int start = x;
            while (x < m.w && row[x]) ++x;
            if (x - start >= minRun)
                std::fill(rule.begin() + static_cast<size_t>(y) * m.w + start, rule.begin() + static_cast<size_t>(y) * m.w + x, 1);
        }
    }
    for (int x = 0; x < m.w; ++x) {
        for (int y = 0; y < m.h;) {
            if (!m.at(x, y)) { ++y; continue; }
            int start = y;
            while (y < m.h && m.at(x, y)) ++y;
            if (y - start >= minRun)
                for (int k = start; k < y; ++k) rule[static_cast<size_t>(k) * m.w + x] = 1;
        }
    }
    size_t removed = 0;
    for (size_t i = 0; i < rule.size(); ++i)
        if (rule[i] && m.cells[i]) { m.cells[i] = 0; ++removed; }
    m.count -= removed;
}

// Nearest-neighbour rotation of a map about its centre, clockwise.
InkMap RotateMap(const InkMap& map, double degrees) {
    InkMap out = map;
    std::fill(out.cells.begin(), out.cells.end(), 0);
    const double r = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(r), s = std::sin(r);
    const double cx = (map.w - 1) * 0.5, cy = (map.h - 1) * 0.5;
    size_t count = 0;
    for (int y = 0; y < map.h; ++y) {
        double dy = y - cy;
        for (int x = 0; x < map.w; ++x) {
            double dx = x - cx;
            int sx = static_cast<int>(std::lround(dx * c + dy * s + cx));
            int sy = static_cast<int>(std::lround(-dx * s + dy * c + cy));
            if (sx < 0 || sy < 0 || sx >= map.w || sy >= map.h || !map.at(sx, sy)) continue;
            out.cells[static_cast<size_t>(y) * map.w + x] = 1;
            ++count;
        }
    }
    out.count = count;
    return out;
}

std::vector<int> RowProfile(const InkMap& m) {
    std::vector<int> h(m.h, 0);
    for (int y = 0; y < m.h; ++y) {
        const uint8_t* row = m.cells.data() + static_cast<size_t>(y) * m.w;
        int n = 0;
        for (int x = 0; x < m.w; ++x) n += row[x];
        h[y] = n;
    }
    return h;
}

std::vector<int> ColumnProfile(const InkMap& m) {
    std::vector<int> v(m.w, 0);
    for (int y = 0; y < m.h; ++y) {
        const uint8_t* row = m.cells.data() + static_cast<size_t>(y) * m.w;
        for (int x = 0; x < m.w; ++x) v[x] += row[x];
    }
    return v;
}

double Unevenness(const std::vector<int>& profile) {
    double sum = 0.0;
    for (size_t i = 1; i < profile.size(); ++i) {
        double d = static_cast<double>(profile[i]) - profile[i - 1];
        sum += d * d;
    }
    return sum;
}

// Runs of columns with ink anywhere in rows [y0, y1].
int StrokesInZone(const InkMap& m, int y0, int y1) {
    if (y1 < y0) return 0;
    std::vector<uint8_t> any(m.w, 0);
    for (int y = y0; y <= y1; ++y) {
        const uint8_t* row = m.cells.data() + static_cast<size_t>(y) * m.w;
        for (int x = 0; x < m.w; ++x) any[x] |= row[x];
    }
    int runs = 0;
    for (int x = 0; x < m.w; ++x)
        if (any[x] && (x == 0 || !any[x - 1])) ++runs;
    return runs;
}

// Signed up-down confidence of a map whose lines run horizontally: positive
// when the ascender side is up.
double UpDownConfidence(const InkMap& m) {
    std::vector<int> h = RowProfile(m);
    int maxRow = *std::max_element(h.begin(), h.end());
    if (maxRow <= 0) return 0.0;
    const int lineLevel = static_cast<int>(maxRow * kLineRowFraction);
    long up = 0, down = 0;
    for (int y = 0; y < m.h;) {
        if (h[y] <= lineLevel) { ++y; continue; }
        int a = y;
        while (y < m.h && h[y] > lineLevel) ++y;
        int b = y - 1;
        if (b - a + 1 < kMinLineRows) continue;
        int bandMax = *std::max_element(h.begin() + a, h.begin() + b + 1);
        int coreLevel = static_cast<int>(bandMax * kCoreRowFraction);
        int c0 = a, c1 = b;
        while (c0 < b && h[c0] < coreLevel) ++c0;
        while (c1 > c0 && h[c1] < coreLevel) --c1;
        // Leave a fifth of the core's height between it and each zone, so
        // that the rounded tops and bottoms of letters are not counted.
        int gap = std::max(1, (c1 - c0 + 1) / 5);
        up += StrokesInZone(m, a, c0 - gap);
        down += StrokesInZone(m, c1 + gap, b);
    }
    if (up + down == 0) return 0.0;
    return 2.0 * (static_cast<double>(up) - down) / std::sqrt(static_cast<double>(up + down));
}

}  // namespace

OrientationResult DetectOrientation(const Image& image, int backgroundLevel) {
    OrientationResult result;
    if (image.empty()) return result;
    Background background = FindBackground(image, backgroundLevel);
    uint8_t paper = PaperLevel(image, background);
    InkMap map = BuildInkMap(image, background, ReductionFor(image.yres, kOrientationMapDpi), paper,
                             Outline::Clear);
    if (map.count < kMinInkCells) return result;

    // Take out any skew, measured along whichever direction the lines run.
    SkewResult along = FindSkew(map, kOrientationSkewStep);
    SkewResult across = FindSkew(TurnInkMap(map, 1), kOrientationSkewStep);
    const SkewResult& skew = across.found && across.confidence > along.confidence ? across : along;
    if (skew.found && std::fabs(skew.degrees) > kMaxTolerableSkew) map = RotateMap(map, -skew.degrees);
    RemoveRules(map, std::max(8, static_cast<int>(image.yres * kMinRuleInches) / map.reduction));
    if (map.count < kMinInkCells) return result;

    double rows = Unevenness(RowProfile(map));
    double cols = Unevenness(ColumnProfile(map));
    bool horizontal = rows >= cols;
    double ratio = horizontal ? rows / std::max(cols, 1.0) : cols / std::max(rows, 1.0);
    double upDown = UpDownConfidence(horizontal ? map : TurnInkMap(map, 1));
    int base = horizontal ? 0 : 1;
    result.bestGuess = upDown >= 0 ? base : base + 2;
    if (ratio < kMinLineDirectionRatio) return result;
    result.confidence = static_cast<float>(std::fabs(upDown));
    if (result.confidence >= kMinOrientationConfidence) result.turns = result.bestGuess;
    return result;
}

}  // namespace vz
