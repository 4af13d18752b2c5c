#include "session/Acquisition.h"

#include <cstring>

#include "caps/CapValues.h"
#include "device/ResolutionList.h"
#include "device/ScannerChecks.h"
#include "session/DataSourceApp.h"
#include "transfer/PageStore.h"

bool RefusesContinuousScan(const TW_IDENTITY& app)
{
    static const char kPrefix[] = "Quillex";
    return std::strncmp(app.ProductName, kPrefix, sizeof kPrefix - 1) == 0;
}

int32_t StartAcquisition()
{
    CDataSourceApp& app = TheApp();
    if (!WaitScannerReady()) return kAcquisitionScannerNotReady;
    app.m_settings.DPI = SnapResolution(app.m_settings.DPI, TheCapValues().resolutionEnabled);
    if (RefusesContinuousScan(app.m_appIdentity) || TheCapValues().transferCount != -1)
        app.m_settings.ContinuousScan = 0;

    CPageStore& store = ThePageStore();
    const int opened = store.Open(&app.m_settings, TheCapValues().indicators != 0, app.m_hParent);
    if (opened != kStoreOpened)
        return opened == kStoreProcessingFailed ? kAcquisitionProcessingFailed : kAcquisitionStoreFailed;
    store.SelectSide(0);
    app.m_pendingXfers = app.m_settings.ContinuousScan ? -1 : 1;
    return kAcquisitionStarted;
}
