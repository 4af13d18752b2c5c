// Benchmark of our imaging core against Leptonica, in one run on the same
// scans, at 1 bit, 8 bits and 24 bits:
//  - generated pages: text-like print at 200 and 300 dpi, skewed within +/-10
//    degrees, turned by every quarter turn, on a dark background, with
//    coloured form lines, plus blank pages (the set the core was tuned on);
//  - real typography: the sheets of render_pages.sh (real text in installed
//    fonts, 8 to 14 points; article, two columns, form, photograph), turned
//    by known angles and quarter turns on the dark backing, blurred and
//    noisy as a scanner gives them.
// Prints, per set, resolution and depth, residual skew, orientation, crop
// error, and per operation the median and worst time of both libraries.
// Not a test: it always exits 0.
// Usage: imaging_bench [generated text pages per resolution] [sheet folder]
#include "PageGenerator.h"
#include "Runners.h"
#include "TypesetPages.h"

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
    std::vector<double> residual;   // degrees
    std::vector<double> edgeError;  // pixels, worst edge of the box
    std::vector<double> deskew, crop, orient, binarise;  // seconds
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
int CountWithin(const std::vector<double>& v, double limit) {
    return static_cast<int>(std::count_if(v.begin(), v.end(), [=](double x) { return x <= limit; }));
}
double EdgeError(const vz::Box& a, const vz::Box& b) {
    return std::max(std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)),
                    std::max(std::abs(a.x + a.w - b.x - b.w), std::abs(a.y + a.h - b.y - b.h)));
}

struct Case {
    bench::GeneratedPage page;  // the scan at its depth, its truth
    vz::Image straight;         // the same sheet laid straight
    double skew = 0.0;
    bool blank = false;
};

void Record(Tally& t, const bench::PageOutcome& r, const Case& c) {
    t.deskew.push_back(r.seconds.deskew);
    t.crop.push_back(r.seconds.crop);
    t.orient.push_back(r.seconds.orient);
    if (r.seconds.binarise > 0) t.binarise.push_back(r.seconds.binarise);
    if (c.blank) {
        ++t.blankTotal;
        if (r.confident && r.turn != 0) ++t.blankConfidentWrong;
        return;
    }
    t.residual.push_back(std::fabs(r.skewFound - c.skew));
    t.edgeError.push_back(EdgeError(r.box, c.page.truthBox));
    ++t.orientTotal;
    if (r.turn == c.page.uprightTurn) ++t.orientRight;
    if (!r.confident) ++t.orientUnsure;
}

void PrintTime(const char* op, const std::vector<double>& ours, const std::vector<double>& lept) {
    if (ours.empty()) return;
    const double mo = Median(ours), ml = Median(lept);
    std::printf("  %-11s median %7.1f %7.1f ms  ratio %5.2f   worst %7.1f %7.1f ms\n", op, 1000 * mo, 1000 * ml,
                ml > 0 ? mo / ml : 0.0, 1000 * Max(ours), 1000 * Max(lept));
}

void Print(const std::string& title, const Tally& ours, const Tally& lept) {
    std::printf("\n== %s                              ours / Leptonica\n", title.c_str());
    std::printf("  residual skew     median %.3f / %.3f deg, worst %.3f / %.3f deg\n", Median(ours.residual),
                Median(lept.residual), Max(ours.residual), Max(lept.residual));
    std::printf("  orientation right %d/%d / %d/%d (no confident answer %d / %d)\n", ours.orientRight,
                ours.orientTotal, lept.orientRight, lept.orientTotal, ours.orientUnsure, lept.orientUnsure);
    if (ours.blankTotal)
        std::printf("  blank pages with a confident turn %d/%d / %d/%d\n", ours.blankConfidentWrong, ours.blankTotal,
                    lept.blankConfidentWrong, lept.blankTotal);
    std::printf("  crop within 2 px  %d/%zu / %d/%zu, worst edge error %.0f / %.0f px\n",
                CountWithin(ours.edgeError, 2.0), ours.edgeError.size(), CountWithin(lept.edgeError, 2.0),
                lept.edgeError.size(), Max(ours.edgeError), Max(lept.edgeError));
    std::printf("  time per page     (ours, Leptonica; ratio of the medians)\n");
    PrintTime("deskew", ours.deskew, lept.deskew);
    PrintTime("crop", ours.crop, lept.crop);
    PrintTime("orientation", ours.orient, lept.orient);
    PrintTime("binarise", ours.binarise, lept.binarise);
}

const int kDepths[3] = {1, 8, 24};
const char* DepthName(int bpp) { return bpp == 1 ? "1-bit" : bpp == 8 ? "grey" : "colour"; }

