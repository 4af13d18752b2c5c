#include "device/ResolutionList.h"

#include <cstdlib>

namespace {

struct ResolutionTable {
    ResolutionEntry entries[kMaxResolutions + 1];
    ResolutionTable() { Reset(); }
    void Reset()
    {
        for (auto& e : entries) e = {0, false};
        entries[0] = {kBuiltInResolution, true};
    }
};

ResolutionTable g_resolutions;

} // namespace

void ResetResolutionList() { g_resolutions.Reset(); }

void SetResolutionList(const int32_t* values, int count)
{
    int n = 0;
    for (int i = 0; values && i < count && n < kMaxResolutions; ++i) {
        if (values[i] > 0 && values[i] <= INT16_MAX)
            g_resolutions.entries[n++] = {static_cast<int16_t>(values[i]), true};
    }
    if (n == 0) {
        g_resolutions.Reset();
        return;
    }
    for (int i = n; i <= kMaxResolutions; ++i) g_resolutions.entries[i] = {0, false};
}

bool IsBuiltInResolutionList()
{
    return g_resolutions.entries[0].dpi == kBuiltInResolution && g_resolutions.entries[1].dpi == 0;
}

int ResolutionCount()
{
    int n = 0;
    while (n < kMaxResolutions && g_resolutions.entries[n].dpi != 0) ++n;
    return n;
}

ResolutionEntry ResolutionAt(int i)
{
    if (i < 0 || i >= ResolutionCount()) return {0, false};
    return g_resolutions.entries[i];
}

void SetResolutionEnabled(int i, bool enabled)
{
    if (i >= 0 && i < ResolutionCount()) g_resolutions.entries[i].enabled = enabled;
}

void EnableAllResolutions()
{
    for (int i = 0; i < ResolutionCount(); ++i) g_resolutions.entries[i].enabled = true;
}

int16_t SnapResolution(int32_t requested, bool enabledOnly)
{
    const ResolutionEntry* best = nullptr;
    long bestDiff = 0;
    for (const ResolutionEntry* e = g_resolutions.entries; e->dpi != 0; ++e) {
        if (enabledOnly && !e->enabled) continue;
        const long diff = std::labs(static_cast<long>(e->dpi) - requested);
        if (!best || diff < bestDiff) {
            best = e;
            bestDiff = diff;
            if (diff == 0) break;
        }
    }
    return best ? best->dpi : g_resolutions.entries[0].dpi;
}
