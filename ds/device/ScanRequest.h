// The device request: the scan settings written to the scanner's numbered
// properties in a fixed order (mode, resolution, frame, tone, invert, duplex,
// end-of-page detection, descreen), and the size of the image it gives.
#pragma once

#include <cstdint>

#include "settings/ScanSettings.h"

constexpr int kRequestOk = 0;
constexpr int kRequestNoSettings = 14;
constexpr int kRequestRefused = 0x901;

// Image mode sent to the device (property 8): colour for colour scans and for
// grey or black-and-white scans with colour dropout (the dropout needs a
// colour capture), grey for grey, black and white otherwise.
int DeviceImageMode(const ScanSettings& settings);

// Marks a settings copy as the one the scan starts with (the full-quality
// colour capture instead of the draft used while sizing).
void MarkForScanStart(ScanSettings& settings);

// Writes the request: 0, kRequestNoSettings or kRequestRefused.
int SendScanRequest(const ScanSettings* settings);

// Sends the request, then reads the width and height (properties 14 and 15)
// the device will deliver. 0 on success, else the failing code.
int QueryScanSize(const ScanSettings* settings, int32_t* width, int32_t* height);
