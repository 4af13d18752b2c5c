// What the recording imaging library (RecordingLibrary.cpp) saw, and how a
// test tells it to misbehave. The library keeps one of these for the life of
// the process; a test holds the library loaded so that it outlives the
// stage's own load and unload.
#pragma once

#include <cstdint>

#include "imaging/IptRecords.h"

struct RecorderState {
    char calls[2048];                    // names of the IPT_ calls, comma-separated, in order
    int32_t liveImages;                  // images created and not yet freed
    int32_t initializeCount;
    int32_t uninitializeCount;
    IptImageDescription description;     // last description received (pixels pointer only)
    IptBorderRemoval border;             // last records received
    IptColorDropout dropout;
    IptBinarization binarization;
    IptRotation rotation;
    char failCall[64];                   // this call (e.g. "IPT_RemoveBorder") fails...
    int32_t failResult;                  // ...with this result, doing nothing
    int32_t forceOrientation;            // >= 0: IPT_DetectOrientation reports this
    float forceConfidence;
};

extern "C" {
typedef RecorderState* RecorderStateFn(void);
typedef void RecorderResetFn(void);
}
