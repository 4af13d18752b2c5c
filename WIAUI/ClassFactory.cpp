#include "WIAUI/ClassFactory.h"

#include <new>

#include "WIAUI/ModuleState.h"

namespace tx {
namespace wiaui {

ClassFactory::ClassFactory(Creator creator) : m_creator(creator) { ObjectCreated(); }
ClassFactory::~ClassFactory() { ObjectDestroyed(); }

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }

STDMETHODIMP_(ULONG) ClassFactory::Release()
{
    const LONG left = InterlockedDecrement(&m_refs);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer && !IsEqualIID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
    ComObject* object = m_creator(outer);
    if (!object) return E_OUTOFMEMORY;
    const HRESULT hr = object->NonDelegating()->QueryInterface(iid, ppv);
    object->NonDelegating()->Release();  // the caller's reference, if any, keeps it
    return hr;
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock)
{
    ServerLock(lock != FALSE);
    return S_OK;
}

HRESULT ClassFactory::Provide(Creator creator, REFIID iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    auto* factory = new (std::nothrow) ClassFactory(creator);
    if (!factory) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, ppv);
    factory->Release();
    return hr;
}

}  // namespace wiaui
}  // namespace tx
