// One acquisition: enable the source (with or without its dialog), wait for
// MSG_XFERREADY in the message loop, transfer the pages through the chosen
// mechanism, end each, stop after the pages asked for, disable.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Options.h"
#include "Page.h"
#include "TwainSession.h"

enum class AcquireResult { Done, Cancelled, Failed };

struct AcquireRequest {
    Mechanism mechanism = Mechanism::Native;
    unsigned long bufferSize = 0;
    std::string fileFormat = "bmp";
    int pages = 1;   // 0: all
    bool ui = false;
    bool quiet = false;
};

AcquireResult Acquire(TwainSession& session, HWND window, const AcquireRequest& request, std::vector<Page>& pages,
                      std::string& error);
