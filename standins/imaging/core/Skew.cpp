// Projection-profile skew search (see Skew.h).
#include "Skew.h"

#include <cmath>
#include <vector>

namespace vz {
namespace {

// Fewer ink cells than this on the 150-dpi map leave the angle unknown: a few
// short words or a lone mark give no dependable line structure.
constexpr size_t kMinInkCells = 400;
// The sweep's best score must beat the sweep's mean by this fraction, or the
// page has no line structure (a photograph, noise).
constexpr double kMinSweepContrast = 0.05;
// Sweep step on the coarse map, degrees: text lines of about a fifth of an
// inch stay apart on a 75-dpi map while the shear error is below half a step.
constexpr double kSweepStep = 0.5;

const double kDegree = 3.14159265358979323846 / 180.0;

// Ink cells row by row, so that a trial needs no scan of empty cells.
struct CellList {
    int w = 0, h = 0;
    std::vector<int32_t> xs;
    std::vector<size_t> rowStart;  // h + 1 entries
};

CellList ListCells(const InkMap& map) {
    CellList list;
    list.w = map.w;
    list.h = map.h;
    list.xs.reserve(map.count);
    list.rowStart.reserve(static_cast<size_t>(map.h) + 1);
    for (int y = 0; y < map.h; ++y) {
        list.rowStart.push_back(list.xs.size());
        const uint8_t* row = map.cells.data() + static_cast<size_t>(y) * map.w;
        for (int x = 0; x < map.w; ++x)
            if (row[x]) list.xs.push_back(x);
    }
    list.rowStart.push_back(list.xs.size());
    return list;
}

// Sum of squared differences of the sheared row profile at `degrees`.
class Profiler {
public:
    explicit Profiler(const CellList& cells) : cells_(cells) {
        pad_ = static_cast<int>(std::ceil(std::tan((kMaxSkewDegrees + 1) * kDegree) * cells.w * 0.5)) + 2;
        hist_.resize(static_cast<size_t>(cells.h) + 2 * pad_);
        shift_.resize(cells.w);
    }

    double Score(double degrees) {
        const double limit = kMaxSkewDegrees + 0.9;  // within the padding
        if (degrees > limit) degrees = limit;
        if (degrees < -limit) degrees = -limit;
        const double t = std::tan(degrees * kDegree);
        const double cx = (cells_.w - 1) * 0.5;
        for (int x = 0; x < cells_.w; ++x)
            shift_[x] = pad_ - static_cast<int>(std::lround((x - cx) * t));
        std::fill(hist_.begin(), hist_.end(), 0);
        for (int y = 0; y < cells_.h; ++y) {
            size_t end = cells_.rowStart[y + 1];
            for (size_t i = cells_.rowStart[y]; i < end; ++i) ++hist_[y + shift_[cells_.xs[i]]];
        }
        double sum = 0.0;
        for (size_t i = 1; i < hist_.size(); ++i) {
            double d = static_cast<double>(hist_[i]) - hist_[i - 1];
            sum += d * d;
        }
        return sum;
    }

private:
    const CellList& cells_;
    int pad_ = 0;
    std::vector<int32_t> hist_;
    std::vector<int> shift_;
};

}  // namespace

SkewResult FindSkew(const InkMap& fine, double finestStep) {
    SkewResult result;
    if (fine.count < kMinInkCells || fine.w < 8 || fine.h < 8) return result;

    // Sweep on the coarse map.
    InkMap coarse = ReduceInkMap(fine);
    CellList coarseCells = ListCells(coarse);
    Profiler sweep(coarseCells);
    double best = 0.0, bestScore = -1.0, total = 0.0;
    int trials = 0;
    for (double a = -kMaxSkewDegrees; a <= kMaxSkewDegrees + 1e-9; a += kSweepStep, ++trials) {
        double s = sweep.Score(a);
        total += s;
        if (s > bestScore) { bestScore = s; best = a; }
    }
    double mean = total / trials;
    if (mean <= 0.0) return result;
    result.confidence = bestScore / mean - 1.0;
    if (result.confidence < kMinSweepContrast) return result;

    // Halving search on the fine map.
    CellList fineCells = ListCells(fine);
    Profiler search(fineCells);
    double centre = best, centreScore = search.Score(centre);
    double step = kSweepStep * 0.5;
    double left = 0, right = 0;
    while (true) {
        left = search.Score(centre - step);
        right = search.Score(centre + step);
        if (left > centreScore && left >= right) { centre -= step; centreScore = left; continue; }
        if (right > centreScore) { centre += step; centreScore = right; continue; }
        if (step <= finestStep) break;
        step *= 0.5;
    }
    // Parabola through (centre - step, centre, centre + step).
    double denom = left - 2 * centreScore + right;
    double offset = denom < 0 ? 0.5 * (left - right) / denom * step : 0.0;
    if (offset > step) offset = step;
    if (offset < -step) offset = -step;
    result.degrees = centre + offset;
    result.found = true;
    return result;
}

}  // namespace vz
