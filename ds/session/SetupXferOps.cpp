// DAT_SETUPMEMXFER and DAT_SETUPFILEXFER: buffer sizes for memory transfers
// and the name and format of file transfers.
#include <algorithm>
#include <cstring>

#include "session/DataSourceApp.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/ChunkRows.h"
#include "transfer/FileXferTarget.h"
#include "transfer/PageStore.h"

namespace {

constexpr TW_UINT32 kMinMemBuffer = 16384;

TW_UINT16 SetupMemXfer(TW_SETUPMEMXFER* setup)
{
    CPageStore& store = ThePageStore();
    const uint32_t rowBytes = TheApp().m_twainState == kStateXferReady ? store.RowBytes(false) : 0;
    if (rowBytes == 0) {
        setup->MinBufSize = kMinMemBuffer;
        setup->MaxBufSize = setup->Preferred = kChunkBytes;
        return TWRC_SUCCESS;
    }
    const uint32_t rows = ChunkRows(store.Resolution(), store.Length(false), rowBytes);
    // Whole rows throughout, and never a minimum above the preferred size:
    // a page of narrow rows may have a strip smaller than the usual floor.
    const uint32_t preferred = rowBytes * std::max<uint32_t>(1, rows);
    const uint32_t floorRows = std::max<uint32_t>(1, kMinMemBuffer / rowBytes);
    setup->MinBufSize = std::min(preferred, rowBytes * floorRows);
    setup->MaxBufSize = setup->Preferred = preferred;
    return TWRC_SUCCESS;
}

void Describe(TW_SETUPFILEXFER* setup, const char* name, TW_UINT16 format)
{
    std::memset(setup->FileName, 0, sizeof setup->FileName);
    std::strncpy(setup->FileName, name, sizeof setup->FileName - 1);
    setup->Format = format;
    setup->VRefNum = 0;
}

TW_UINT16 SetupFileXfer(TW_UINT16 msg, TW_SETUPFILEXFER* setup)
{
    CDataSourceApp& app = TheApp();
    switch (msg) {
    case MSG_GET:
        Describe(setup, FileXferName(), app.m_settings.FileFormat);
        return TWRC_SUCCESS;
    case MSG_GETDEFAULT:
        Describe(setup, kDefaultXferFileName, TWFF_BMP);
        return TWRC_SUCCESS;
    case MSG_RESET:
        ResetFileXferTarget();
        Describe(setup, kDefaultXferFileName, TWFF_BMP);
        return TWRC_SUCCESS;
    default: {
        if (setup->Format != TWFF_BMP && setup->Format != TWFF_TIFF) return app.Fail(TWCC_BADVALUE);
        // The application's name need not be terminated within its field.
        char name[sizeof setup->FileName] = {};
        std::memcpy(name, setup->FileName, sizeof name - 1);
        SetFileXferName(name);
        app.m_settings.FileFormat = setup->Format;
        return TWRC_SUCCESS;
    }
    }
}

} // namespace

TW_UINT16 DsSetupMemXfer(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::SetupQuery)) return TWRC_FAILURE;
    if (!data) return FailNullRecord();
    return SetupMemXfer(static_cast<TW_SETUPMEMXFER*>(data));
}

TW_UINT16 DsSetupFileXfer(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF data)
{
    if (!RequireState(msg == MSG_RESET ? Op::SetupChange : Op::SetupQuery)) return TWRC_FAILURE;
    if (!data) return FailNullRecord();
    return SetupFileXfer(msg, static_cast<TW_SETUPFILEXFER*>(data));
}
