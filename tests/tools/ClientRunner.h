// Runs txscan.exe the way a user does, as a child process with its own
// environment, and plays the user at the source's windows: it records every
// message box the client's process shows and presses its first button, and
// presses Finish in a continue-scan dialog that waits for paper which will
// not come; asked to, it presses Cancel in the source's progress window.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct ClientRun {
    unsigned long exitCode = 0xFFFFFFFF;
    std::string out;
    std::string err;
    std::vector<std::string> boxes; // "caption: text" of each message box
    bool timedOut = false;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// `args` is the command line after the program name; the program runs in the
// build's bin folder.
ClientRun RunClient(const std::string& args, const Environment& env = {}, unsigned long timeoutMs = 120000,
                    bool cancelProgress = false);
