// The module-wide list of resolutions the scanner supports: up to 12 positive
// values in the device's order. Until the device has been asked it holds 300
// alone. Which entries an application still allows is negotiated and kept
// with the other negotiated values (caps/CapValues); snapping takes it as a
// parameter.
#pragma once

#include <cstdint>

constexpr int kMaxResolutions = 12;
constexpr int16_t kBuiltInResolution = 300;


// Replaces the list with the device's values (non-positive values and those
// beyond the twelfth are ignored); an empty result restores the built-in list.
void SetResolutionList(const int32_t* values, int count);

// Restores the built-in single entry 300.
void ResetResolutionList();

// True while the list is the built-in single entry.
bool IsBuiltInResolutionList();

// Number of entries, and entry i (0-based); out-of-range i gives 0.
int ResolutionCount();
int16_t ResolutionAt(int i);

// The list entry closest to `requested`, the earlier entry winning ties. With
// `enabled` (one flag per entry, kMaxResolutions of them), entries whose flag
// is clear are skipped; null means every entry. With no qualifying entry, the
// first entry of the list.
int16_t SnapResolution(int32_t requested, const bool* enabled);
