#include "transfer/XferFailure.h"

#include "device/ScanErrorText.h"
#include "session/DataSourceApp.h"
#include "session/ShowMessage.h"
#include "transfer/ImageSource.h"

TW_UINT16 AnswerFailedTransfer(int32_t code)
{
    CDataSourceApp& app = TheApp();
    app.m_pendingXfers = 0;
    if (code == kScanCancelled) return TWRC_CANCEL;
    HWND owner = app.m_hParent && app.m_hParent != GetDesktopWindow() ? app.m_hParent : nullptr;
    ShowMessage(owner, ScanErrorText(code).c_str(), kMessageCaption, MB_ICONEXCLAMATION);
    return app.Fail(TWCC_OPERATIONERROR);
}
