// The class factory of one of the module's classes: aggregation allowed (the
// outer object then asks for IUnknown), creation through a function of the
// class. A live factory and every LockServer(TRUE) keep the module loaded.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "WIAUI/ComObject.h"

namespace tx {
namespace wiaui {

class ClassFactory : public IClassFactory {
public:
    // Makes one object with reference count 1, or null when out of memory.
    using Creator = ComObject* (*)(IUnknown* outer);

    explicit ClassFactory(Creator creator);
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL lock) override;

    // A new factory asked for `iid`.
    static HRESULT Provide(Creator creator, REFIID iid, void** ppv);

private:
    virtual ~ClassFactory();

    Creator m_creator;
    volatile LONG m_refs = 1;
};

}  // namespace wiaui
}  // namespace tx
