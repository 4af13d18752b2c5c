// Starting an acquisition: the scanner is waited for, the resolution snapped
// to the enabled ones, continuous scanning decided, and the page store
// opened for the first page. No scanning happens here: the first transfer
// call that reads rows runs the scan.
#pragma once

#include <cstdint>

#include "twain/Twain.h"

// StartAcquisition results, in the codes ScanErrorText shows.
enum AcquisitionResult : int32_t {
    kAcquisitionStarted = 0,
    kAcquisitionScannerNotReady = 1,
    kAcquisitionStoreFailed = 4,
    kAcquisitionProcessingFailed = 7,
};

// 0, or the code of the message to show. Used by enabling without the dialog
// and by the sheet's Scan button.
int32_t StartAcquisition();

// Whether an application (by its product name) must never scan
// continuously: names beginning with "Quillex".
bool RefusesContinuousScan(const TW_IDENTITY& app);
