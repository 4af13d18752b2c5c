// A stand-in for TWAIN_32.DLL: its DSM_Entry records the notifications a
// source sends when it had to find the manager by itself.
#include "twain/Twain.h"

namespace {
TW_UINT16 g_messages[16];
int g_count = 0;
} // namespace

extern "C" TW_UINT16 TW_CALLINGSTYLE DSM_Entry(TW_IDENTITY*, TW_IDENTITY*, TW_UINT32 dg, TW_UINT16 dat,
                                               TW_UINT16 msg, TW_MEMREF)
{
    if (dg == DG_CONTROL && dat == DAT_NULL && g_count < 16) g_messages[g_count++] = msg;
    return TWRC_SUCCESS;
}

// How many notifications arrived, and the i-th one.
extern "C" int FakeManagerCount() { return g_count; }
extern "C" TW_UINT16 FakeManagerMessage(int i) { return i >= 0 && i < g_count ? g_messages[i] : 0; }
