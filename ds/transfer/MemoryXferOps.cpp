// DAT_IMAGEMEMXFER: the page in strips of whole rows, top to bottom, into the
// application's buffer (a pointer, or a handle locked for the read), pixels
// as the sources deliver them.
#include <algorithm>

#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/ImageSource.h"
#include "transfer/MemoryXfer.h"
#include "transfer/PageStore.h"
#include "transfer/XferFailure.h"

namespace {

constexpr uint32_t kMaxStripRows = 32767;

struct StripPage {
    bool active = false;
    uint32_t width = 0;
    uint32_t length = 0;
    uint32_t rowBytes = 0;
    uint32_t bits = 0;
    int32_t side = 0;
    uint32_t rowsDone = 0;
};
StripPage g_page;

void TakePage(CPageStore& store)
{
    g_page.width = store.Width(true);
    g_page.length = store.Length(true);
    g_page.rowBytes = store.RowBytes(true);
    g_page.bits = store.BitsPerPixel();
    g_page.side = store.CurrentSide();
    g_page.rowsDone = 0;
    g_page.active = true;
}

} // namespace

void ForgetMemoryXferPage() { g_page = StripPage(); }

TW_UINT16 DsImageMemXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::MemoryXfer)) return TWRC_FAILURE;
    auto* xfer = static_cast<TW_IMAGEMEMXFER*>(data);
    if (!xfer) return FailNullRecord();
    CDataSourceApp& app = TheApp();
    CPageStore& store = ThePageStore();
    // A first strip that fails leaves no page taken: a whole-image transfer
    // may follow, and a later strip must not read from its finished page.
    const bool first = app.m_twainState == kStateXferReady;
    if (first) TakePage(store);
    auto failFirst = [first](TW_UINT16 rc) {
        if (first) ForgetMemoryXferPage();
        return rc;
    };
    // State 7 reached by another mechanism: no page is being delivered in strips.
    if (!g_page.active) return app.Fail(TWCC_SEQERROR);
    if (g_scanStatus != kScanOk && g_scanStatus != kScanEndOfPage)
        return failFirst(AnswerFailedTransfer(g_scanStatus));
    if (g_page.rowBytes == 0) return failFirst(AnswerFailedTransfer(kScanDeviceFailed));
    // A buffer that cannot hold one row would deliver nothing for ever.
    if (g_page.rowsDone < g_page.length && xfer->Memory.Length < g_page.rowBytes)
        return failFirst(app.Fail(TWCC_BADVALUE));

    const uint32_t rows = std::min({g_page.length - g_page.rowsDone, xfer->Memory.Length / g_page.rowBytes,
                                    kMaxStripRows});
    uint32_t got = 0;
    if (rows > 0) {
        const bool isHandle = (xfer->Memory.Flags & TWMF_HANDLE) != 0;
        DsmLockedHandle locked(isHandle ? xfer->Memory.TheMem : nullptr);
        auto* buffer = static_cast<uint8_t*>(isHandle ? locked.get() : xfer->Memory.TheMem);
        if (!buffer) return failFirst(app.Fail(TWCC_BADVALUE));
        const int32_t status = store.ReadRows(buffer, rows, g_page.side, &got);
        if (status != kScanOk) return AnswerFailedTransfer(status);
        got = std::min(got, rows);
    }
    xfer->Compression = TWCP_NONE;
    xfer->BytesPerRow = g_page.rowBytes;
    xfer->Columns = g_page.width;
    xfer->Rows = got;
    xfer->XOffset = 0;
    xfer->YOffset = g_page.rowsDone;
    xfer->BytesWritten = g_page.rowBytes * got;
    g_page.rowsDone += got;
    MoveState(Op::MemoryXfer);
    return g_page.rowsDone == g_page.length ? TWRC_XFERDONE : TWRC_SUCCESS;
}
