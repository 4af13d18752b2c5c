// The operations Scanner and SIScanner share, in their fixed slot order:
// open, is-open, close, then one per driver function. Every driver
// operation gives the driver's 32-bit code (0 = success).
#pragma once

#include "common/driver/SIInterface.h"

namespace tx {
namespace wiaui {

// The code of every driver operation when no library is bound.
constexpr int kNoScannerLibrary = 2048;

class ScannerOperations {
public:
    virtual ~ScannerOperations() = default;
    virtual bool Open(const char* libraryName) = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    virtual int GetScannerStatus(int* status) = 0;
    virtual int GetPaperStatus(int* status) = 0;
    virtual int GetButtonStatus(int button, int* pressed) = 0;
    virtual int GetProperty(SIProperty* property) = 0;
    virtual int SetProperty(SIProperty* property) = 0;
    virtual int Reset() = 0;
    virtual int Diagnostic(int test, int* result) = 0;
    virtual int GetLastError() = 0;
    virtual int GetLastErrorText(char* text) = 0;
    virtual int StartScan() = 0;
    virtual int ReadImageData(unsigned char* buffer, int rows, int side, int* rowsDelivered) = 0;
    virtual int EndScan() = 0;
    virtual int OpenInterface(const char* deviceName) = 0;
    virtual int CloseInterface() = 0;
    virtual int GetEvent(int* event) = 0;
    virtual int Calibrate(int mode, SIProgressCallback progress) = 0;
    virtual int Clean(SIProgressCallback progress) = 0;
    virtual int IsCalibrated(int* calibrated) = 0;
    virtual int FeedPaperOut() = 0;
    virtual int Feed() = 0;
};

}  // namespace wiaui
}  // namespace tx
