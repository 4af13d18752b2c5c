// One failed TWAIN call as the client reports it: the triplet, its return
// code and the condition code the source (or manager) gave through DAT_STATUS.
#pragma once

#include <string>

#include "twain/Twain.h"

struct TwainFailure {
    TW_UINT32 dg = 0;
    TW_UINT16 dat = 0;
    TW_UINT16 msg = 0;
    TW_UINT16 rc = TWRC_SUCCESS;
    TW_UINT16 cc = TWCC_SUCCESS;
    bool haveCc = false;
    std::string about; // what the call concerned, e.g. "ICAP_GAMMA"

    // "DG_CONTROL / DAT_CAPABILITY / MSG_SET (ICAP_GAMMA) failed: TWRC_FAILURE, TWCC_BADVALUE"
    std::string Text() const;
};
