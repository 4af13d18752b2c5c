// txscan's exit codes, as its help text documents them.
#pragma once

enum ExitCode {
    kExitOk = 0,
    kExitBadArguments = 2,
    kExitNoSource = 3,
    kExitCancelled = 4,
    kExitDeviceFailure = 5,
    kExitRefused = 6,
    kExitOutputFailure = 7,
};
