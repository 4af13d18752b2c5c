#include "device/Prefeed.h"

#include <windows.h>

#include "common/sti/DeviceValueStore.h"
#include "device/DeviceProperty.h"
#include "device/DriverLink.h"

namespace {

const char kPrefeedEnable[] = "PrefeedEnable";
constexpr unsigned long kSettleBeforeFeedMs = 1500;
// The top offset during the feed, as a share of the optical resolution.
constexpr double kFeedOffsetShare = 0.125;

enum PropertyId : uint16_t {
    kOpticalResolution = 2,
    kFeedResolution = 5,
    kTopOffset = 12,
    kFeedThrough = 23,
    kDeviceName = 205,
};

void SleepMs(unsigned long ms) { Sleep(ms); }
PrefeedSleep g_sleep = &SleepMs;

} // namespace

PrefeedSleep SetPrefeedSleep(PrefeedSleep sleep)
{
    PrefeedSleep previous = g_sleep;
    g_sleep = sleep ? sleep : &SleepMs;
    return previous;
}

std::string ReadDeviceName()
{
    SIProperty p;
    if (ReadDeviceProperty(kDeviceName, p) != SI_OK || !p.slot[0].p) return std::string();
    return static_cast<const char*>(p.slot[0].p);
}

bool ReadPrefeedEnable()
{
    const std::string name = ReadDeviceName();
    int32_t value = 0;
    return !name.empty() && tx::TheDeviceValueStore().Read(name.c_str(), kPrefeedEnable, &value) && value != 0;
}

bool WritePrefeedEnable(bool enable)
{
    const std::string name = ReadDeviceName();
    return !name.empty() && tx::TheDeviceValueStore().Write(name.c_str(), kPrefeedEnable, enable ? 1u : 0u);
}

bool PrefeedAllowed()
{
    const std::string name = ReadDeviceName();
    if (name.empty()) return true;
    int32_t value = 0;
    if (!tx::TheDeviceValueStore().Read(name.c_str(), kPrefeedEnable, &value)) return true;
    return value != 0;
}

bool PrefeedDocument()
{
    if (!TheScanner().IsBound() || !PrefeedAllowed()) return false;
    g_sleep(kSettleBeforeFeedMs);

    SIProperty optical;
    ReadDeviceProperty(kOpticalResolution, optical);
    const int32_t v = optical.slot[0].i;

    SIProperty feedResolution;
    ReadDeviceProperty(kFeedResolution, feedResolution);
    const int32_t savedFeedResolution = feedResolution.slot[1].i;
    feedResolution.slot[1].raw = 0;
    feedResolution.slot[1].i = v;
    WriteDeviceProperty(feedResolution);

    SIProperty top;
    ReadDeviceProperty(kTopOffset, top);
    const int32_t savedTop = CurrentValue(top);
    WriteSingleInt(top, static_cast<int32_t>(v * kFeedOffsetShare));

    SIProperty feedThrough;
    ReadDeviceProperty(kFeedThrough, feedThrough);
    const int32_t savedFeedThrough = feedThrough.slot[1].i;
    WriteSingleInt(feedThrough, 0);

    TheScanner().SI_Feed();

    WriteNewSingleInt(kFeedResolution, savedFeedResolution);
    WriteNewSingleInt(kTopOffset, savedTop);
    WriteNewSingleInt(kFeedThrough, savedFeedThrough);
    return true;
}
