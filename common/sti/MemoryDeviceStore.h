// Device values held in memory, with the same matching rules as the service.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "common/sti/DeviceValueStore.h"

namespace tx {

class MemoryDeviceStore : public DeviceValueStore {
public:
    // A device the store lists, by its description.
    void AddDevice(const char* description);
    // Stores a value as text, the way an installation may have left it.
    void PutString(const char* deviceName, const char* valueName, const char* text);

    bool HasDevice(const char* deviceName) override { return Has(deviceName); }
    bool Read(const char* deviceName, const char* valueName, int32_t* value) override;
    bool Write(const char* deviceName, const char* valueName, uint32_t value) override;

    int Writes() const { return m_writes; }

private:
    struct Value {
        bool isText = false;
        std::string text;
        uint32_t number = 0;
    };
    bool Has(const char* deviceName) const;
    static std::string Key(const char* s);

    std::map<std::string, bool> m_devices;
    std::map<std::pair<std::string, std::string>, Value> m_values;
    int m_writes = 0;
};

}  // namespace tx
