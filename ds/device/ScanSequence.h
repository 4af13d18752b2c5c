// One device scan: start it from a settings record, read the page's rows
// (waiting out a device that is slow to deliver, stopping at the end of the
// sheet, widening rows to 4-byte strides), and end it (eject the document,
// then the ultraviolet lamp). The scan state is one set per process.
#pragma once

#include <cstdint>

#include "settings/ScanSettings.h"

// Reads without data tolerated in a row, and the wait after each.
constexpr int kNoDataReadLimit = 240;
constexpr unsigned kNoDataWaitMs = 50;
// The pause between reads without data: Sleep, unless a test installed its
// own (null restores Sleep). Returns the previous one.
using ScanPause = void (*)(unsigned long ms);
ScanPause SetScanPause(ScanPause pause);
// Smallest end-of-page sensitivity used together with border removal.
constexpr int32_t kAutoCropEopSensitivity = 33;

// Starts the device scan: adjusts a copy of the settings (shadow, highlight,
// gamma), sends the end-of-page sensitivity (-100..100, negotiated by the
// application; property 60) when the settings detect the end of the page,
// sends the request, reads the delivered size and bytes per row, and starts.
// 0 on success, 1 on failure. width and height (optional) receive the size the
// device will deliver.
int BeginScan(const ScanSettings& settings, int32_t eopSensitivity, int32_t* width = nullptr,
              int32_t* height = nullptr);

// Reads up to `rows` rows of `side` into buffer, which must hold rows rows
// at the padded stride (PaddedDeviceRowBytes). Gives the rows read, -1 on a
// device failure; endOfPage tells whether the sheet ended with this call.
int ReadScanRows(uint8_t* buffer, int rows, bool* endOfPage, int side);

// Ends a started scan: the device ends it, the document is fed out and
// exposed to the ultraviolet lamp. Does nothing when no scan was started.
void EndScan();

// Whether a device scan is running; the device's bytes per row of it.
bool IsScanStarted();
int32_t DeviceRowBytes();
// The device's bytes per row raised to a multiple of 4: the stride of rows
// handed out by ReadScanRows.
uint32_t PaddedDeviceRowBytes();

// Widens `rows` rows lying packed `packed` bytes apart to `stride` bytes apart
// in place, filling the added bytes with 0 (stride >= packed).
void WidenRows(uint8_t* buffer, int rows, uint32_t packed, uint32_t stride);
