#include "device/DriverLink.h"

namespace {
tx::ScannerLibrary g_scanner;
} // namespace

tx::ScannerLibrary& TheScanner() { return g_scanner; }
