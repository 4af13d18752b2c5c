// The source is busy while an operation runs that hands the application's
// messages on: the progress dialog's pump, the calibration and cleaning
// dialogs, message boxes. An application may call DS_Entry from a handler at
// that moment; DS_Entry then serves only what cannot disturb the operation
// (DAT_STATUS, MSG_PROCESSEVENT) and refuses the rest with TWCC_SEQERROR.
//
// Every DS_Entry call other than those two is busy for its whole length;
// work that pumps messages on its own (a scan, a calibration task) is busy
// too, whichever road it was started from. Only the application's thread
// touches the count.
#pragma once

#include "twain/Twain.h"

class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

// True while any BusyScope is alive.
bool SourceBusy();

// The triplets that are served while the source is busy.
bool ServedWhileBusy(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg);
