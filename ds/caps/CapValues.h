// The negotiated values that live outside the settings record: the one home of
// everything an application negotiates that the settings record does not hold.
// They last for the process; opening the source resets the ones an application
// must not inherit from the previous session. The scan sequence and the
// resolution snapping receive what they need of them as parameters.
#pragma once

#include <cstdint>

#include "device/ResolutionList.h"

struct CapValues {
    int16_t transferCount = -1;      // CAP_XFERCOUNT; -1: as many as the application wants
    uint16_t transferMechanism = 0;  // ICAP_XFERMECH, TWSX_NATIVE
    uint16_t feederEnabled = 0;      // CAP_FEEDERENABLED
    uint16_t autoFeed = 1;           // CAP_AUTOFEED
    uint16_t indicators = 1;         // CAP_INDICATORS
    uint16_t pixelFlavor = 0;        // ICAP_PIXELFLAVOR, TWPF_CHOCOLATE
    int32_t eopSensitivity = 0;      // CUSTCAP_EOPSENSITIVITY, -100..100; sent to the device by BeginScan
    uint16_t undefinedImageSize = 0; // ICAP_UNDEFINEDIMAGESIZE
    bool pixelTypeAllowed[3] = {true, true, true}; // TWPT_BW, TWPT_GRAY, TWPT_RGB
    // One flag per entry of the resolution list (same index): whether the
    // application still allows that resolution.
    bool resolutionEnabled[kMaxResolutions] = {true, true, true, true, true, true,
                                               true, true, true, true, true, true};
};

CapValues& TheCapValues();

// What opening the source does: transfer count, mechanism, indicators and
// pixel flavor back to their defaults, every pixel type and every resolution
// allowed again. Feeder, auto feed, sensitivity and undefined size are kept.
void ResetCapValuesAtOpen();

// Allows every pixel type, or every resolution, again.
void AllowAllPixelTypes();
void EnableAllResolutions();
