// The texts the property-page extension shows, one TextTable each. The
// extension carries its own copy, separate from the data source's.
#pragma once

#include <cstddef>

#include "common/text/TextTable.h"

namespace tx {
namespace wiatext {

// Advanced property page
extern const TextTable kTxtAdvanced;                // "Advanced"
extern const TextTable kTxtCustomSettings;          // "Custom Settings"
extern const TextTable kTxtPrefeed;                 // "Prefeed"
extern const TextTable kTxtDelay;                   // "Delay:"
extern const TextTable kTxtDistance;                // "Distance:"
extern const TextTable kTxtDelayShort;              // "Short"
extern const TextTable kTxtDelayLong;               // "Long"
extern const TextTable kTxtDistanceShort;           // "Short"
extern const TextTable kTxtDistanceLong;            // "Long"
extern const TextTable kTxtCalibrate;               // "Calibrate"
extern const TextTable kTxtClean;                   // "Clean"
extern const TextTable kTxtDefault;                 // "Default"
extern const TextTable kTxtCancel;                  // "Cancel"

// Calibrate and Clean runs
extern const TextTable kTxtInsertCalibrationPaper;  // "Please insert the black and white ca..."
extern const TextTable kTxtInsertCleaningPaper;     // "Please insert the cleaning paper the..."
extern const TextTable kTxtCalibrationSuccessful;   // "Calibration was successful.\n"
extern const TextTable kTxtCalibrationFailed;       // "The calibration process has failed...."
extern const TextTable kTxtScannerNotConnected;     // "The scan was aborted because the sca..."

// Every table above, for checks that run over all texts.
extern const TextTable* const kAllTexts[];
extern const std::size_t kTextCount;

}  // namespace wiatext
}  // namespace tx
