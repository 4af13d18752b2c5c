// The settings of one scan: a fixed 68-byte record of 34 little-endian 16-bit
// fields. It crosses the TWAIN interface byte for byte inside the custom-data
// blob, so field order, widths and the reserved words are part of that format.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 2)
struct ScanSettings {
    uint16_t ScanMode;             //  0: 1 grayscale, 2 black and white, 4 colour
    int16_t  DPI;                  //  2: dots per inch, both axes
    int16_t  Brightness;           //  4: -100..100
    int16_t  Contrast;             //  6: -100..100
    uint16_t Gamma;                //  8: gamma x 10
    uint16_t Highlight;            // 10: 5..255
    int16_t  Shadow;               // 12: 0..250
    uint16_t FileFormat;           // 14: TWFF_ value of file transfers
    uint16_t Reserved16;           // 16: 0; set to 1 in the copy handed to the device
    int16_t  DetectEOP;            // 18: stop at the end of the page
    int16_t  AutoCrop;             // 20: border removal (imaging)
    int16_t  Photo;                // 22: photo processing (imaging)
    int16_t  Deskew;               // 24: deskew (imaging)
    int16_t  Duplex;               // 26: always 0
    uint16_t Rotation;             // 28: quarter turns 0..3 (imaging)
    int16_t  Filter;               // 30: descreen filter (without imaging)
    int16_t  Invert;               // 32: invert (without imaging)
    int16_t  Top;                  // 34: frame, 1/100 inch from the leading edge
    int16_t  Left;                 // 36
    int16_t  Bottom;               // 38
    int16_t  Right;                // 40
    int16_t  AutoRotate;           // 42: automatic orientation (imaging)
    int16_t  ContinuousScan;       // 44: ask for further documents
    uint16_t UVOnTime;             // 46: ultraviolet lamp on-time, ms
    uint16_t ColorDropType;        // 48: 0 off, 1 red, 2 green, 3 blue (imaging)
    int16_t  ColorDropThreshold;   // 50: -1 automatic
    int16_t  ColorDropMin;         // 52: hue window, lower end
    int16_t  ColorDropMax;         // 54: hue window, upper end
    uint16_t ColorDropSatMin;      // 56
    uint16_t ColorDropLumMin;      // 58
    uint16_t ColorDropBlobMin;     // 60
    int16_t  ColorDropBWThreshold; // 62: -1 automatic
    uint16_t Reserved64;           // 64
    int16_t  Reserved66;           // 66
};
#pragma pack(pop)

static_assert(sizeof(ScanSettings) == 68, "ScanSettings is a 68-byte wire record");
static_assert(offsetof(ScanSettings, DPI) == 2, "DPI");
static_assert(offsetof(ScanSettings, Brightness) == 4, "Brightness");
static_assert(offsetof(ScanSettings, Contrast) == 6, "Contrast");
static_assert(offsetof(ScanSettings, Gamma) == 8, "Gamma");
static_assert(offsetof(ScanSettings, Highlight) == 10, "Highlight");
static_assert(offsetof(ScanSettings, Shadow) == 12, "Shadow");
static_assert(offsetof(ScanSettings, FileFormat) == 14, "FileFormat");
static_assert(offsetof(ScanSettings, Reserved16) == 16, "Reserved16");
static_assert(offsetof(ScanSettings, DetectEOP) == 18, "DetectEOP");
static_assert(offsetof(ScanSettings, AutoCrop) == 20, "AutoCrop");
static_assert(offsetof(ScanSettings, Photo) == 22, "Photo");
static_assert(offsetof(ScanSettings, Deskew) == 24, "Deskew");
static_assert(offsetof(ScanSettings, Duplex) == 26, "Duplex");
static_assert(offsetof(ScanSettings, Rotation) == 28, "Rotation");
static_assert(offsetof(ScanSettings, Filter) == 30, "Filter");
static_assert(offsetof(ScanSettings, Invert) == 32, "Invert");
static_assert(offsetof(ScanSettings, Top) == 34, "Top");
static_assert(offsetof(ScanSettings, Left) == 36, "Left");
static_assert(offsetof(ScanSettings, Bottom) == 38, "Bottom");
static_assert(offsetof(ScanSettings, Right) == 40, "Right");
static_assert(offsetof(ScanSettings, AutoRotate) == 42, "AutoRotate");
static_assert(offsetof(ScanSettings, ContinuousScan) == 44, "ContinuousScan");
static_assert(offsetof(ScanSettings, UVOnTime) == 46, "UVOnTime");
static_assert(offsetof(ScanSettings, ColorDropType) == 48, "ColorDropType");
static_assert(offsetof(ScanSettings, ColorDropThreshold) == 50, "ColorDropThreshold");
static_assert(offsetof(ScanSettings, ColorDropMin) == 52, "ColorDropMin");
static_assert(offsetof(ScanSettings, ColorDropMax) == 54, "ColorDropMax");
static_assert(offsetof(ScanSettings, ColorDropSatMin) == 56, "ColorDropSatMin");
static_assert(offsetof(ScanSettings, ColorDropLumMin) == 58, "ColorDropLumMin");
static_assert(offsetof(ScanSettings, ColorDropBlobMin) == 60, "ColorDropBlobMin");
static_assert(offsetof(ScanSettings, ColorDropBWThreshold) == 62, "ColorDropBWThreshold");
static_assert(offsetof(ScanSettings, Reserved64) == 64, "Reserved64");
static_assert(offsetof(ScanSettings, Reserved66) == 66, "Reserved66");

// Scan area of the device in 1/100 inch, and the smallest frame.
constexpr int kScanAreaWidth = 432;
constexpr int kScanAreaLength = 1000;
constexpr int kMinFrameLength = 10;
constexpr int kMinFrameWidth = 50;

// Scan modes of ScanSettings::ScanMode.
constexpr uint16_t kModeGray = 1;
constexpr uint16_t kModeBlackWhite = 2;
constexpr uint16_t kModeColor = 4;

// Forces every field into its range, in place.
void ValidateScanSettings(ScanSettings* record);

// Clamps the frame edges and stores them; true when any edge had to change.
bool SetScanFrame(ScanSettings* record, int32_t top, int32_t left, int32_t bottom, int32_t right);

// Reads the record from a profile section (absent keys take their defaults)
// and validates it. A null record means the session's current settings.
ScanSettings* LoadScanSettings(const char* section, ScanSettings* record);

// Writes the record to a profile section, without validation. A null record
// means the session's current settings.
void SaveScanSettings(const char* section, const ScanSettings* record);
