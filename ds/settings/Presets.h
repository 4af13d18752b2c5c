// The five presets (numbered 0 to 4, shown as 1 to 5): complete settings
// records kept in the profile sections "PRESET_0" to "PRESET_4", with
// built-in defaults until a preset is first saved, and the four predefined
// page sizes that presets and the preset editor use.
#pragma once

#include <string>

#include "settings/ScanSettings.h"

constexpr int kPresetCount = 5;
constexpr int kPageSizeCount = 4;

// The profile section of preset n ("PRESET_%d").
std::string PresetSection(int n);

// The built-in defaults of preset n into `record` (null: the session's
// settings). A number outside 0..4 gets the defaults of preset 0.
void PresetDefaults(int n, ScanSettings* record);
// The saved preset (a section with a non-zero "DPI"), else its defaults.
void LoadPreset(int n, ScanSettings* record);
// Saves the record to preset n; the first save also writes "Locked" = 0.
void SavePreset(int n, const ScanSettings* record);
// True when the preset's section has a non-zero "Locked".
bool IsPresetLocked(int n);

// Sets the frame to page size k (1..4; any other k applies size 1).
void ApplyPageSize(int k, ScanSettings* record);
// The first page size 1..4 whose frame equals the record's; 0 for none.
int MatchPageSize(const ScanSettings& record);
// The localised name of page size index 0..3 (sizes 1..4); empty otherwise.
std::string PageSizeName(int index);
