// The simulator's own exports, for tests that run in the same process as the
// data source. They set the same keys as the scenario file (README.md) and
// answer 0 on success.
#pragma once

#include "common/driver/SIInterface.h"

extern "C" {
// Back to the defaults: no scenario, the bundled sample pages, no faults.
int SI_CALL SIM_Reset(void);
// Replaces the configuration with a scenario file (page paths relative to
// it). On failure nothing changes; SIM_GetMessage says why.
int SI_CALL SIM_LoadScenario(const char* path);
// Writes the configuration in force as a scenario file.
int SI_CALL SIM_SaveScenario(const char* path);
// Sets one key, e.g. ("Faults", "NoDataReads", "5"); takes effect at once.
int SI_CALL SIM_SetValue(const char* section, const char* key, const char* value);
// Reads one key's value as the scenario file would hold it.
int SI_CALL SIM_GetValue(const char* section, const char* key, char* value, int size);
// Reads a device state by name (README.md lists them).
int SI_CALL SIM_GetStatus(const char* name, int* value);
// The message of the last failed SIM_ call.
int SI_CALL SIM_GetMessage(char* text, int size);
}
