// Many pages in one session of one process: the session stays open, page
// follows page, and the process's figures are read between pages. A page
// that leaves something behind shows as a figure that climbs from reading to
// reading, though closing the session would give it all back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ResourceFigures.h"
#include "SoakRun.h"

// One page after another of a session that stays open.
class PageWorkload {
public:
    virtual ~PageWorkload() = default;
    // Takes the next page; empty when it came as expected, else what failed.
    virtual std::string Page() = 0;
};

struct PageSample {
    int page = 0;  // pages taken after the warm-up when the figures were read
    ResourceFigures figures;
};

struct PageSoakResult {
    std::string fault;               // the first failed page, empty when all went well
    int pages = 0;                   // pages taken after the warm-up
    ResourceFigures before;          // read after the warm-up pages
    std::vector<PageSample> samples; // every `every` pages and after the last
};

// The first pages pay for what a session sets up once (the page buffers at
// their size, the imaging library's caches).
constexpr int kWarmupPages = 3;

// Takes `warmup` pages, reads the figures, then takes `pages` pages, reading
// them after every `every`th page and after the last (also after a failed
// one). `onSample`, when given, sees each reading as it is taken, the first
// one (page 0) too.
PageSoakResult RunPageSoak(PageWorkload& workload, int pages, int every, int warmup = kWarmupPages,
                           const std::function<void(const PageSample&)>& onSample = {});

// How far any reading may move from the first over a whole scan: the counts
// as for a module's cycles, memory tighter (32 KB of heap, 1 MB of private
// pages), as nothing is loaded or freed between pages. A page of the soak is
// over 100 KB; a leak of 160 bytes a page shows over 200 pages.
SoakBounds PageSoakBounds();

// The figures of the first reading that moved beyond their bounds from
// `before`, after "after page N:"; empty when every reading stayed flat.
std::string Excess(const PageSoakResult& result, const SoakBounds& bounds = PageSoakBounds());
