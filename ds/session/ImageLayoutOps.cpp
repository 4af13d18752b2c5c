// DAT_IMAGELAYOUT: the scan frame in inches. The frame lives in the settings
// in hundredths of an inch; in state 6 its size is the page's.
#include <cstdint>

#include "device/ScanRequest.h"
#include "session/DataSourceApp.h"
#include "session/Fix32.h"
#include "session/Operations.h"
#include "session/StateTable.h"
#include "transfer/PageStore.h"

namespace {

void Describe(TW_IMAGELAYOUT* layout, double left, double top, double right, double bottom)
{
    layout->Frame.Left = ToFix32(left);
    layout->Frame.Top = ToFix32(top);
    layout->Frame.Right = ToFix32(right);
    layout->Frame.Bottom = ToFix32(bottom);
    layout->DocumentNumber = layout->PageNumber = layout->FrameNumber = 1;
}

TW_UINT16 GetLayout(TW_IMAGELAYOUT* layout)
{
    CDataSourceApp& app = TheApp();
    const ScanSettings& s = app.m_settings;
    uint32_t resolution = 0, width = 0, length = 0;
    if (app.m_twainState == kStateXferReady) {
        CPageStore& store = ThePageStore();
        resolution = store.Resolution();
        width = store.Width(true);
        length = store.Length(true);
    } else {
        resolution = s.DPI > 0 ? static_cast<uint32_t>(s.DPI) : 0;
        int32_t w = 0, h = 0;
        ScanSettings query = s;
        if (QueryScanSize(&query, &w, &h) == 0 && w >= 0 && h >= 0) {
            width = static_cast<uint32_t>(w);
            length = static_cast<uint32_t>(h);
        } else {
            width = length = 4 * resolution;
        }
    }
    const double left = s.Left / 100.0, top = s.Top / 100.0;
    const double across = resolution ? double(width) / resolution : 0.0;
    const double down = resolution ? double(length) / resolution : 0.0;
    Describe(layout, left, top, left + across, top + down);
    return TWRC_SUCCESS;
}

TW_UINT16 SetLayout(const TW_IMAGELAYOUT* layout)
{
    const TW_FRAME& f = layout->Frame;
    const int32_t top = static_cast<int32_t>(FromFix32(f.Top) * 100.0f - 0.5f);
    const int32_t left = static_cast<int32_t>(FromFix32(f.Left) * 100.0f - 0.5f);
    const int32_t bottom = static_cast<int32_t>(FromFix32(f.Bottom) * 100.0f + 0.5f);
    const int32_t right = static_cast<int32_t>(FromFix32(f.Right) * 100.0f + 0.5f);
    const bool changed = SetScanFrame(&TheApp().m_settings, top, left, bottom, right);
    return changed ? TWRC_CHECKSTATUS : TWRC_SUCCESS;
}

TW_UINT16 ResetLayout(TW_IMAGELAYOUT* layout)
{
    ScanSettings& s = TheApp().m_settings;
    s.Rotation = 0;
    SetScanFrame(&s, 0, 0, kScanAreaLength, kScanAreaWidth);
    Describe(layout, 0.0, 0.0, kScanAreaWidth / 100.0, kScanAreaLength / 100.0);
    return TWRC_SUCCESS;
}

} // namespace

TW_UINT16 DsImageLayout(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF data)
{
    const bool change = msg == MSG_SET || msg == MSG_RESET;
    if (!RequireState(change ? Op::SetupChange : Op::SetupQuery)) return TWRC_FAILURE;
    auto* layout = static_cast<TW_IMAGELAYOUT*>(data);
    if (!layout) return FailNullRecord();
    switch (msg) {
    case MSG_GET: return GetLayout(layout);
    case MSG_GETDEFAULT:
        Describe(layout, 0.0, 0.0, kScanAreaWidth / 100.0, kScanAreaLength / 100.0);
        return TWRC_SUCCESS;
    case MSG_SET: return SetLayout(layout);
    default: return ResetLayout(layout);
    }
}
