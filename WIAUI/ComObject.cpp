#include "WIAUI/ComObject.h"

#include "WIAUI/ModuleState.h"

namespace tx {
namespace wiaui {

ComObject::ComObject(IUnknown* outer) : m_inner(this), m_controlling(outer ? outer : &m_inner)
{
    ObjectCreated();
}

ComObject::~ComObject() { ObjectDestroyed(); }

STDMETHODIMP ComObject::Inner::QueryInterface(REFIID iid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) {
        *ppv = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    void* found = m_owner->Find(iid);
    if (!found) return E_NOINTERFACE;
    static_cast<IUnknown*>(found)->AddRef();
    *ppv = found;
    return S_OK;
}

STDMETHODIMP_(ULONG) ComObject::Inner::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_owner->m_refs));
}

STDMETHODIMP_(ULONG) ComObject::Inner::Release()
{
    const LONG left = InterlockedDecrement(&m_owner->m_refs);
    if (left == 0) delete m_owner;
    return static_cast<ULONG>(left);
}

}  // namespace wiaui
}  // namespace tx
