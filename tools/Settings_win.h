// Applies the scan options to the open source before enabling it: colour
// mode, resolution, page size or frame, brightness, contrast, the transfer
// mechanism, the number of pages and every --set NAME=VALUE.
#pragma once

#include <string>

#include "Options.h"
#include "TwainSession.h"

// false with the reason when the source refused a setting or a name/value is
// unknown; notices (a nearby value taken) are printed unless quiet.
bool ApplySettings(TwainSession& session, const Options& options, std::string& error);

// Sets one capability from text, learning its item type from MSG_GETCURRENT.
bool SetCapabilityText(TwainSession& session, TW_UINT16 cap, const std::string& value, bool quiet, std::string& error);
