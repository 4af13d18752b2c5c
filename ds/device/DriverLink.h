// The module's one binding of the scanner driver library. Opening the source
// loads and binds it; the scan sequence, calibration and the lamp use it.
#pragma once

#include "common/driver/ScannerLibrary.h"

tx::ScannerLibrary& TheScanner();
