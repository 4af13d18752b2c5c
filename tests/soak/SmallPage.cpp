#include "SmallPage.h"

#include <windows.h>

#include <cstring>

#include "ValidSettings.h"
#include "session/IdentitySignature.h"

ScanSettings SmallPageSettings()
{
    ScanSettings s = ValidScanSettings();
    s.ScanMode = kModeGray;
    s.DPI = 150;
    s.DetectEOP = 0;
    s.Right = 200;
    s.Bottom = 300;
    return s;
}

TW_UINT16 SendSettings(SourceHarness& h, const ScanSettings& s)
{
    const uint32_t size = 12 + sizeof s;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return TWRC_FAILURE;
    auto* p = static_cast<uint8_t*>(GlobalLock(block));
    std::memcpy(p, kIdentitySignature, 8);
    const uint32_t version = 1;
    std::memcpy(p + 8, &version, 4);
    std::memcpy(p + 12, &s, sizeof s);
    GlobalUnlock(block);
    TW_CUSTOMDSDATA data{size, block};
    TW_UINT16 rc = h.Call(DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, &data);
    GlobalFree(block);
    return rc;
}
