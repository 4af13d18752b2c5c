// The open source as the client uses it: every call goes through here, so
// that a failure is recorded with its triplet and condition code; and the
// capability operations in terms of CapValue.
#pragma once

#include <string>

#include "CapValue.h"
#include "SourceLink.h"
#include "TwainFailure.h"

class TwainSession {
public:
    explicit TwainSession(SourceLink& link) : m_link(link) {}

    SourceLink& Link() { return m_link; }

    // Calls the source; on TWRC_FAILURE (and TWRC_CHECKSTATUS) reads
    // DAT_STATUS and records the failure, naming `about`.
    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data, const std::string& about = "");
    const TwainFailure& LastFailure() const { return m_last; }

    // MSG_GET, MSG_GETCURRENT or MSG_GETDEFAULT into `value`; false with the
    // reason in `error` (a failed call, or a container the client cannot read).
    bool GetCap(TW_UINT16 cap, TW_UINT16 msg, CapValue& value, std::string& error);
    // MSG_QUERYSUPPORT; 0 when the source does not answer it.
    TW_INT32 QuerySupport(TW_UINT16 cap);
    // MSG_SET with a one value; the return code (TWRC_CHECKSTATUS: the
    // source took a nearby value).
    TW_UINT16 SetOneValue(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 raw);

private:
    SourceLink& m_link;
    TwainFailure m_last;
};
