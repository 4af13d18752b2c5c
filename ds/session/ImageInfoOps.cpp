// DAT_IMAGEINFO: the page about to be transferred, from the head of the page
// store. With a buffered or processed source this is where the page is
// scanned (and processed); a failure there stays in the scan status for the
// transfer that follows to report.
#include "session/DataSourceApp.h"
#include "session/Fix32.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/PageStore.h"

TW_UINT16 DsImageInfo(TW_IDENTITY*, TW_UINT16, TW_MEMREF data)
{
    if (!RequireState(Op::ImageInfo)) return TWRC_FAILURE;
    auto* info = static_cast<TW_IMAGEINFO*>(data);
    if (!info) return FailNullRecord();
    CPageStore& store = ThePageStore();
    info->XResolution = info->YResolution = ToFix32(store.Resolution());
    info->ImageWidth = static_cast<TW_INT32>(store.Width(true));
    info->ImageLength = static_cast<TW_INT32>(store.Length(true));
    switch (store.BitsPerPixel()) {
    case 24:
        info->SamplesPerPixel = 3;
        info->BitsPerSample[0] = info->BitsPerSample[1] = info->BitsPerSample[2] = 8;
        info->BitsPerPixel = 24;
        info->PixelType = TWPT_RGB;
        break;
    case 8:
        info->SamplesPerPixel = 1;
        info->BitsPerSample[0] = 8;
        info->BitsPerPixel = 8;
        info->PixelType = TWPT_GRAY;
        break;
    default:
        info->SamplesPerPixel = 1;
        info->BitsPerSample[0] = 1;
        info->BitsPerPixel = 1;
        info->PixelType = TWPT_BW;
        break;
    }
    info->Planar = FALSE;
    info->Compression = TWCP_NONE;
    return TWRC_SUCCESS;
}
