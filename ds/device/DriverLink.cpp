#include "device/DriverLink.h"

#include "session/DataSourceApp.h"

namespace {
tx::ScannerLibrary g_scanner;
const char* g_driverFile = tx::ScannerLibrary::kFileName;
} // namespace

void SetDriverFileForTests(const char* fileName) { g_driverFile = fileName ? fileName : tx::ScannerLibrary::kFileName; }

tx::ScannerLibrary& TheScanner() { return g_scanner; }

DriverLoad LoadDriver()
{
    FreeDriver();
    CDataSourceApp& app = TheApp();
    app.m_hDriver = LoadLibraryA(g_driverFile);
    if (!app.m_hDriver) return kDriverNotLoaded;
    if (g_scanner.Bind(app.m_hDriver)) return kDriverBound;
    FreeDriver();
    return kDriverIncomplete;
}

void FreeDriver()
{
    g_scanner.Unload();
    CDataSourceApp& app = TheApp();
    if (app.m_hDriver) FreeLibrary(app.m_hDriver);
    app.m_hDriver = nullptr;
}
