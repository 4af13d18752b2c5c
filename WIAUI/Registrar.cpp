#include "WIAUI/Registrar.h"

namespace tx {
namespace wiaui {
namespace {

HRESULT FromWin32(LSTATUS status) { return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status); }

// An open registry key, closed on destruction.
class Key {
public:
    Key() = default;
    ~Key() { if (m_key) RegCloseKey(m_key); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

HRESULT SetValue(HKEY key, const ScriptValue& value)
{
    const wchar_t* name = value.name.empty() ? nullptr : value.name.c_str();
    if (value.type == REG_DWORD) {
        const DWORD n = value.number;
        return FromWin32(RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&n), sizeof n));
    }
    const DWORD bytes = static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t));
    return FromWin32(RegSetValueExW(key, name, 0, value.type, reinterpret_cast<const BYTE*>(value.text.c_str()), bytes));
}

// The key and everything below it; an absent key is no error.
HRESULT DeleteTree(HKEY parent, const std::wstring& name)
{
    const LSTATUS status = RegDeleteTreeW(parent, name.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromWin32(status);
}

HRESULT RegisterKey(HKEY parent, const ScriptKey& k)
{
    if (k.flag == KeyFlag::ForceRemove || k.flag == KeyFlag::Delete) {
        const HRESULT hr = DeleteTree(parent, k.name);
        if (FAILED(hr) || k.flag == KeyFlag::Delete) return hr;
    }
    Key key;
    HRESULT hr = FromWin32(RegCreateKeyExW(parent, k.name.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                                           key.Out(), nullptr));
    if (FAILED(hr)) return hr;
    if (k.hasDefault && FAILED(hr = SetValue(key.Get(), k.defaultValue))) return hr;
    for (const ScriptValue& v : k.values)
        if (FAILED(hr = SetValue(key.Get(), v))) return hr;
    for (const ScriptKey& child : k.keys)
        if (FAILED(hr = RegisterKey(key.Get(), child))) return hr;
    return S_OK;
}

bool IsEmpty(HKEY key)
{
    DWORD subKeys = 0, values = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subKeys == 0 && values == 0;
}

HRESULT UnregisterKey(HKEY parent, const ScriptKey& k)
{
    if (k.flag == KeyFlag::Delete) return S_OK;
    if (k.flag == KeyFlag::ForceRemove) return DeleteTree(parent, k.name);
    bool empty = false;
    {
        Key key;
        const LSTATUS status = RegOpenKeyExW(parent, k.name.c_str(), 0, KEY_READ | KEY_WRITE, key.Out());
        if (status == ERROR_FILE_NOT_FOUND) return S_OK;
        HRESULT hr = FromWin32(status);
        if (FAILED(hr)) return hr;
        for (const ScriptKey& child : k.keys)
            if (FAILED(hr = UnregisterKey(key.Get(), child))) return hr;
        if (k.flag == KeyFlag::NoRemove) return S_OK;
        if (k.hasDefault) RegDeleteValueW(key.Get(), nullptr);
        for (const ScriptValue& v : k.values) RegDeleteValueW(key.Get(), v.name.c_str());
        empty = IsEmpty(key.Get());
    }
    if (!empty) return S_OK;
    const LSTATUS status = RegDeleteKeyW(parent, k.name.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromWin32(status);
}

}  // namespace

HRESULT RunRegistryScript(const std::vector<ScriptRoot>& roots, bool registering, HKEY rootOverride)
{
    for (const ScriptRoot& root : roots) {
        const HKEY hive = rootOverride ? rootOverride : root.hive;
        for (const ScriptKey& k : root.keys) {
            const HRESULT hr = registering ? RegisterKey(hive, k) : UnregisterKey(hive, k);
            if (FAILED(hr)) return hr;
        }
    }
    return S_OK;
}

}  // namespace wiaui
}  // namespace tx
