#include "device/ScanErrorText.h"

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "transfer/ImageSource.h"

std::string ScanErrorText(int32_t code)
{
    using namespace tx::dstext;
    switch (code) {
    case kScanDeviceFailed: return tx::DsText(kTxtScannerNotConnected);
    case kScanCancelled: return tx::DsText(kTxtScanAbortedByUser);
    case kScanFileError: return tx::DsText(kTxtScanFileError);
    case kScanOutOfMemory: return tx::DsText(kTxtScanOutOfMemory);
    case kScanImagingError: return tx::DsText(kTxtImagingLibraryError);
    case kScanEmptyPage: return tx::DsText(kTxtScanEmptyPage);
    default: return "Inscrutible error";
    }
}
