#include "common/sti/MemoryDeviceStore.h"

#include <cctype>
#include <cstdlib>

namespace tx {

std::string MemoryDeviceStore::Key(const char* s)
{
    std::string k(s ? s : "");
    for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

void MemoryDeviceStore::AddDevice(const char* description) { m_devices[Key(description)] = true; }

bool MemoryDeviceStore::Has(const char* deviceName) const
{
    return deviceName && *deviceName && m_devices.count(Key(deviceName)) != 0;
}

void MemoryDeviceStore::PutString(const char* deviceName, const char* valueName, const char* text)
{
    Value v;
    v.isText = true;
    v.text = text ? text : "";
    m_values[{Key(deviceName), valueName ? valueName : ""}] = v;
}

bool MemoryDeviceStore::Read(const char* deviceName, const char* valueName, int32_t* value)
{
    if (!Has(deviceName) || !valueName || !value) return false;
    auto it = m_values.find({Key(deviceName), valueName});
    if (it == m_values.end()) return false;
    *value = it->second.isText ? std::atoi(it->second.text.c_str()) : static_cast<int32_t>(it->second.number);
    return true;
}

bool MemoryDeviceStore::Write(const char* deviceName, const char* valueName, uint32_t value)
{
    if (!Has(deviceName) || !valueName) return false;
    Value v;
    v.number = value;
    m_values[{Key(deviceName), valueName}] = v;
    ++m_writes;
    return true;
}

}  // namespace tx
