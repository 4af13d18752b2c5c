// The prefeed of an inserted document (the scanner pulls it in a little way
// and holds it ready), and the scanner's "PrefeedEnable" device value that
// this module shares with the property-page extension.
#pragma once

#include <string>

// The device name (property 205); empty when it cannot be read.
std::string ReadDeviceName();

// "PrefeedEnable" of the scanner's still-image device: true when it reads
// non-zero; false when the name, the device or the value is unavailable.
bool ReadPrefeedEnable();
bool WritePrefeedEnable(bool enable);

// Whether a prefeed may run. It runs unless the scanner's "PrefeedEnable"
// value is present and 0: a set value allows it, a missing value counts as the
// extension's default (on), and so does a device whose name cannot be read.
bool PrefeedAllowed();

// Pulls an inserted document in to the waiting position, when the guard
// allows it; gives whether the feed was started.
bool PrefeedDocument();

// The pause before the feed, replaceable by tests.
using PrefeedSleep = void (*)(unsigned long ms);
PrefeedSleep SetPrefeedSleep(PrefeedSleep sleep);
