// Benchmark of our imaging core against Leptonica on generated pages: text
// pages at 200 and 300 dpi, skewed within +/-10 degrees, turned by every
// quarter turn, on a dark background, with coloured form lines, plus blank
// pages. Prints residual skew, orientation accuracy, crop-box error and time
// per page for both libraries side by side. Not a test: it always exits 0.
#include "PageGenerator.h"
#include "Runners.h"

#include "core/ColorDropout.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

struct Tally {
    std::vector<double> residual;  // degrees
    std::vector<double> edgeError; // pixels, worst edge of the box
    std::vector<double> iou;
    std::vector<double> seconds;
    std::vector<double> orientSeconds;
    int orientRight = 0, orientTotal = 0, orientUnsure = 0;
    int blankConfidentWrong = 0, blankTotal = 0;
};

double Median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}
double Max(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }
double Mean(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return v.empty() ? 0.0 : s / v.size();
}
int CountWithin(const std::vector<double>& v, double limit) {
    return static_cast<int>(std::count_if(v.begin(), v.end(), [=](double x) { return x <= limit; }));
}

double Iou(const vz::Box& a, const vz::Box& b) {
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    double inter = (x1 > x0 && y1 > y0) ? double(x1 - x0) * (y1 - y0) : 0.0;
    return inter / (double(a.w) * a.h + double(b.w) * b.h - inter);
}
double EdgeError(const vz::Box& a, const vz::Box& b) {
    return std::max(std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)),
                    std::max(std::abs(a.x + a.w - b.x - b.w), std::abs(a.y + a.h - b.y - b.h)));
}

void Record(Tally& t, const bench::PageOutcome& r, const bench::GeneratedPage& page, const bench::PageSpec& params) {
    t.seconds.push_back(r.seconds);
    t.orientSeconds.push_back(r.orientSeconds);
    if (params.blank) {
        ++t.blankTotal;
        if (r.confident && r.turn != 0) ++t.blankConfidentWrong;
        return;
    }
    t.residual.push_back(std::fabs(r.skewFound - params.skewDegrees));
    t.edgeError.push_back(EdgeError(r.box, page.truthBox));
    t.iou.push_back(Iou(r.box, page.truthBox));
    ++t.orientTotal;
    if (r.turn == page.uprightTurn) ++t.orientRight;
    if (!r.confident) ++t.orientUnsure;
}

void Print(const char* title, const Tally& ours, const Tally& lept) {
    std::printf("\n== %s\n", title);
    std::printf("%-40s %14s %14s\n", "", "ours", "Leptonica");
    std::printf("%-40s %14.3f %14.3f\n", "residual skew, median (deg)", Median(ours.residual), Median(lept.residual));
    std::printf("%-40s %14.3f %14.3f\n", "residual skew, worst (deg)", Max(ours.residual), Max(lept.residual));
    std::printf("%-40s %10d/%-3d %10d/%-3d\n", "orientation right", ours.orientRight, ours.orientTotal, lept.orientRight,
                lept.orientTotal);
    std::printf("%-40s %14d %14d\n", "  of which no confident answer", ours.orientUnsure, lept.orientUnsure);
    std::printf("%-40s %10d/%-3d %10d/%-3d\n", "blank pages with a confident turn", ours.blankConfidentWrong,
                ours.blankTotal, lept.blankConfidentWrong, lept.blankTotal);
    std::printf("%-40s %14.1f %14.1f\n", "crop box, worst edge error median (px)", Median(ours.edgeError), Median(lept.edgeError));
    std::printf("%-40s %14.1f %14.1f\n", "crop box, worst edge error max (px)", Max(ours.edgeError), Max(lept.edgeError));
    std::printf("%-40s %10d/%-3zu %10d/%-3zu\n", "crop boxes within 2 px", CountWithin(ours.edgeError, 2.0),
                ours.edgeError.size(), CountWithin(lept.edgeError, 2.0), lept.edgeError.size());
    std::printf("%-40s %14.4f %14.4f\n", "crop box overlap with truth, mean IoU", Mean(ours.iou), Mean(lept.iou));
    std::printf("%-40s %14.1f %14.1f\n", "time per page, median (ms)", 1000 * Median(ours.seconds), 1000 * Median(lept.seconds));
    std::printf("%-40s %14.1f %14.1f\n", "  of which orientation (ms)", 1000 * Median(ours.orientSeconds),
                1000 * Median(lept.orientSeconds));
    double ratio = Median(lept.seconds) > 0 ? Median(ours.seconds) / Median(lept.seconds) : 0.0;
    std::printf("%-40s %14.2f\n", "time ratio ours / Leptonica", ratio);
}

}  // namespace

int main(int argc, char** argv) {
    int pagesPerDpi = argc > 1 ? std::max(4, std::atoi(argv[1])) : 24;
    const int blanksPerDpi = 4;
    std::printf("imaging benchmark: %d text pages and %d blank pages per resolution\n", pagesPerDpi, blanksPerDpi);
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> skew(-10.0, 10.0);
    for (int dpi : {200, 300}) {
        Tally ours, lept;
        for (int i = 0; i < pagesPerDpi + blanksPerDpi; ++i) {
            bench::PageSpec params;
            params.dpi = dpi;
            params.blank = i >= pagesPerDpi;
            params.skewDegrees = std::round(skew(rng) * 100.0) / 100.0;
            params.quarterTurns = i % 4;
            params.seed = static_cast<uint32_t>(dpi * 1000 + i);
            bench::GeneratedPage page = bench::GeneratePage(params);
            bench::PageOutcome a = bench::RunOurs(page.image);
            bench::PageOutcome b = bench::RunLeptonica(page.image);
            Record(ours, a, page, params);
            Record(lept, b, page, params);
            if (std::getenv("BENCH_VERBOSE"))
                std::printf("  %3d dpi page %2d: skew %6.2f turn %d | ours %6.2f turn %d conf %5.1f box %d,%d %dx%d | "
                            "lept %6.2f turn %d conf %5.1f | truth box %d,%d %dx%d\n",
                            dpi, i, params.skewDegrees, page.uprightTurn, a.skewFound, a.turn, a.confidence, a.box.x,
                            a.box.y, a.box.w, a.box.h, b.skewFound, b.turn, b.confidence, page.truthBox.x,
                            page.truthBox.y, page.truthBox.w, page.truthBox.h);
        }
        std::string title = std::to_string(dpi) + " dpi";
        Print(title.c_str(), ours, lept);
    }

    // Colour dropout has no counterpart in Leptonica: timed for ours alone.
    bench::PageSpec params;
    params.dpi = 300;
    vz::Image sheet = bench::GenerateSheet(params, 850, 1100);
    auto t0 = std::chrono::steady_clock::now();
    vz::DropoutOptions drop;
    vz::DropColor(sheet, drop);
    auto t1 = std::chrono::steady_clock::now();
    std::printf("\ncolour dropout (ours only), 300-dpi page: %.1f ms\n",
                1000 * std::chrono::duration<double>(t1 - t0).count());
    return 0;
}
