#include "ErrorText.h"

#include "SimCodes.h"

namespace sim {

const char* ErrorText(int code)
{
    switch (code) {
    case kOk: return "No error.";
    case kOpenNotFound: return "No scanner of that name is connected.";
    case 10: return "The scanner is not connected.";
    case 11: return "The scanner's connection driver is missing.";
    case 14: return "The scanner is not connected.";
    case 15: return "The scanner did not answer.";
    case 22: return "The scanner connection needs to be reset.";
    case 256: return "No scanner of that name is connected.";
    case kFileAccessError: return "File access or read/write error.";
    case kEndOfPage: return "End of page.";
    case kCancelled: return "Cancelled.";
    case kWhiteOnlyCalibration: return "White-only calibration succeeded.";
    case kNotSupported: return "Property not supported.";
    case kValueRefused: return "Value outside the property's range.";
    case kReadOnly: return "Property cannot be written.";
    case kBadShape: return "Property record of the wrong kind.";
    case kNotOpen: return "The scanner interface is not open.";
    case kBusy: return "The scanner is busy.";
    case kNoPaper: return "No document in the feeder.";
    case kScanRunning: return "A scan is running.";
    case kNoScan: return "No scan is running.";
    case kReadError: return "The scanner failed while sending image data.";
    case kPaperEnded: return "The document ended before the scan frame.";
    case kBadArgument: return "Bad argument.";
    case kPaperSensorError: return "The paper sensor failed.";
    case kCalibrationFailed: return "The calibration sheet was not recognised.";
    case kImageUnreadable: return "The page image could not be read.";
    case kNotReady: return "The scanner is not ready.";
    default: return "Scanner error.";
    }
}

}  // namespace sim
