// CShellExt::Initialize: the root WIA item of the device the shell shows,
// offered by the data object directly or named by it in "WIAItemNames".
#include "WIAUI/ShellExt.h"

#include <string>
#include <vector>

#include "WIAUI/ClassIds.h"

namespace tx {
namespace wiaui {
namespace {

HRESULT CreateSystemDeviceManager(IWiaDevMgr** manager)
{
    return CoCreateInstance(kClsidWiaDevMgr, nullptr, CLSCTX_LOCAL_SERVER, kIidWiaDevMgr,
                            reinterpret_cast<void**>(manager));
}

DeviceManagerFactory g_factory = CreateSystemDeviceManager;

// The zero-terminated UTF-16 names of a "WIAItemNames" block, up to the
// empty name; false when the list is not terminated inside the block.
bool ReadNames(const wchar_t* data, SIZE_T chars, std::vector<std::wstring>& names)
{
    SIZE_T at = 0;
    while (at < chars) {
        SIZE_T end = at;
        while (end < chars && data[end] != L'\0') ++end;
        if (end >= chars) return false;
        if (end == at) return true;
        names.emplace_back(data + at, end - at);
        at = end + 1;
    }
    return false;
}

// The device id named by the data object: exactly one name, one token.
HRESULT DeviceIdFrom(IDataObject* data, std::wstring& deviceId)
{
    const UINT format = RegisterClipboardFormatA(kWiaItemNamesFormat);
    if (!format) return E_FAIL;
    FORMATETC fe = {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    HRESULT hr = data->GetData(&fe, &medium);
    if (FAILED(hr)) return hr;
    std::vector<std::wstring> names;
    bool ok = false;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        const SIZE_T chars = GlobalSize(medium.hGlobal) / sizeof(wchar_t);
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal))) {
            ok = ReadNames(text, chars, names);
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    if (!ok || names.size() != 1) return E_FAIL;
    const std::wstring& name = names[0];
    if (name.empty() || name.find(L':') != std::wstring::npos) return E_FAIL;
    deviceId = name;
    return S_OK;
}

HRESULT RootFromDevice(const std::wstring& deviceId, IWiaItem** root)
{
    IWiaDevMgr* manager = nullptr;
    HRESULT hr = g_factory(&manager);
    if (FAILED(hr)) return hr;
    if (!manager) return E_FAIL;
    BSTR id = SysAllocString(deviceId.c_str());
    hr = id ? manager->CreateDevice(id, root) : E_OUTOFMEMORY;
    SysFreeString(id);
    manager->Release();
    if (SUCCEEDED(hr) && !*root) hr = E_FAIL;
    return hr;
}

}  // namespace

void SetDeviceManagerFactory(DeviceManagerFactory factory)
{
    g_factory = factory ? factory : CreateSystemDeviceManager;
}

STDMETHODIMP CShellExt::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY)
{
    if (!data) return E_INVALIDARG;
    SetRoot(nullptr);
    IWiaItem* item = nullptr;
    if (FAILED(data->QueryInterface(kIidWiaItem, reinterpret_cast<void**>(&item))) || !item) {
        item = nullptr;
        std::wstring deviceId;
        HRESULT hr = DeviceIdFrom(data, deviceId);
        if (SUCCEEDED(hr)) hr = RootFromDevice(deviceId, &item);
        if (FAILED(hr)) return hr;
    }
    LONG type = 0;
    const HRESULT hr = item->GetItemType(&type);
    if (SUCCEEDED(hr) && (type & kWiaItemTypeRoot)) SetRoot(item);
    item->Release();
    return m_root ? S_OK : E_FAIL;
}

}  // namespace wiaui
}  // namespace tx
