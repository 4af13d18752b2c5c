// Small helpers for the driver's numbered properties (SIProperty records):
// read a record, write a single value into a record read before, or build a
// single value from nothing. Each returns the driver's result code.
#pragma once

#include <cstdint>

#include "common/driver/SIInterface.h"

// Result used when the driver library is not bound.
constexpr int kDriverNotBound = -1;

// Reads property `id` into `record` (cleared first).
int ReadDeviceProperty(uint16_t id, SIProperty& record);
// Writes `record` back as read (its kind kept).
int WriteDeviceProperty(SIProperty& record);
// Turns a record read before into a single value and writes it.
int WriteSingleInt(SIProperty& record, int32_t value);
int WriteSingleFloat(SIProperty& record, float value);
// Writes property `id` as a single value built from nothing.
int WriteNewSingleInt(uint16_t id, int32_t value);

// Minimum, maximum and current value of a range record; for any other kind
// the minimum and maximum are the widest 32-bit values and the current value
// is slot 0.
int32_t RangeMinimum(const SIProperty& record);
int32_t RangeMaximum(const SIProperty& record);
int32_t CurrentValue(const SIProperty& record);
