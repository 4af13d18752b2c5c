// The scanner's ultraviolet lamp, which a document passes under after it is
// ejected. Not every scanner has one; the answer is asked once per process.
#pragma once

#include <cstdint>

// True when the lamp's property (45) can be read; asked on first use only.
bool IsUvLampPresent();
// True while the lamp is lit.
bool IsUvLampOn();
// Lights the lamp for onTime milliseconds, limited to the device's range of
// on-times; nothing when onTime <= 0 or there is no lamp.
void SwitchUvLampOn(int32_t onTime);
// Forgets whether the lamp is present (tests that swap scanners).
void ForgetUvLampPresence();
