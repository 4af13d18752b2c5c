#include "session/BusyGuard.h"

namespace {
int g_busyDepth = 0;
} // namespace

BusyScope::BusyScope() { ++g_busyDepth; }
BusyScope::~BusyScope() { --g_busyDepth; }

bool SourceBusy() { return g_busyDepth > 0; }

bool ServedWhileBusy(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg)
{
    if (dg != DG_CONTROL) return false;
    return dat == DAT_STATUS || (dat == DAT_EVENT && msg == MSG_PROCESSEVENT);
}
