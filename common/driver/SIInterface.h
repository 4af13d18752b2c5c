// The driver library's SI_ interface: the records, the callback and the 21
// functions that TARVX380.dll exports, declared once with their real
// signatures. The binding takes its function-pointer types from these
// declarations (decltype), and the simulated scanner implements them, so the
// two cannot drift apart. Every function returns a 32-bit code, 0 = success.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define SI_CALL __stdcall
#else
#define SI_CALL
#endif

// One device property, 48 bytes, little-endian. A ranged property gives its
// minimum in slot 0 (offset 8), its maximum in slot 1 (16) and its current
// value in slot 4 (40); a single value sits in slot 0; the resolution list
// gives its count in slot 0 and a pointer to 32-bit values in slot 3 (32); a
// text gives a pointer to a zero-terminated string in slot 0.
union SIValue {
    int32_t i;       // a 32-bit integer in the low half
    float f;         // a 32-bit float in the low half
    const void* p;   // a pointer
    uint64_t raw;
};

struct SIProperty {
    uint16_t id;         // property id
    uint16_t kind;       // SIKind; the caller writes 0 (single value) before a set
    uint16_t fromNothing;// 1 when the caller builds a single value from nothing
    uint16_t reserved;
    SIValue slot[5];
};

static_assert(sizeof(SIValue) == 8, "SIValue is one 8-byte slot");
static_assert(sizeof(SIProperty) == 48, "SIProperty is 48 bytes");
static_assert(offsetof(SIProperty, id) == 0, "id at 0");
static_assert(offsetof(SIProperty, kind) == 2, "kind at 2");
static_assert(offsetof(SIProperty, fromNothing) == 4, "fromNothing at 4");
static_assert(offsetof(SIProperty, slot) == 8, "first value slot at 8");

// The shapes a property read can have (the kind field).
enum SIKind : uint16_t {
    SI_KIND_SINGLE = 0,   // value in slot 0
    SI_KIND_RANGE = 1,    // minimum slot 0, maximum slot 1, current slot 4
    SI_KIND_LIST = 2,     // count slot 0, pointer to int32 values slot 3
    SI_KIND_TEXT = 3,     // pointer to a zero-terminated string in slot 0
    SI_KIND_SETTING = 4,  // factory value slot 0, current value slot 1
};

// Percentage done (0 to 100); answers 1 to continue, 0 to cancel.
typedef int(SI_CALL* SIProgressCallback)(int percent);

// Result codes the callers rely on.
enum SIResult : int {
    SI_OK = 0,
    SI_FILE_ACCESS_ERROR = 18,       // calibration: file access or read/write error
    SI_END_OF_PAGE = 20,             // SI_ReadImageData: the sheet ended
    SI_CANCELLED = 0x804,            // SI_Calibrate/SI_Clean: the callback answered 0
    SI_WHITE_ONLY_CALIBRATION = 0x840,
    SI_NOT_SUPPORTED = 0x900,        // no such property
};

extern "C" {
int SI_CALL SI_OpenInterface(const char* deviceName);
int SI_CALL SI_CloseInterface(void);
int SI_CALL SI_GetScannerStatus(int* status);       // 1 ready, 2 busy
int SI_CALL SI_GetPaperStatus(int* status);         // 1 = a document is in the feeder
int SI_CALL SI_IsCalibrated(int* calibrated);       // 0 = calibration required
int SI_CALL SI_GetProperty(SIProperty* property);
int SI_CALL SI_SetProperty(SIProperty* property);
int SI_CALL SI_StartScan(void);
int SI_CALL SI_EndScan(void);
int SI_CALL SI_ReadImageData(unsigned char* buffer, int rows, int side, int* rowsDelivered);
int SI_CALL SI_FeedPaperOut(void);
int SI_CALL SI_Feed(void);
int SI_CALL SI_Calibrate(int mode, SIProgressCallback progress);
int SI_CALL SI_Clean(SIProgressCallback progress);
int SI_CALL SI_GetButtonStatus(int button, int* pressed);
int SI_CALL SI_Reset(void);
int SI_CALL SI_Diagnostic(int test, int* result);
int SI_CALL SI_GetLastError(void);
int SI_CALL SI_GetLastErrorText(char* text);        // at least 256 bytes
int SI_CALL SI_GetEvent(int* event);
int SI_CALL SI_UserData(void);
}
