// The page every soak session scans: grey at 150 dpi over 2 x 3 inches,
// without end-of-page detection; small enough for hundreds of pages through
// the whole scan and transfer road. Handed to the source as its custom data.
#pragma once

#include "SourceHarness.h"
#include "settings/ScanSettings.h"

ScanSettings SmallPageSettings();

// DAT_CUSTOMDSDATA MSG_SET with the settings record (state 4).
TW_UINT16 SendSettings(SourceHarness& h, const ScanSettings& s);