// Runs both libraries on every depth of one scan and its straight twin.
void RunDepths(const bench::GeneratedPage& colour, const bench::GeneratedPage& flat, const Case& proto,
               Tally ours[3], Tally lept[3], const std::string& label) {
    for (int d = 0; d < 3; ++d) {
        Case c = proto;
        c.page.truthBox = colour.truthBox;
        c.page.uprightTurn = colour.uprightTurn;
        c.page.image = bench::AtDepth(colour.image, kDepths[d]);
        c.straight = bench::AtDepth(flat.image, kDepths[d]);
        bench::PageOutcome a = bench::RunOurs(c.page.image, c.straight);
        bench::PageOutcome b = bench::RunLeptonica(c.page.image, c.straight);
        Record(ours[d], a, c);
        Record(lept[d], b, c);
        if (std::getenv("BENCH_VERBOSE"))
            std::printf("  %-18s %-6s skew %6.2f turn %d | ours %6.2f turn %d conf %5.1f box %d,%d %dx%d | "
                        "lept %6.2f turn %d | truth box %d,%d %dx%d\n",
                        label.c_str(), DepthName(kDepths[d]), c.skew, c.page.uprightTurn, a.skewFound, a.turn,
                        a.confidence, a.box.x, a.box.y, a.box.w, a.box.h, b.skewFound, b.turn, c.page.truthBox.x,
                        c.page.truthBox.y, c.page.truthBox.w, c.page.truthBox.h);
    }
}

void PrintDepths(const std::string& set, int dpi, Tally ours[3], Tally lept[3]) {
    for (int d = 0; d < 3; ++d)
        Print(set + ", " + std::to_string(dpi) + " dpi, " + DepthName(kDepths[d]) + " (" +
                  std::to_string(ours[d].deskew.size()) + " scans)",
              ours[d], lept[d]);
}

void GeneratedSet(int pagesPerDpi) {
    const int blanksPerDpi = 4;
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> skew(-10.0, 10.0);
    for (int dpi : {200, 300}) {
        Tally ours[3], lept[3];
        for (int i = 0; i < pagesPerDpi + blanksPerDpi; ++i) {
            bench::PageSpec params;
            params.dpi = dpi;
            params.blank = i >= pagesPerDpi;
            params.skewDegrees = std::round(skew(rng) * 100.0) / 100.0;
            params.quarterTurns = i % 4;
            params.seed = static_cast<uint32_t>(dpi * 1000 + i);
            vz::Image sheet = bench::GenerateSheet(params, 850, 1100);
            bench::GeneratedPage page = bench::PlaceOnBacking(sheet, params);
            bench::PageSpec level = params;
            level.skewDegrees = 0.0;
            bench::GeneratedPage flat = bench::PlaceOnBacking(sheet, level);
            Case proto;
            proto.skew = params.skewDegrees;
            proto.blank = params.blank;
            RunDepths(page, flat, proto, ours, lept, "page " + std::to_string(i));
        }
        PrintDepths("generated pages", dpi, ours, lept);
    }
}

void TypesetSet(const std::string& dir) {
    std::vector<bench::TypesetSheet> sheets = bench::LoadTypesetSheets(dir);
    if (sheets.empty()) {
        std::printf("\n(no real-typography sheets in %s: run render_pages.sh first)\n", dir.c_str());
        return;
    }
    std::mt19937 rng(20261209u);
    std::uniform_real_distribution<double> skew(-7.0, 7.0);
    for (int dpi : {200, 300}) {
        Tally ours[3], lept[3];
        int n = 0;
        for (const bench::TypesetSheet& sheet : sheets) {
            if (sheet.image.xres != dpi) continue;
            bench::PageSpec params;
            params.dpi = dpi;
            params.skewDegrees = std::round(skew(rng) * 100.0) / 100.0;
            params.quarterTurns = n++ % 4;
            params.seed = static_cast<uint32_t>(dpi * 1000 + n);
            bench::GeneratedPage page = bench::PlaceOnBacking(sheet.image, params);
            bench::AddBlurAndNoise(page.image, 6, params.seed);
            bench::PageSpec level = params;
            level.skewDegrees = 0.0;
            bench::GeneratedPage flat = bench::PlaceOnBacking(sheet.image, level);
            bench::AddBlurAndNoise(flat.image, 6, params.seed);
            Case proto;
            proto.skew = params.skewDegrees;
            RunDepths(page, flat, proto, ours, lept, sheet.name);
        }
        PrintDepths("real typography", dpi, ours, lept);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int pagesPerDpi = argc > 1 ? std::max(0, std::atoi(argv[1])) : 24;
    const std::string sheetDir = argc > 2 ? argv[2] : "pages";
    std::printf("imaging benchmark: ours against Leptonica, the same scans in one run\n");
    if (pagesPerDpi > 0) GeneratedSet(pagesPerDpi);
    TypesetSet(sheetDir);

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
