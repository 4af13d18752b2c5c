// The texts the data source shows, one TextTable each, grouped by the
// screen that shows them. The property-page extension has its own copy of
// the texts it shares with the data source (WiaTexts.h).
#pragma once

#include <cstddef>

#include "common/text/TextTable.h"

namespace tx {
namespace dstext {

// Calibration, cleaning and scanning messages
extern const TextTable kTxtCalibrationSuccessful;   // "Calibration was successful.\n"
extern const TextTable kTxtCalibrationFailed;       // "The calibration process has failed...."
extern const TextTable kTxtWhiteCalibrationSuccessful; // "White-only calibration was successfu..."
extern const TextTable kTxtInsertItem;              // "Please insert the item to be scanned..."
extern const TextTable kTxtPaperNotDetected;        // "The paper was not detected. Continue..."
extern const TextTable kTxtScannerNotConnected;     // "The scan was aborted because the sca..."
extern const TextTable kTxtScanAbortedByUser;       // "Scan aborted by user."
extern const TextTable kTxtScanFileError;           // "Scan aborted because a file access o..."
extern const TextTable kTxtScanOutOfMemory;         // "Scan aborted because not enough memo..."
extern const TextTable kTxtImagingLibraryError;     // "Image processing library error."
extern const TextTable kTxtScanEmptyPage;           // "Scan aborted because the document en..."
extern const TextTable kTxtCalibrationPage;         // "Calibration Page"
extern const TextTable kTxtCalibrationRequired;     // "In order to scan the scanner must fi..."
extern const TextTable kTxtInsertCalibrationPaper;  // "Please insert the black and white ca..."
extern const TextTable kTxtInsertCleaningPaper;     // "Please insert the cleaning paper the..."
extern const TextTable kTxtCalibrateButton;         // "Calibrate"
extern const TextTable kTxtCalibrateCaption;        // "Calibrate"
extern const TextTable kTxtClean;                   // "Clean"
extern const TextTable kTxtCalibrating;             // "Calibrating..."
extern const TextTable kTxtCleaning;                // "Cleaning..."
extern const TextTable kTxtCancel;                  // "Cancel"
extern const TextTable kTxtOk;                      // "OK"

// Opening the source and connection repair
extern const TextTable kTxtDriverNotLoaded;         // "The scanner driver could not be load..."
extern const TextTable kTxtConnectionRepaired;      // "We have detected and resolved an iss..."
extern const TextTable kTxtDriverInstallNeeded;     // "To use your scanner and application,..."
extern const TextTable kTxtDriverInstalled;         // "The driver has been successfully ins..."

// Property sheet page titles
extern const TextTable kTxtPagePreset;              // "Pre-defined Setting"
extern const TextTable kTxtPageCustom;              // "Custom Settings"
extern const TextTable kTxtPageAdvanced;            // "Advanced Settings"
extern const TextTable kTxtPageInformation;         // "Information"

// Pre-set page and preset editor
extern const TextTable kTxtPresetHelp;              // "Use the above pre-defined settings f..."
extern const TextTable kTxtCalibrateReminder;       // "Please calibrate your scanner period..."
extern const TextTable kTxtCopyFromCustom;          // "Copy from Custom Settings"
extern const TextTable kTxtDefault;                 // "Default"
extern const TextTable kTxtUserDefined;             // "User Defined"
extern const TextTable kTxtSizeBusinessCard;        // "Business card (90 x 55mm)"
extern const TextTable kTxtSizePhoto;               // "Photo (5.0 x 3.5\")"
extern const TextTable kTxtSizeLargePhoto;          // "Large photo (6.0 x 4.0\")"
extern const TextTable kTxtSizePanorama;            // "Panorama photo (4.0 x 8.0\")"

// Custom Settings page and preview
extern const TextTable kTxtBlackWhite;              // "Black/White"
extern const TextTable kTxtGrayscale;               // "Grayscale"
extern const TextTable kTxtColor;                   // "Color"
extern const TextTable kTxtResolution;              // "Resolution(dpi):"
extern const TextTable kTxtScanSize;                // "Scan size:"
extern const TextTable kTxtFilter;                  // "Filter:"
extern const TextTable kTxtNone;                    // "None"
extern const TextTable kTxtDescreen;                // "Descreen"
extern const TextTable kTxtInvertImage;             // "Invert image"
extern const TextTable kTxtDetectEndOfPage;         // "Detect end of page"
extern const TextTable kTxtBrightness;              // "Brightness"
extern const TextTable kTxtContrast;                // "Contrast"
extern const TextTable kTxtGamma;                   // "Gamma"
extern const TextTable kTxtRange;                   // "Range"
extern const TextTable kTxtZoom;                    // "Zoom"
extern const TextTable kTxtUnit;                    // "Unit"
extern const TextTable kTxtReset;                   // "Reset"
extern const TextTable kTxtPreview;                 // "Preview"
extern const TextTable kTxtScan;                    // "Scan"
extern const TextTable kTxtPaperSensor;             // "Paper sensor:"
extern const TextTable kTxtDeskew;                  // "Deskew"
extern const TextTable kTxtAutocrop;                // "Autocrop"
extern const TextTable kTxtPhoto;                   // "Photo"
extern const TextTable kTxtRotation;                // "Rotation:"
extern const TextTable kTxtDegree;                  // "\xB0"
extern const TextTable kTxtFreeDiskSpace;           // "Free disk space"
extern const TextTable kTxtImageSize;               // "Image size"
extern const TextTable kTxtWidth;                   // "Width"
extern const TextTable kTxtHeight;                  // "Height"
extern const TextTable kTxtDeletePreview;           // "Delete preview image?"

// Advanced Settings page
extern const TextTable kTxtImageAdjust;             // "Image Adjust"
extern const TextTable kTxtPageOptions;             // "Page Options"
extern const TextTable kTxtPrefeed;                 // "Prefeed"
extern const TextTable kTxtHighlight;               // "Highlight"
extern const TextTable kTxtShadow;                  // "Shadow"
extern const TextTable kTxtAutoRotate;              // "Auto Rotate"
extern const TextTable kTxtContinuousScan;          // "Continuous Scan"
extern const TextTable kTxtColorDropout;            // "Color Dropout"
extern const TextTable kTxtDropoutColor;            // "Color:"
extern const TextTable kTxtRed;                     // "Red"
extern const TextTable kTxtGreen;                   // "Green"
extern const TextTable kTxtBlue;                    // "Blue"
extern const TextTable kTxtMinIntensity;            // "Min Int:"
extern const TextTable kTxtMinSaturation;           // "Min Sat:"
extern const TextTable kTxtMinSize;                 // "Min Size:"
extern const TextTable kTxtAuto;                    // "Auto"
extern const TextTable kTxtManual;                  // "Manual"
extern const TextTable kTxtBwThreshold;             // "BW Threshold:"

// Information page
extern const TextTable kTxtSerialNumber;            // "Serial number:"
extern const TextTable kTxtDsVersion;               // "DS version:"
extern const TextTable kTxtDllVersion;              // "DLL version:"
extern const TextTable kTxtLegalNotice;             // "Tarvex 380\nCopyright \xA9 Mirevo. All r..."

// Continue-scan dialog
extern const TextTable kTxtInsertNextDocument;      // "Please insert another document in th..."
extern const TextTable kTxtSecondsLeft;             // "%d seconds"
extern const TextTable kTxtFinish;                  // "Finish"

// Every table above, for checks that run over all texts.
extern const TextTable* const kAllTexts[];
extern const std::size_t kTextCount;

}  // namespace dstext
}  // namespace tx
