// The search for the scanner's USB device among the Plug and Play entities,
// through WMI.
#include <windows.h>
#include <wbemidl.h>

#include <string>

#include "device/ConnectionRepair.h"

namespace {

// A COM interface pointer released on every path.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { if (m_p) m_p->Release(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** out() { return &m_p; }
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
private:
    T* m_p = nullptr;
};

// COM for the thread: initialised here, or already usable in another
// apartment (an application's window thread usually is single-threaded).
class ComScope {
public:
    explicit ComScope(DWORD model)
    {
        const HRESULT hr = CoInitializeEx(nullptr, model);
        m_owned = SUCCEEDED(hr);
        m_ok = m_owned || hr == RPC_E_CHANGED_MODE;
    }
    ~ComScope() { if (m_owned) CoUninitialize(); }
    bool ok() const { return m_ok; }
private:
    bool m_owned = false;
    bool m_ok = false;
};

std::string Narrow(const wchar_t* w)
{
    std::string s;
    for (; w && *w; ++w) s.push_back(*w < 128 ? static_cast<char>(*w) : '?');
    return s;
}

bool AnyObjectMatches(IEnumWbemClassObject* objects, DeviceIdMatch match)
{
    for (;;) {
        ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        if (objects->Next(WBEM_INFINITE, 1, object.out(), &returned) != WBEM_S_NO_ERROR || returned == 0)
            return false;
        VARIANT id;
        VariantInit(&id);
        const bool found = SUCCEEDED(object->Get(L"DeviceID", 0, &id, nullptr, nullptr)) && id.vt == VT_BSTR &&
                           match(Narrow(id.bstrVal).c_str());
        VariantClear(&id);
        if (found) return true;
    }
}

} // namespace

bool IsKnownUsbDevicePresent() { return AnyPnpDeviceMatches(&IsKnownUsbDeviceId); }

bool AnyPnpDeviceMatches(DeviceIdMatch match)
{
    if (!match) return false;
    ComScope com(COINIT_MULTITHREADED);
    if (!com.ok()) return false;
    ComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void**>(locator.out()))))
        return false;
    ComPtr<IWbemServices> services;
    BSTR ns = SysAllocString(L"ROOT\\CIMV2");
    const HRESULT connected = locator->ConnectServer(ns, nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.out());
    SysFreeString(ns);
    if (FAILED(connected)) return false;
    if (FAILED(CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                 RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
        return false;
    ComPtr<IEnumWbemClassObject> objects;
    BSTR language = SysAllocString(L"WQL");
    BSTR query = SysAllocString(L"Select * From Win32_PnPEntity");
    const HRESULT ran = services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                            nullptr, objects.out());
    SysFreeString(language);
    SysFreeString(query);
    if (FAILED(ran)) return false;
    return AnyObjectMatches(objects.get(), match);
}
