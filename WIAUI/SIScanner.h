// SIScanner: the driver library loaded by name and its 20 functions bound
// (all but SI_UserData). A library that cannot be loaded, or lacks one of
// them, is reported to the debugger output and not kept.
#pragma once

#include "WIAUI/ScannerOperations.h"
#include "common/driver/ScannerLibrary.h"

namespace tx {
namespace wiaui {

class SIScanner : public ScannerOperations {
public:
    SIScanner() = default;
    ~SIScanner() override;

    bool Open(const char* libraryName) override;
    bool IsOpen() const override;
    void Close() override;
    int GetScannerStatus(int* status) override;
    int GetPaperStatus(int* status) override;
    int GetButtonStatus(int button, int* pressed) override;
    int GetProperty(SIProperty* property) override;
    int SetProperty(SIProperty* property) override;
    int Reset() override;
    int Diagnostic(int test, int* result) override;
    int GetLastError() override;
    int GetLastErrorText(char* text) override;
    int StartScan() override;
    int ReadImageData(unsigned char* buffer, int rows, int side, int* rowsDelivered) override;
    int EndScan() override;
    int OpenInterface(const char* deviceName) override;
    int CloseInterface() override;
    int GetEvent(int* event) override;
    int Calibrate(int mode, SIProgressCallback progress) override;
    int Clean(SIProgressCallback progress) override;
    int IsCalibrated(int* calibrated) override;
    int FeedPaperOut() override;
    int Feed() override;

private:
    ScannerLibrary m_library;
};

}  // namespace wiaui
}  // namespace tx
