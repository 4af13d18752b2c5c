// DAT_IMAGEFILEXFER: the page as a BMP or a TIFF file, each written straight
// into the target as the rows arrive. A failed transfer leaves no target
// file behind.
#include <windows.h>

#include <string>

#include "session/DataSourceApp.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/BitmapWriter.h"
#include "transfer/DiskFile.h"
#include "transfer/FileXferTarget.h"
#include "transfer/ImageSource.h"
#include "transfer/MemoryXfer.h"
#include "transfer/TiffWriter.h"
#include "transfer/XferFailure.h"

namespace {

int WritePageFile(const std::string& path, bool tiff)
{
    CDiskFile file;
    if (!file.Create(path)) return kScanFileError;
    const int code = tiff ? WriteTiff(file) : WriteBitmap(file, true);
    file.Close();
    return code;
}

} // namespace

TW_UINT16 DsImageFileXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF)
{
    if (!RequireState(Op::WholeImageXfer)) return TWRC_FAILURE;
    ForgetMemoryXferPage();   // no strip may follow on this page
    const std::string target = FileXferName();
    const bool tiff = TheApp().m_settings.FileFormat == TWFF_TIFF;
    const int code = target.empty() ? kScanFileError : WritePageFile(target, tiff);
    if (code != kScanOk) {
        if (!target.empty()) DeleteFileA(target.c_str());
        return AnswerFailedTransfer(code);
    }
    MoveState(Op::WholeImageXfer);
    return TWRC_XFERDONE;
}
