// DAT_IMAGEFILEXFER: the page as a BMP file, or as a TIFF made from a BMP in
// the temporary folder. A failed transfer leaves neither the target nor the
// temporary file behind.
#include <windows.h>

#include <string>

#include "session/DataSourceApp.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/BitmapWriter.h"
#include "transfer/DiskFile.h"
#include "transfer/FileXferTarget.h"
#include "transfer/ImageSource.h"
#include "transfer/TiffConverter.h"
#include "transfer/MemoryXfer.h"
#include "transfer/XferFailure.h"

namespace {

int WriteBmpFile(const std::string& path)
{
    CDiskFile file;
    if (!file.Create(path)) return kScanFileError;
    const int code = WriteBitmap(file, true);
    file.Close();
    return code;
}

// A fresh "tmp" file in the temporary folder; empty when none can be made.
std::string TemporaryBmpName()
{
    char folder[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(sizeof folder, folder);
    if (n == 0 || n >= MAX_PATH) return std::string();
    char name[MAX_PATH] = {};
    if (!GetTempFileNameA(folder, "tmp", 0, name)) return std::string();
    return name;
}

int WriteTiffFile(const std::string& path)
{
    const std::string temporary = TemporaryBmpName();
    if (temporary.empty()) return kScanFileError;
    int code = WriteBmpFile(temporary);
    if (code == kScanOk && !ConvertBmpToTiff(temporary, path)) code = kScanFileError;
    DeleteFileA(temporary.c_str());
    return code;
}

} // namespace

TW_UINT16 DsImageFileXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF)
{
    if (!RequireState(Op::WholeImageXfer)) return TWRC_FAILURE;
    ForgetMemoryXferPage();   // no strip may follow on this page
    const std::string target = FileXferName();
    const bool tiff = TheApp().m_settings.FileFormat == TWFF_TIFF;
    const int code = target.empty() ? kScanFileError : (tiff ? WriteTiffFile(target) : WriteBmpFile(target));
    if (code != kScanOk) {
        if (!target.empty()) DeleteFileA(target.c_str());
        return AnswerFailedTransfer(code);
    }
    MoveState(Op::WholeImageXfer);
    return TWRC_XFERDONE;
}
