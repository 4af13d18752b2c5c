// Result codes and property ids of the simulated scanner.
//
// The codes the callers know (0, 18, 20, 0x804, 0x840, 0x900, the open
// results) come from the interface; the 0xA00 block is the simulator's own.
#pragma once

#include "common/driver/SIInterface.h"

namespace sim {

enum Code : int {
    kOk = 0,
    kOpenNotFound = 1,          // SI_OpenInterface: no device of that name
    kFileAccessError = SI_FILE_ACCESS_ERROR,
    kEndOfPage = SI_END_OF_PAGE,
    kCancelled = SI_CANCELLED,
    kWhiteOnlyCalibration = SI_WHITE_ONLY_CALIBRATION,
    kNotSupported = SI_NOT_SUPPORTED,
    kValueRefused = 0x902,      // value outside the property's range or list
    kReadOnly = 0x903,          // property cannot be written
    kBadShape = 0x904,          // record of a kind the property does not take
    kNotOpen = 0xA01,           // the interface is not open
    kBusy = 0xA02,              // the scanner is busy (scan, calibration, settling)
    kNoPaper = 0xA03,           // no document in the feeder
    kScanRunning = 0xA04,       // a scan is already running
    kNoScan = 0xA05,            // no scan is running
    kReadError = 0xA06,         // the device failed while sending rows
    kPaperEnded = 0xA07,        // the sheet ended before the frame, detection off
    kBadArgument = 0xA08,       // null pointer, bad side, bad mode
    kPaperSensorError = 0xA09,  // the paper sensor failed
    kCalibrationFailed = 0xA0A, // the calibration sheet was not recognised
    kImageUnreadable = 0xA0B,   // a page image could not be read
    kNotReady = 0xA0C,          // the scanner is not ready
};

// Property ids the device has.
enum PropertyId : int {
    kPropOpticalResolution = 2,
    kPropResolution = 4,
    kPropFeedResolution = 5,
    kPropImageMode = 8,
    kPropBrightness = 9,
    kPropContrast = 10,
    kPropInvert = 11,
    kPropTop = 12,
    kPropLeft = 13,
    kPropWidth = 14,
    kPropHeight = 15,
    kPropColourDraft = 17,
    kPropBytesPerRow = 19,
    kPropDuplex = 21,
    kPropFeedThrough = 23,
    kPropGamma = 25,
    kPropHighlight = 26,
    kPropShadow = 27,
    kPropThresholdShift = 32,
    kPropEndOfPage = 33,
    kPropDescreen = 34,
    kPropUvLamp = 45,
    kPropUvOnTime = 46,
    kPropEopSensitivity = 60,
    kPropDeviceName = 205,
    kPropSerialNumber = 225,
};

enum ImageMode : int { kModeBlackWhite = 0, kModeGrey = 1, kModeColour = 2 };

}  // namespace sim
