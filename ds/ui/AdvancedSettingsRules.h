// The Advanced Settings page's arithmetic on the scan settings, without
// windows: the coupling of Highlight and Shadow, the default hue windows of
// the dropout colours, the two Auto/Manual toggles, the page's Reset, the
// numbers typed into its edits, and the scroll handler's memory.
#pragma once

#include <cstdint>

#include "settings/ScanSettings.h"

namespace advanced {

// Dropout colours, the index of the colour list.
enum DropColour : uint16_t { kDropNone = 0, kDropRed = 1, kDropGreen = 2, kDropBlue = 3 };
constexpr uint16_t kModeColour = 4;
constexpr uint16_t kModeBlackWhite = 2;
// Highlight stays at least this far above Shadow.
constexpr int kToneGap = 5;
constexpr int kHueHalfWindow = 25;
// ColorDropThreshold when the user switches the hue window to Manual.
constexpr int16_t kManualDropThreshold = 60;
// ColorDropBWThreshold when the user switches the threshold to Manual.
constexpr int16_t kManualBwThreshold = 127;
constexpr int kBwThresholdMax = 255;

// The centre of a colour's default hue window, in the scale of its strip:
// 120 for blue, 60 for red and green (and no colour).
int HueCentre(uint16_t colour);
// The spectrum bitmap of a colour's strip: the green one for green and blue.
bool UsesGreenSpectrum(uint16_t colour);
// ColorDropMin and ColorDropMax = the colour's centre -/+ 25.
void SetDefaultHueWindow(ScanSettings& s);

// Whether the dropout controls apply: a colour chosen and not colour mode.
bool DropoutApplies(const ScanSettings& s);
// Whether the black-and-white threshold applies: dropout in black and white.
bool BwThresholdApplies(const ScanSettings& s);

// Highlight moved to p: Shadow follows down when it is closer than the gap.
// Gives whether Shadow moved.
bool SetHighlight(ScanSettings& s, int p);
// Shadow moved to p: Highlight follows up likewise.
bool SetShadow(ScanSettings& s, int p);

// A click on either dropout radio: Auto -> Manual (threshold 60) or back
// (-1), with the colour's default hue window. Gives whether now Manual.
bool ToggleDropThreshold(ScanSettings& s);
// A click on either threshold radio: Auto -> Manual (127) or back (-1).
void ToggleBwThreshold(ScanSettings& s);

// The page's Reset: the tone curve, colour dropout, rotation, continuous
// scanning and the lamp's on-time to their defaults; nothing else.
void ResetAdvanced(ScanSettings& s);

// A number typed into a digits-only edit: its leading decimal digits,
// saturated at `limit` (0 for none).
uint32_t ParseTyped(const char* text, uint32_t limit);
// The lamp's on-time in milliseconds for a number of seconds typed, capped
// at what the 16-bit field holds.
uint16_t UvOnTimeFromSeconds(uint32_t seconds);
// The whole seconds the on-time spin shows for an on-time in milliseconds.
int UvSecondsShown(uint16_t onTimeMs);

// The scroll handler's memory: a notification that repeats the slider and
// position of the one before does nothing (a drag ends with the position it
// already reported). Forgotten when the page sets its sliders itself, so a
// value changed elsewhere can always be set again by the user.
class ScrollMemory {
public:
    // True when (slider, position) differs from the last one seen, which it
    // becomes.
    bool IsNew(int slider, int position);
    void Forget() { m_valid = false; }

private:
    bool m_valid = false;
    int m_slider = 0;
    int m_position = 0;
};

} // namespace advanced
