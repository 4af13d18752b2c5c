// The device values through the system's still-image service.
#include <windows.h>
#include <sti.h>

#include <cstdlib>
#include <string>

#include "common/sti/DeviceValueStore.h"

namespace tx {
namespace {

constexpr DWORD kServiceVersion = 2;
constexpr DWORD kValueBufferBytes = 260;

std::wstring Widen(const char* s)
{
    std::wstring w;
    const int n = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    if (n > 1) {
        w.resize(n - 1);
        MultiByteToWideChar(CP_ACP, 0, s, -1, &w[0], n);
    }
    return w;
}

// The service and the internal name of the device with the given
// description; both released with the object.
class StiDevice {
public:
    explicit StiDevice(const char* description)
    {
        if (!description || !*description) return;
        if (FAILED(StiCreateInstanceW(GetModuleHandleW(nullptr), kServiceVersion, &m_sti, nullptr)) || !m_sti) return;
        DWORD count = 0;
        void* list = nullptr;
        if (FAILED(m_sti->GetDeviceList(0, 0, &count, &list)) || !list) return;
        const std::wstring wanted = Widen(description);
        const auto* devices = static_cast<const STI_DEVICE_INFORMATIONW*>(list);
        for (DWORD i = 0; i < count; ++i) {
            const wchar_t* desc = devices[i].pszDeviceDescription;
            if (desc && devices[i].szDeviceInternalName[0] && lstrcmpiW(desc, wanted.c_str()) == 0) {
                m_name = devices[i].szDeviceInternalName;
                break;
            }
        }
        LocalFree(list);
    }
    ~StiDevice() { if (m_sti) m_sti->Release(); }
    StiDevice(const StiDevice&) = delete;
    StiDevice& operator=(const StiDevice&) = delete;

    bool Found() const { return m_sti && !m_name.empty(); }
    IStillImageW* Service() const { return m_sti; }
    LPWSTR Name() { return &m_name[0]; }

private:
    IStillImageW* m_sti = nullptr;
    std::wstring m_name;
};

class StillImageStore : public DeviceValueStore {
public:
    bool HasDevice(const char* deviceName) override { return StiDevice(deviceName).Found(); }

    bool Read(const char* deviceName, const char* valueName, int32_t* value) override
    {
        StiDevice device(deviceName);
        if (!device.Found() || !valueName || !value) return false;
        std::wstring name = Widen(valueName);
        BYTE data[kValueBufferBytes] = {};
        DWORD type = 0, size = sizeof data - 2;
        if (FAILED(device.Service()->GetDeviceValue(device.Name(), &name[0], &type, data, &size))) return false;
        if (type == REG_DWORD && size >= sizeof(DWORD)) {
            DWORD v;
            memcpy(&v, data, sizeof v);
            *value = static_cast<int32_t>(v);
            return true;
        }
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            *value = static_cast<int32_t>(std::wcstol(reinterpret_cast<const wchar_t*>(data), nullptr, 10));
            return true;
        }
        return false;
    }

    bool Write(const char* deviceName, const char* valueName, uint32_t value) override
    {
        StiDevice device(deviceName);
        if (!device.Found() || !valueName) return false;
        std::wstring name = Widen(valueName);
        DWORD v = value;
        return SUCCEEDED(device.Service()->SetDeviceValue(device.Name(), &name[0], REG_DWORD,
                                                          reinterpret_cast<LPBYTE>(&v), sizeof v));
    }
};

StillImageStore g_service;
DeviceValueStore* g_store = &g_service;

}  // namespace

DeviceValueStore& TheDeviceValueStore() { return *g_store; }

DeviceValueStore* SetDeviceValueStore(DeviceValueStore* store)
{
    DeviceValueStore* previous = g_store;
    g_store = store ? store : &g_service;
    return previous;
}

}  // namespace tx
