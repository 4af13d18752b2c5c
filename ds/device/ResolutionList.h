// The module-wide list of resolutions the scanner supports: up to 12 positive
// values in the device's order, each with an enabled flag that capability
// negotiation may clear. Until the device has been asked it holds 300 alone.
#pragma once

#include <cstdint>

constexpr int kMaxResolutions = 12;
constexpr int16_t kBuiltInResolution = 300;

struct ResolutionEntry {
    int16_t dpi;   // 0 ends the list
    bool enabled;
};

// Replaces the list with the device's values (non-positive values and those
// beyond the twelfth are ignored); an empty result restores the built-in list.
void SetResolutionList(const int32_t* values, int count);

// Restores the built-in single entry 300.
void ResetResolutionList();

// True while the list is the built-in single entry.
bool IsBuiltInResolutionList();

// Number of entries, and entry i (0-based); out-of-range i gives {0, false}.
int ResolutionCount();
ResolutionEntry ResolutionAt(int i);

// Enables or disables entry i; EnableAllResolutions clears every constraint.
void SetResolutionEnabled(int i, bool enabled);
void EnableAllResolutions();

// The list entry closest to `requested`, the earlier entry winning ties; with
// enabledOnly, disabled entries are skipped. With no qualifying entry, the
// first entry of the list.
int16_t SnapResolution(int32_t requested, bool enabledOnly);
