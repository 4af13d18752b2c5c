#include "PageSoak.h"

PageSoakResult RunPageSoak(PageWorkload& workload, int pages, int every, int warmup,
                           const std::function<void(const PageSample&)>& onSample)
{
    PageSoakResult result;
    ResourceFigures::Take();   // the meters' own first use (user32's connection) is paid here
    for (int i = 0; i < warmup && result.fault.empty(); ++i) {
        std::string fault = workload.Page();
        if (!fault.empty())
            result.fault = "warm-up page " + std::to_string(i + 1) + ": " + fault;
    }
    result.before = ResourceFigures::Take();
    if (!result.fault.empty())
        return result;
    if (onSample)
        onSample({0, result.before});
    if (every < 1)
        every = 1;
    auto sample = [&] {
        result.samples.push_back({result.pages, ResourceFigures::Take()});
        if (onSample)
            onSample(result.samples.back());
    };
    for (int i = 0; i < pages; ++i) {
        std::string fault = workload.Page();
        if (!fault.empty()) {
            result.fault = "page " + std::to_string(i + 1) + ": " + fault;
            break;
        }
        result.pages = i + 1;
        if (result.pages % every == 0)
            sample();
    }
    if (result.samples.empty() || result.samples.back().page != result.pages)
        sample();
    return result;
}

SoakBounds PageSoakBounds()
{
    SoakBounds b;
    b.heapBytes = 32 * 1024;
    b.privateBytes = 1024 * 1024;
    return b;
}

std::string Excess(const PageSoakResult& result, const SoakBounds& bounds)
{
    for (const PageSample& s : result.samples) {
        std::string excess = Excess(result.before, s.figures, bounds);
        if (!excess.empty())
            return "after page " + std::to_string(s.page) + ":\n" + excess;
    }
    return {};
}
