// Stand-ins for what the shell hands the extension: a WIA item of a chosen
// type, a data object that names items in "WIAItemNames" (or offers an item
// itself), and a WIA device manager that records the device it was asked for.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <wia.h>

#include <string>
#include <vector>

class FakeWiaItem : public IWiaItem {
public:
    explicit FakeWiaItem(LONG type) : m_type(type) {}
    ULONG Refs() const { return m_refs; }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_refs; }  // lives on the test's stack
    STDMETHODIMP GetItemType(LONG* type) override
    {
        *type = m_type;
        return S_OK;
    }
    STDMETHODIMP AnalyzeItem(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP EnumChildItems(IEnumWiaItem**) override { return E_NOTIMPL; }
    STDMETHODIMP DeleteItem(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP CreateChildItem(LONG, BSTR, BSTR, IWiaItem**) override { return E_NOTIMPL; }
    STDMETHODIMP EnumRegisterEventInfo(LONG, const GUID*, IEnumWIA_DEV_CAPS**) override { return E_NOTIMPL; }
    STDMETHODIMP FindItemByName(LONG, BSTR, IWiaItem**) override { return E_NOTIMPL; }
    STDMETHODIMP DeviceDlg(HWND, LONG, LONG, LONG*, IWiaItem***) override { return E_NOTIMPL; }
    STDMETHODIMP DeviceCommand(LONG, const GUID*, IWiaItem**) override { return E_NOTIMPL; }
    STDMETHODIMP GetRootItem(IWiaItem**) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDeviceCapabilities(LONG, IEnumWIA_DEV_CAPS**) override { return E_NOTIMPL; }
    STDMETHODIMP DumpItemData(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP DumpDrvItemData(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP DumpTreeItemData(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP Diagnostic(ULONG, BYTE*) override { return E_NOTIMPL; }

private:
    LONG m_type;
    ULONG m_refs = 1;
};

// A data object with "WIAItemNames" holding the given names (each
// zero-terminated, then an empty name), or offering `item` through
// QueryInterface when one is given.
class FakeDataObject : public IDataObject {
public:
    explicit FakeDataObject(std::vector<std::wstring> names, IWiaItem* item = nullptr)
        : m_names(std::move(names)), m_item(item) {}
    int GetDataCalls() const { return m_getData; }
    // Hands out exactly these characters instead of the terminated list.
    void SetRawBlock(const std::wstring& raw)
    {
        m_raw = raw;
        m_useRaw = true;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::vector<std::wstring> m_names;
    IWiaItem* m_item;
    int m_getData = 0;
    std::wstring m_raw;
    bool m_useRaw = false;
};

// A device manager whose CreateDevice records the id and hands out `root`.
class FakeDeviceManager : public IWiaDevMgr {
public:
    explicit FakeDeviceManager(IWiaItem* root) : m_root(root) {}
    std::wstring requested;

    STDMETHODIMP QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP EnumDeviceInfo(LONG, IEnumWIA_DEV_INFO**) override { return E_NOTIMPL; }
    STDMETHODIMP CreateDevice(BSTR id, IWiaItem** root) override
    {
        requested = id ? id : L"";
        *root = m_root;
        if (!m_root) return E_FAIL;
        m_root->AddRef();
        return S_OK;
    }
    STDMETHODIMP SelectDeviceDlg(HWND, LONG, LONG, BSTR*, IWiaItem**) override { return E_NOTIMPL; }
    STDMETHODIMP SelectDeviceDlgID(HWND, LONG, LONG, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP GetImageDlg(HWND, LONG, LONG, LONG, IWiaItem*, BSTR, GUID*) override { return E_NOTIMPL; }
    STDMETHODIMP RegisterEventCallbackProgram(LONG, BSTR, const GUID*, BSTR, BSTR, BSTR, BSTR) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP RegisterEventCallbackInterface(LONG, BSTR, const GUID*, IWiaEventCallback*, IUnknown**) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP RegisterEventCallbackCLSID(LONG, BSTR, const GUID*, const GUID*, BSTR, BSTR, BSTR) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP AddDeviceDlg(HWND, LONG) override { return E_NOTIMPL; }

private:
    IWiaItem* m_root;
};

constexpr LONG kRootItemType = 0x8 | 0x4;  // root and folder
constexpr LONG kImageItemType = 0x1 | 0x2; // a picture on the device
