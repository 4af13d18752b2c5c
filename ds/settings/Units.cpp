#include "settings/Units.h"

#include <windows.h>

#include "session/DataSourceApp.h"

namespace {
const char kSection[] = "MAIN";
const char kKey[] = "Units";
int g_units = -1; // -1: not read yet
} // namespace

int ChooseUnits(int storedValue, int localeMeasure)
{
    // Anything but the two stored choices (a hand-edited or damaged profile)
    // counts as not set.
    if (storedValue == kUnitsMetric || storedValue == kUnitsInches) return storedValue;
    return localeMeasure == 1 ? kUnitsInches : kUnitsMetric;
}

int GetUnits()
{
    if (g_units == -1) {
        DWORD measure = 0;
        if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE | LOCALE_RETURN_NUMBER,
                            reinterpret_cast<LPSTR>(&measure), sizeof measure / sizeof(char)))
            measure = 0;
        g_units = ChooseUnits(TheApp().GetProfileInt(kSection, kKey, -1), static_cast<int>(measure));
    }
    return g_units;
}

void SetUnits(int units)
{
    TheApp().WriteProfileInt(kSection, kKey, units);
    g_units = units;
}

void ForgetUnits() { g_units = -1; }
