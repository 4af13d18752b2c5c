#include "WIAUI/Scanner.h"

#include <new>

namespace tx {
namespace wiaui {

Scanner::~Scanner() { Close(); }

bool Scanner::Open(const char* libraryName)
{
    if (!libraryName) return false;
    if (m_scanner && m_scanner->IsOpen() && m_name == libraryName) return true;
    Close();
    m_scanner = new (std::nothrow) SIScanner;
    if (!m_scanner) return false;
    if (!m_scanner->Open(libraryName)) {
        delete m_scanner;
        m_scanner = nullptr;
        return false;
    }
    m_name = libraryName;
    return true;
}

bool Scanner::IsOpen() const { return m_scanner && m_scanner->IsOpen(); }

void Scanner::Close()
{
    delete m_scanner;  // its destructor frees the library
    m_scanner = nullptr;
    m_name.clear();
}

#define TX_PASS(call) (m_scanner ? m_scanner->call : kNoScannerLibrary)

int Scanner::GetScannerStatus(int* status) { return TX_PASS(GetScannerStatus(status)); }
int Scanner::GetPaperStatus(int* status) { return TX_PASS(GetPaperStatus(status)); }
int Scanner::GetButtonStatus(int button, int* pressed) { return TX_PASS(GetButtonStatus(button, pressed)); }
int Scanner::GetProperty(SIProperty* property) { return TX_PASS(GetProperty(property)); }
int Scanner::SetProperty(SIProperty* property) { return TX_PASS(SetProperty(property)); }
int Scanner::Reset() { return TX_PASS(Reset()); }
int Scanner::Diagnostic(int test, int* result) { return TX_PASS(Diagnostic(test, result)); }
int Scanner::GetLastError() { return TX_PASS(GetLastError()); }
int Scanner::GetLastErrorText(char* text) { return TX_PASS(GetLastErrorText(text)); }
int Scanner::StartScan() { return TX_PASS(StartScan()); }
int Scanner::ReadImageData(unsigned char* buffer, int rows, int side, int* rowsDelivered)
{
    return TX_PASS(ReadImageData(buffer, rows, side, rowsDelivered));
}
int Scanner::EndScan() { return TX_PASS(EndScan()); }
int Scanner::OpenInterface(const char* deviceName) { return TX_PASS(OpenInterface(deviceName)); }
int Scanner::CloseInterface() { return TX_PASS(CloseInterface()); }
int Scanner::GetEvent(int* event) { return TX_PASS(GetEvent(event)); }
int Scanner::Calibrate(int mode, SIProgressCallback progress) { return TX_PASS(Calibrate(mode, progress)); }
int Scanner::Clean(SIProgressCallback progress) { return TX_PASS(Clean(progress)); }
int Scanner::IsCalibrated(int* calibrated) { return TX_PASS(IsCalibrated(calibrated)); }
int Scanner::FeedPaperOut() { return TX_PASS(FeedPaperOut()); }
int Scanner::Feed() { return TX_PASS(Feed()); }

#undef TX_PASS

}  // namespace wiaui
}  // namespace tx
