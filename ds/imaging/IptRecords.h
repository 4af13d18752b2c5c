// The parameter records and result codes of the image-processing library's
// IPT_ calls. Each record starts with its own size as a 64-bit integer; the
// fields after it are 32-bit little-endian integers unless noted. The data
// source and our own library share this one declaration, and the sizes and
// offsets below are asserted because both sides exchange the records byte for
// byte. Plain C++ with no Win32, so the library's portable core can use it.
#pragma once

#include <cstddef>
#include <cstdint>

// An image owned by the library; only the library looks inside.
typedef void* IptImage;

// Result codes of every IPT_ call.
enum IptResult : int32_t {
    IPT_OK = 0,
    IPT_OUT_OF_MEMORY = 1,
    IPT_BAD_PARAMETER = 2,    // null pointer, wrong record size, unknown code, value out of range
    IPT_BAD_IMAGE = 3,        // not an image handle of this library
    IPT_NOT_INITIALIZED = 4,  // called before IPT_Initialize
    IPT_FILE_ERROR = 5,       // a file could not be opened, read or written
    IPT_UNSUPPORTED = 6,      // a file format or pixel depth the library does not handle
};

// Describes caller-owned pixels for IPT_CreateImageFromMemory.
struct IptImageDescription {
    int64_t size;           // 40
    const uint8_t* pixels;  // rows, top row first
    int32_t bitsPerPixel;   // 1 (0 black, 1 white, MSB first), 8 (grey) or 24 (red, green, blue)
    int32_t xResolution;    // dots per inch
    int32_t yResolution;
    int32_t width;
    int32_t height;
    int32_t bytesPerRow;    // a multiple of 4, at least the packed row
};

// IPT_RemoveBorder.
struct IptBorderRemoval {
    int64_t size;           // 24
    uint8_t deskew;         // 0/1: measure and correct the skew
    uint8_t crop;           // 0/1: crop to the document
    uint8_t reserved[6];    // zero
    int32_t backgroundLevel;  // grey level (0..255) at or below which a pixel is scanner
                              // background; the data source passes 48, 0 means 48
    int32_t margin;         // pixels added around the crop box; negative cuts into the page
};

// IPT_DropColor.
struct IptColorDropout {
    int64_t size;           // 40
    int32_t type;           // 1 red, 2 green, 3 blue
    int32_t threshold;      // -1 (any negative): automatic hue window; 0..255: manual
    int32_t minimum;        // hue window, in hue units of 0..180 for a full circle
    int32_t maximum;
    int32_t saturationMin;  // 0..255
    int32_t luminanceMin;   // 0..255
    int32_t blobMin;        // pixels
    int32_t reserved;       // zero
};

// IPT_Binarize.
struct IptBinarization {
    int64_t size;           // 16
    int32_t threshold;      // 0..255 fixed (grey below it is black), -1 automatic
    int32_t reserved;
};

// IPT_DetectOrientation, filled by the library.
struct IptOrientation {
    int64_t size;           // 16
    int32_t orientation;    // the IPT_Rotate code that makes the text upright; 0 none
    float confidence;       // 0 when the page shows no text
};

// IPT_Rotate.
struct IptRotation {
    int64_t size;           // 16
    int32_t rotation;       // quarter turns clockwise: 1, 2 or 3
    int32_t reserved;
};

// IPT_GetProperties, filled by the library.
struct IptProperties {
    int64_t size;           // 32
    int32_t bitsPerPixel;
    int32_t xResolution;    // not used by the data source
    int32_t yResolution;    // not used by the data source
    int32_t width;
    int32_t height;
    int32_t reserved;
};

// IPT_SaveImageToMemory: packed rows of (bitsPerPixel * width + 7) / 8 bytes.
struct IptMemoryOutput {
    int64_t size;           // 24
    uint8_t* buffer;
    int64_t bufferSize;     // bytes
};

