// A settings record that passes validation unchanged: the values a first open
// loads from an empty profile (black and white, 300 dpi, the whole area).
#pragma once

#include "settings/ScanSettings.h"
#include "twain/Twain.h"

inline ScanSettings ValidScanSettings()
{
    ScanSettings s{};
    s.ScanMode = kModeBlackWhite;
    s.DPI = 300;
    s.Gamma = 18;
    s.Highlight = 255;
    s.FileFormat = TWFF_BMP;
    s.DetectEOP = 1;
    s.Bottom = kScanAreaLength;
    s.Right = kScanAreaWidth;
    s.ColorDropThreshold = -1;
    s.ColorDropMin = 35;
    s.ColorDropMax = 85;
    s.ColorDropSatMin = 75;
    s.ColorDropLumMin = 25;
    s.ColorDropBlobMin = 25;
    s.ColorDropBWThreshold = -1;
    return s;
}
