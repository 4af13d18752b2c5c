#include "caps/CapValues.h"

namespace {
CapValues g_capValues;
} // namespace

CapValues& TheCapValues() { return g_capValues; }

void AllowAllPixelTypes()
{
    for (bool& allowed : g_capValues.pixelTypeAllowed) allowed = true;
}

void EnableAllResolutions()
{
    for (bool& enabled : g_capValues.resolutionEnabled) enabled = true;
}

void ResetCapValuesAtOpen()
{
    CapValues& v = g_capValues;
    const CapValues defaults;
    v.transferCount = defaults.transferCount;
    v.transferMechanism = defaults.transferMechanism;
    v.indicators = defaults.indicators;
    v.pixelFlavor = defaults.pixelFlavor;
    AllowAllPixelTypes();
    EnableAllResolutions();
}