static_assert(sizeof(IptImageDescription) == 40, "description record");
static_assert(offsetof(IptImageDescription, pixels) == 8, "description pixels");
static_assert(offsetof(IptImageDescription, bitsPerPixel) == 16, "description bits");
static_assert(offsetof(IptImageDescription, xResolution) == 20, "description x dpi");
static_assert(offsetof(IptImageDescription, yResolution) == 24, "description y dpi");
static_assert(offsetof(IptImageDescription, width) == 28, "description width");
static_assert(offsetof(IptImageDescription, height) == 32, "description height");
static_assert(offsetof(IptImageDescription, bytesPerRow) == 36, "description row bytes");

static_assert(sizeof(IptBorderRemoval) == 24, "border removal record");
static_assert(offsetof(IptBorderRemoval, deskew) == 8, "border deskew");
static_assert(offsetof(IptBorderRemoval, crop) == 9, "border crop");
static_assert(offsetof(IptBorderRemoval, reserved) == 10, "border reserved");
static_assert(offsetof(IptBorderRemoval, backgroundLevel) == 16, "border background level");
static_assert(offsetof(IptBorderRemoval, margin) == 20, "border margin");

static_assert(sizeof(IptColorDropout) == 40, "colour dropout record");
static_assert(offsetof(IptColorDropout, type) == 8, "dropout type");
static_assert(offsetof(IptColorDropout, threshold) == 12, "dropout threshold");
static_assert(offsetof(IptColorDropout, minimum) == 16, "dropout minimum");
static_assert(offsetof(IptColorDropout, maximum) == 20, "dropout maximum");
static_assert(offsetof(IptColorDropout, saturationMin) == 24, "dropout saturation");
static_assert(offsetof(IptColorDropout, luminanceMin) == 28, "dropout luminance");
static_assert(offsetof(IptColorDropout, blobMin) == 32, "dropout blob");
static_assert(offsetof(IptColorDropout, reserved) == 36, "dropout reserved");

static_assert(sizeof(IptBinarization) == 16, "binarisation record");
static_assert(offsetof(IptBinarization, threshold) == 8, "binarisation threshold");

static_assert(sizeof(IptOrientation) == 16, "orientation record");
static_assert(offsetof(IptOrientation, orientation) == 8, "orientation value");
static_assert(offsetof(IptOrientation, confidence) == 12, "orientation confidence");
static_assert(sizeof(float) == 4, "confidence is a 32-bit float");

static_assert(sizeof(IptRotation) == 16, "rotation record");
static_assert(offsetof(IptRotation, rotation) == 8, "rotation code");

static_assert(sizeof(IptProperties) == 32, "properties record");
static_assert(offsetof(IptProperties, bitsPerPixel) == 8, "properties bits");
static_assert(offsetof(IptProperties, width) == 20, "properties width");
static_assert(offsetof(IptProperties, height) == 24, "properties height");

static_assert(sizeof(IptMemoryOutput) == 24, "memory output record");
static_assert(offsetof(IptMemoryOutput, buffer) == 8, "memory output buffer");
static_assert(offsetof(IptMemoryOutput, bufferSize) == 16, "memory output size");

// The exported functions, as the data source binds them by name.
extern "C" {
typedef int32_t IptInitializeFn(int32_t flags);
typedef int32_t IptUninitializeFn(void);
typedef int32_t IptCreateImageFromFileFn(IptImage* image, const char* path);
typedef int32_t IptCreateImageFromMemoryFn(IptImage* image, const IptImageDescription* description);
typedef int32_t IptFreeImageFn(IptImage image);
typedef int32_t IptSaveImageToFileFn(IptImage image, const char* path);
typedef int32_t IptSaveImageToMemoryFn(IptImage image, IptMemoryOutput* output);
typedef int32_t IptRemoveBorderFn(IptImage image, const IptBorderRemoval* params);
typedef int32_t IptBinarizeFn(IptImage image, const IptBinarization* params);
typedef int32_t IptRotateFn(IptImage image, const IptRotation* params);
typedef int32_t IptGetPropertiesFn(IptImage image, IptProperties* properties);
typedef int32_t IptCopyFn(IptImage* copy, IptImage source);
typedef int32_t IptDropColorFn(IptImage image, const IptColorDropout* params);
typedef int32_t IptDetectOrientationFn(IptImage image, IptOrientation* result);
}
