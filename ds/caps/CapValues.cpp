#include "caps/CapValues.h"

#include "device/ResolutionList.h"

namespace {
CapValues g_capValues;
} // namespace

CapValues& TheCapValues() { return g_capValues; }

void ResetCapValuesAtOpen()
{
    CapValues& v = g_capValues;
    const CapValues defaults;
    v.transferCount = defaults.transferCount;
    v.transferMechanism = defaults.transferMechanism;
    v.indicators = defaults.indicators;
    v.pixelFlavor = defaults.pixelFlavor;
    for (bool& allowed : v.pixelTypeAllowed) allowed = true;
    EnableAllResolutions();
}
