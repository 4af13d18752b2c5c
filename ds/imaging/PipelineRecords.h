// The parameter records the processing stage hands to the imaging library,
// built from a page's scan settings. Pure functions, so that the rules that
// turn settings into library values can be checked without the library.
#pragma once

#include <cstdint>

#include "imaging/IptRecords.h"
#include "settings/ScanSettings.h"

// Grey level at or below which border removal takes a pixel for the
// scanner's dark backing.
constexpr int32_t kBorderBackgroundLevel = 48;

// Hue half-width, in the library's hue units, of the automatic dropout window.
constexpr int32_t kAutoDropoutWindow = 25;

// The settings hold a manual red window shifted up by this many hue units
// (red straddles hue 0); the library takes it unshifted.
constexpr int32_t kRedHueOffset = 60;

// Rows read from the stage before in one call: half the resolution, so a
// strip is half an inch of the page; never less than one row.
uint32_t ProcessingStripRows(uint32_t resolution);

// Margin around the crop box, pixels: only when the page is both deskewed
// and cropped, a fiftieth of an inch is cut into the page (trunc of
// resolution x -0.02); else 0.
int32_t BorderMargin(bool deskew, bool crop, uint32_t resolution);

// Whether the settings ask for border removal (deskew, crop or both).
bool WantsBorderRemoval(const ScanSettings& settings);

// Whether the settings ask for colour dropout: a dropout colour outside
// colour mode (a colour page keeps its colours).
bool WantsColorDropout(const ScanSettings& settings);

IptBorderRemoval BorderRemovalRecord(const ScanSettings& settings, uint32_t resolution);
IptColorDropout ColorDropoutRecord(const ScanSettings& settings);
IptBinarization DropoutBinarizationRecord(const ScanSettings& settings);
IptRotation RotationRecord(int32_t code);
