// The soak command: loads, uses and unloads each module given on the command
// line the given number of times (default 2,000) and prints the process's
// figures before and after. Exits 1 when a figure grew beyond its bound or a
// cycle failed.
//   module_soak.exe [--cycles=N] TARVX380.ds TARVX380.dll VOZozur.dll ...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "SoakRun.h"

int main(int argc, char** argv)
{
    int cycles = 2000;
    int failures = 0;
    int modules = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--cycles=", 9) == 0) {
            cycles = std::atoi(argv[i] + 9);
            continue;
        }
        ++modules;
        auto workload = MakeWorkload(argv[i]);
        DWORD start = GetTickCount();
        const SoakResult r = RunSoak(*workload, cycles);
        const ResourceFigures d = Difference(r.before, r.after);
        const std::string excess = Excess(r);
        std::printf("== %s: %d cycles in %lu s\n", argv[i], r.cycles, (GetTickCount() - start) / 1000);
        std::printf("   before: %s\n   after:  %s\n   change: %s\n", Describe(r.before).c_str(),
                    Describe(r.after).c_str(), Describe(d).c_str());
        if (!r.fault.empty())
            std::printf("   FAILED: %s\n", r.fault.c_str());
        if (!excess.empty())
            std::printf("   LEAKS:\n%s", excess.c_str());
        if (!r.fault.empty() || !excess.empty())
            ++failures;
        else
            std::printf("   flat\n");
        std::fflush(stdout);
    }
    if (!modules)
        std::fprintf(stderr, "usage: module_soak [--cycles=N] module...\n");
    return failures || !modules ? 1 : 0;
}
