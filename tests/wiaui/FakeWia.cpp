#include "FakeWia.h"

#include <cstring>

namespace {
const IID kIidWiaItem = {0x4DB1AD10, 0x3391, 0x11D2, {0x9A, 0x33, 0x00, 0xC0, 0x4F, 0xA3, 0x61, 0x45}};
}

STDMETHODIMP FakeWiaItem::QueryInterface(REFIID iid, void** ppv)
{
    *ppv = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, kIidWiaItem)) return E_NOINTERFACE;
    *ppv = static_cast<IWiaItem*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeDataObject::QueryInterface(REFIID iid, void** ppv)
{
    *ppv = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *ppv = static_cast<IDataObject*>(this);
        return S_OK;
    }
    if (m_item && IsEqualIID(iid, kIidWiaItem)) return m_item->QueryInterface(iid, ppv);
    return E_NOINTERFACE;
}

STDMETHODIMP FakeDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    ++m_getData;
    if (!format || !medium) return E_INVALIDARG;
    if (format->cfFormat != RegisterClipboardFormatA("WIAItemNames") || !(format->tymed & TYMED_HGLOBAL) ||
        format->dwAspect != DVASPECT_CONTENT || format->lindex != -1)
        return DV_E_FORMATETC;
    std::wstring block;
    for (const std::wstring& name : m_names) {
        block += name;
        block += L'\0';
    }
    block += L'\0';
    if (m_useRaw) block = m_raw;
    const SIZE_T bytes = block.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes ? bytes : 1);
    if (!memory) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(memory), block.data(), bytes);
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}
