#include "device/UvLamp.h"

#include <algorithm>

#include "device/DeviceProperty.h"
#include "device/DriverLink.h"

namespace {

constexpr uint16_t kPropUvLamp = 45;
constexpr uint16_t kPropUvOnTime = 46;

enum LampPresence { kNotAsked, kAbsent, kPresent };
LampPresence g_lamp = kNotAsked;

// Whether the driver answers at all: a failed property read only says the
// lamp is absent when the interface itself is open and answering.
bool InterfaceAnswers()
{
    tx::ScannerLibrary& scanner = TheScanner();
    int status = 0;
    return scanner.SI_GetScannerStatus && scanner.SI_GetScannerStatus(&status) == SI_OK;
}

} // namespace

bool IsUvLampPresent()
{
    if (g_lamp == kNotAsked) {
        SIProperty record;
        if (ReadDeviceProperty(kPropUvLamp, record) == SI_OK)
            g_lamp = kPresent;
        else if (InterfaceAnswers())
            g_lamp = kAbsent;
        else
            return false; // no answer to remember: ask again next time
    }
    return g_lamp == kPresent;
}

void ForgetUvLampPresence() { g_lamp = kNotAsked; }

bool IsUvLampOn()
{
    SIProperty record;
    return ReadDeviceProperty(kPropUvLamp, record) == SI_OK && record.slot[0].i != 0;
}

void SwitchUvLampOn(int32_t onTime)
{
    if (onTime <= 0 || !IsUvLampPresent())
        return;
    SIProperty record;
    if (ReadDeviceProperty(kPropUvOnTime, record) != SI_OK)
        return;
    record.slot[4].i = std::max(RangeMinimum(record), std::min(onTime, RangeMaximum(record)));
    if (WriteDeviceProperty(record) != SI_OK)
        return;
    if (ReadDeviceProperty(kPropUvLamp, record) != SI_OK)
        return;
    WriteSingleInt(record, 1);
}
