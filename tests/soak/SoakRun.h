// Runs a module's workload many times in this process and compares the
// process's resource figures before and after.
#pragma once

#include <string>

#include "ModuleWorkload.h"
#include "ResourceFigures.h"

// How far a figure may move over a whole soak. One-time costs (system DLLs
// the module pulls into the process, caches of the loader and of Wine) are
// paid in the warm-up cycles before the first reading.
struct SoakBounds {
    long tlsSlots = 0;
    long handles = 4;
    long gdiObjects = 4;
    long userObjects = 2;
    long long heapBytes = 64 * 1024;
    long long privateBytes = 2 * 1024 * 1024;
};

struct SoakResult {
    std::string fault;  // the first failed cycle, empty when all went well
    int cycles = 0;     // cycles run after the warm-up
    ResourceFigures before;
    ResourceFigures after;
};

constexpr int kWarmupCycles = 5;

SoakResult RunSoak(ModuleWorkload& workload, int cycles, int warmup = kWarmupCycles);

// One line per figure that moved beyond its bound from `before` to `after`;
// empty when all stayed flat.
std::string Excess(const ResourceFigures& before, const ResourceFigures& after,
                   const SoakBounds& bounds = SoakBounds());
// The same over a whole soak.
std::string Excess(const SoakResult& result, const SoakBounds& bounds = SoakBounds());
