// How sizes are shown to the user: inches or metric. Stored as "Units" in the
// profile section "MAIN"; when absent the user's locale decides, and that
// choice is not written back. Read once per process; writing updates the cache.
#pragma once

constexpr int kUnitsMetric = 0;
constexpr int kUnitsInches = 1;

// The stored value (-1 when absent) against the locale's measurement system
// (LOCALE_IMEASURE: 0 metric, 1 U.S.).
int ChooseUnits(int storedValue, int localeMeasure);

// The units in force (cached for the life of the process).
int GetUnits();

// Stores the units in the profile and the cache.
void SetUnits(int units);

// Forgets the cached value, so that the next GetUnits reads again.
void ForgetUnits();
