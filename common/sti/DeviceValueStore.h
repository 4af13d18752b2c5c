// The scanner's still-image device values ("PrefeedEnable" and its kin), kept
// by the system's still-image service per device. Both modules reach them
// through this small interface: the service in production, an in-memory store
// in tests (and wherever the service does not list devices).
#pragma once

#include <cstdint>

namespace tx {

class DeviceValueStore {
public:
    virtual ~DeviceValueStore() = default;

    // True when the service lists a device whose description equals
    // `deviceName` (letter case ignored).
    virtual bool HasDevice(const char* deviceName) = 0;

    // Reads a value of the device whose description equals `deviceName`
    // (letter case ignored): a double word as it is, a string converted to an
    // integer. False when the service, the device or the value is unavailable.
    virtual bool Read(const char* deviceName, const char* valueName, int32_t* value) = 0;

    // Writes a value as a double word; false when that failed.
    virtual bool Write(const char* deviceName, const char* valueName, uint32_t value) = 0;
};

// The store in force: the still-image service unless a test installed another.
DeviceValueStore& TheDeviceValueStore();

// Installs `store` (null: the still-image service again); gives the previous one.
DeviceValueStore* SetDeviceValueStore(DeviceValueStore* store);

}  // namespace tx
