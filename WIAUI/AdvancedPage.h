// The "Advanced" property page (template 107): the prefeed check box, the
// delay and distance sliders, Default, Calibrate and Clean. Every change is
// written to the device values at once; Cancel on the sheet writes back the
// values the page showed when it was opened.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "WIAUI/Settings.h"

namespace tx {
namespace wiaui {

// Slider ranges.
constexpr int kDelayMin = 200;
constexpr int kDelayMax = 2500;
constexpr int kDelayLine = 50;
constexpr int kDistanceMin = 1;
constexpr int kDistanceMax = 40;

// Creates the page over the process's settings object; null on failure.
HPROPSHEETPAGE CreateAdvancedPage();

// Creates the page and hands it to `add`: S_OK when it was accepted, E_FAIL
// when it could not be created or was refused (the page is then destroyed).
HRESULT AddAdvancedPage(LPFNADDPROPSHEETPAGE add, LPARAM lParam);

// The values the last page opened showed (process-wide).
PrefeedValues OpeningValues();

}  // namespace wiaui
}  // namespace tx
