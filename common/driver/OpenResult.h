// How the result of SI_OpenInterface is read by the callers.
#pragma once

namespace tx {

// Codes an open can end with after MapOpenResult.
enum OpenCode : int {
    OPEN_OK = 0,
    OPEN_NOT_FOUND = 1,        // also what the library's 256 means
    OPEN_NO_DEVICE = 10,       // also what the library's 14 means
    OPEN_DRIVER_MISSING = 11,  // connection repair: driver package
    OPEN_CODE_15 = 15,
    OPEN_RECONNECT = 22,       // connection repair: unplug and reconnect
    OPEN_OTHER_FAILURE = 2048,
};

// 14 counts as 10, 256 as 1; 0, 1, 10, 11, 15 and 22 stand as they are;
// every other code becomes 2048.
int MapOpenResult(int code);

}  // namespace tx
