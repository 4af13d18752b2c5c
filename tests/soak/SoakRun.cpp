#include "SoakRun.h"

SoakResult RunSoak(ModuleWorkload& workload, int cycles, int warmup)
{
    SoakResult result;
    ResourceFigures::Take();   // the meters' own first use (user32's connection) is paid here
    for (int i = 0; i < warmup && result.fault.empty(); ++i)
        result.fault = workload.Cycle();
    result.before = ResourceFigures::Take();
    for (int i = 0; i < cycles && result.fault.empty(); ++i) {
        std::string fault = workload.Cycle();
        if (!fault.empty())
            result.fault = "cycle " + std::to_string(i + 1) + ": " + fault;
        else
            result.cycles = i + 1;
    }
    result.after = ResourceFigures::Take();
    return result;
}

namespace {

// Freed TLS slots count down when taken: a loss is a negative difference.
void Check(std::string& out, const char* what, long long change, long long bound)
{
    if (change > bound)
        out += std::string(what) + " grew by " + std::to_string(change) + " (bound " + std::to_string(bound) + ")\n";
}

}  // namespace

std::string Excess(const SoakResult& result, const SoakBounds& bounds)
{
    return Excess(result.before, result.after, bounds);
}

std::string Excess(const ResourceFigures& before, const ResourceFigures& after, const SoakBounds& bounds)
{
    const ResourceFigures d = Difference(before, after);
    std::string out;
    Check(out, "TLS slots taken", -d.freeTlsSlots, bounds.tlsSlots);
    Check(out, "handles", d.handles, bounds.handles);
    Check(out, "GDI objects", d.gdiObjects, bounds.gdiObjects);
    Check(out, "USER objects", d.userObjects, bounds.userObjects);
    Check(out, "heap bytes", d.heapBytes, bounds.heapBytes);
    Check(out, "private bytes", d.privateBytes, bounds.privateBytes);
    return out;
}
