// DAT_IMAGENATIVEXFER: the page as one packed DIB (BITMAPINFOHEADER, palette,
// pixels) in a handle from the manager's allocator, which becomes the
// application's.
#include "session/DataSourceApp.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/BitmapWriter.h"
#include "transfer/ImageSource.h"
#include "transfer/TransferMemFile.h"
#include "transfer/MemoryXfer.h"
#include "transfer/XferFailure.h"

namespace {
constexpr uint32_t kNativeGrowStep = 1024;
} // namespace

TW_UINT16 DsImageNativeXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::WholeImageXfer)) return TWRC_FAILURE;
    ForgetMemoryXferPage();   // no strip may follow on this page
    auto* slot = static_cast<TW_HANDLE*>(data);
    if (!slot) return FailNullRecord();
    *slot = nullptr;
    CTransferMemFile file(kNativeGrowStep);
    int code = WriteBitmap(file, false);
    TW_HANDLE dib = code == kScanOk ? file.Detach() : nullptr;
    if (code == kScanOk && !dib) code = kScanOutOfMemory;
    if (code != kScanOk) return AnswerFailedTransfer(code);
    *slot = dib;
    MoveState(Op::WholeImageXfer);
    return TWRC_XFERDONE;
}
