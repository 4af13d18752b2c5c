#include "device/DeviceProperty.h"

#include <climits>
#include <cstring>

#include "device/DriverLink.h"

int ReadDeviceProperty(uint16_t id, SIProperty& record)
{
    std::memset(&record, 0, sizeof(record));
    record.id = id;
    tx::ScannerLibrary& scanner = TheScanner();
    if (!scanner.SI_GetProperty)
        return kDriverNotBound;
    return scanner.SI_GetProperty(&record);
}

int WriteDeviceProperty(SIProperty& record)
{
    tx::ScannerLibrary& scanner = TheScanner();
    if (!scanner.SI_SetProperty)
        return kDriverNotBound;
    return scanner.SI_SetProperty(&record);
}

int WriteSingleInt(SIProperty& record, int32_t value)
{
    record.kind = SI_KIND_SINGLE;
    record.slot[0].raw = 0;
    record.slot[0].i = value;
    return WriteDeviceProperty(record);
}

int WriteSingleFloat(SIProperty& record, float value)
{
    record.kind = SI_KIND_SINGLE;
    record.slot[0].raw = 0;
    record.slot[0].f = value;
    return WriteDeviceProperty(record);
}

int WriteNewSingleInt(uint16_t id, int32_t value)
{
    SIProperty record;
    std::memset(&record, 0, sizeof(record));
    record.id = id;
    record.fromNothing = 1;
    return WriteSingleInt(record, value);
}

int32_t RangeMinimum(const SIProperty& record)
{
    return record.kind == SI_KIND_RANGE ? record.slot[0].i : INT32_MIN;
}

int32_t RangeMaximum(const SIProperty& record)
{
    return record.kind == SI_KIND_RANGE ? record.slot[1].i : INT32_MAX;
}

int32_t CurrentValue(const SIProperty& record)
{
    return record.kind == SI_KIND_RANGE ? record.slot[4].i : record.slot[0].i;
}
