// Scanner: owns at most one SIScanner and the library name it was opened
// with, and passes every call on; without one every driver operation gives
// kNoScannerLibrary.
#pragma once

#include <string>

#include "WIAUI/SIScanner.h"

namespace tx {
namespace wiaui {

class Scanner : public ScannerOperations {
public:
    Scanner() = default;
    ~Scanner() override;
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    // A library open under another name is closed first; one open under the
    // same name is kept. On failure nothing stays open.
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

    const std::string& LibraryName() const { return m_name; }

private:
    SIScanner* m_scanner = nullptr;
    std::string m_name;
};

}  // namespace wiaui
}  // namespace tx
