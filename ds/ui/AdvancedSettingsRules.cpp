#include "ui/AdvancedSettingsRules.h"

namespace advanced {

namespace {
constexpr int kCentreBlue = 120;
constexpr int kCentreOther = 60;
constexpr uint16_t kUvMaxMs = 0xFFFF;
constexpr uint32_t kMsPerSecond = 1000;
} // namespace

int HueCentre(uint16_t colour) { return colour == kDropBlue ? kCentreBlue : kCentreOther; }

bool UsesGreenSpectrum(uint16_t colour) { return colour > kDropRed; }

void SetDefaultHueWindow(ScanSettings& s)
{
    const int centre = HueCentre(s.ColorDropType);
    s.ColorDropMin = static_cast<int16_t>(centre - kHueHalfWindow);
    s.ColorDropMax = static_cast<int16_t>(centre + kHueHalfWindow);
}

bool DropoutApplies(const ScanSettings& s) { return s.ColorDropType != kDropNone && s.ScanMode != kModeColour; }

bool BwThresholdApplies(const ScanSettings& s) { return s.ColorDropType != kDropNone && s.ScanMode == kModeBlackWhite; }

bool SetHighlight(ScanSettings& s, int p)
{
    s.Highlight = static_cast<uint16_t>(p);
    if (s.Shadow <= p - kToneGap) return false;
    s.Shadow = static_cast<int16_t>(p - kToneGap);
    return true;
}

bool SetShadow(ScanSettings& s, int p)
{
    s.Shadow = static_cast<int16_t>(p);
    if (s.Highlight >= p + kToneGap) return false;
    s.Highlight = static_cast<uint16_t>(p + kToneGap);
    return true;
}

bool ToggleDropThreshold(ScanSettings& s)
{
    const bool toManual = s.ColorDropThreshold < 0;
    s.ColorDropThreshold = toManual ? kManualDropThreshold : static_cast<int16_t>(-1);
    SetDefaultHueWindow(s);
    return toManual;
}

void ToggleBwThreshold(ScanSettings& s)
{
    s.ColorDropBWThreshold = s.ColorDropBWThreshold < 0 ? kManualBwThreshold : static_cast<int16_t>(-1);
}

void ResetAdvanced(ScanSettings& s)
{
    s.Gamma = 18;
    s.Highlight = 255;
    s.Shadow = 0;
    s.ColorDropType = kDropNone;
    s.ColorDropThreshold = -1;
    s.ColorDropMin = 35;
    s.ColorDropMax = 85;
    s.ColorDropSatMin = 75;
    s.ColorDropLumMin = 25;
    s.ColorDropBlobMin = 25;
    s.ColorDropBWThreshold = -1;
    s.AutoRotate = 0;
    s.ContinuousScan = 0;
    s.UVOnTime = 0;
}

uint32_t ParseTyped(const char* text, uint32_t limit)
{
    const uint32_t cap = limit ? limit : 0xFFFFFFFFu;
    uint64_t value = 0;
    for (const char* c = text; c && *c >= '0' && *c <= '9'; ++c) {
        value = value * 10 + static_cast<uint32_t>(*c - '0');
        if (value >= cap) return cap;
    }
    return static_cast<uint32_t>(value);
}

uint16_t UvOnTimeFromSeconds(uint32_t seconds)
{
    const uint64_t ms = static_cast<uint64_t>(seconds) * kMsPerSecond;
    return ms > kUvMaxMs ? kUvMaxMs : static_cast<uint16_t>(ms);
}

int UvSecondsShown(uint16_t onTimeMs) { return (onTimeMs + 500) / 1000; }

bool ScrollMemory::IsNew(int slider, int position)
{
    if (m_valid && slider == m_slider && position == m_position) return false;
    m_valid = true;
    m_slider = slider;
    m_position = position;
    return true;
}

} // namespace advanced
