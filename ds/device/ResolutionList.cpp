#include "device/ResolutionList.h"

#include <cstdlib>

namespace {

struct ResolutionTable {
    int16_t entries[kMaxResolutions + 1]; // 0 ends the list
    ResolutionTable() { Reset(); }
    void Reset()
    {
        for (auto& e : entries) e = 0;
        entries[0] = kBuiltInResolution;
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
            g_resolutions.entries[n++] = static_cast<int16_t>(values[i]);
    }
    if (n == 0) {
        g_resolutions.Reset();
        return;
    }
    for (int i = n; i <= kMaxResolutions; ++i) g_resolutions.entries[i] = 0;
}

bool IsBuiltInResolutionList()
{
    return g_resolutions.entries[0] == kBuiltInResolution && g_resolutions.entries[1] == 0;
}

int ResolutionCount()
{
    int n = 0;
    while (n < kMaxResolutions && g_resolutions.entries[n] != 0) ++n;
    return n;
}

int16_t ResolutionAt(int i)
{
    if (i < 0 || i >= ResolutionCount()) return 0;
    return g_resolutions.entries[i];
}

int16_t SnapResolution(int32_t requested, const bool* enabled)
{
    int best = -1;
    long long bestDiff = 0;
    for (int i = 0; i < kMaxResolutions && g_resolutions.entries[i] != 0; ++i) {
        if (enabled && !enabled[i]) continue;
        const long long diff = std::llabs(static_cast<long long>(g_resolutions.entries[i]) - requested);
        if (best < 0 || diff < bestDiff) {
            best = i;
            bestDiff = diff;
            if (diff == 0) break;
        }
    }
    return g_resolutions.entries[best >= 0 ? best : 0];
}
