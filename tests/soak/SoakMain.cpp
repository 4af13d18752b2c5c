// The soak command: loads, uses and unloads each module given on the command
// line the given number of times (default 1,000), then takes the given number
// of pages (default 200) in one continuous scan of the data source, and prints
// the process's figures: before and after the cycles of each module, and
// every --sample-every pages (default 20) of the scan. Exits 1 when a figure
// grew beyond its bound or a cycle or page failed.
//   module_soak.exe [--cycles=N] [--pages=N] [--sample-every=N] TARVX380.ds TARVX380.dll ...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ContinuousSession.h"
#include "PageSoak.h"
#include "SoakRun.h"

namespace {

bool Flat(const std::string& fault, const std::string& excess)
{
    if (!fault.empty())
        std::printf("   FAILED: %s\n", fault.c_str());
    if (!excess.empty())
        std::printf("   LEAKS:\n%s", excess.c_str());
    if (fault.empty() && excess.empty())
        std::printf("   flat\n");
    std::fflush(stdout);
    return fault.empty() && excess.empty();
}

bool SoakModule(const char* module, int cycles)
{
    auto workload = MakeWorkload(module);
    DWORD start = GetTickCount();
    const SoakResult r = RunSoak(*workload, cycles);
    const ResourceFigures d = Difference(r.before, r.after);
    std::printf("== %s: %d cycles in %lu s\n", module, r.cycles, (GetTickCount() - start) / 1000);
    std::printf("   before: %s\n   after:  %s\n   change: %s\n", Describe(r.before).c_str(),
                Describe(r.after).c_str(), Describe(d).c_str());
    return Flat(r.fault, Excess(r));
}

bool SoakPages(int pages, int every)
{
    const ResourceFigures outside = ResourceFigures::Take();
    DWORD start = GetTickCount();
    ContinuousSession session(ProgramFolder() + "TARVX380.ds");
    std::string fault = session.Start();
    std::printf("== TARVX380.ds: %d pages of one continuous scan, read every %d pages\n", pages, every);
    std::printf("   before the session: %s\n", Describe(outside).c_str());
    PageSoakResult r;
    if (fault.empty()) {
        r = RunPageSoak(session, pages, every, kWarmupPages, [](const PageSample& s) {
            std::printf("   page %4d: %s\n", s.page, Describe(s.figures).c_str());
            std::fflush(stdout);
        });
        fault = r.fault;
    }
    const std::string stopped = session.Stop();
    if (fault.empty())
        fault = stopped;
    std::printf("   after the session:  %s\n", Describe(ResourceFigures::Take()).c_str());
    std::printf("   %d pages (after %d warm-up pages) in %lu s\n", r.pages, kWarmupPages,
                (GetTickCount() - start) / 1000);
    if (!r.samples.empty()) {
        std::printf("   change to the last: %s\n",
                    Describe(Difference(r.before, r.samples.back().figures)).c_str());
    }
    return Flat(fault, Excess(r));
}

}  // namespace

int main(int argc, char** argv)
{
    int cycles = 1000;
    int pages = 200;
    int every = 20;
    int failures = 0;
    int modules = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--cycles=", 9) == 0) {
            cycles = std::atoi(argv[i] + 9);
        } else if (std::strncmp(argv[i], "--pages=", 8) == 0) {
            pages = std::atoi(argv[i] + 8);
        } else if (std::strncmp(argv[i], "--sample-every=", 15) == 0) {
            every = std::atoi(argv[i] + 15);
        } else {
            ++modules;
            if (!SoakModule(argv[i], cycles))
                ++failures;
        }
    }
    if (pages > 0 && !SoakPages(pages, every))
        ++failures;
    if (!modules && pages <= 0) {
        std::fprintf(stderr, "usage: module_soak [--cycles=N] [--pages=N] [--sample-every=N] module...\n");
        return 1;
    }
    return failures ? 1 : 0;
}
