// Base of the module's COM objects: a reference count, aggregation and the
// module's object count. The object's own IUnknown (NonDelegating) answers
// IUnknown itself and asks Find for every other interface; the interfaces
// the object implements pass QueryInterface, AddRef and Release on to the
// controlling unknown, which is the outer object when aggregated.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace tx {
namespace wiaui {

class ComObject {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    IUnknown* NonDelegating() { return &m_inner; }

protected:
    explicit ComObject(IUnknown* outer);
    virtual ~ComObject();

    // The interface for `iid` (never IUnknown), already cast, or null.
    virtual void* Find(REFIID iid) = 0;

    IUnknown* Controlling() const { return m_controlling; }

private:
    class Inner : public IUnknown {
    public:
        explicit Inner(ComObject* owner) : m_owner(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

    private:
        ComObject* m_owner;
    };

    Inner m_inner;
    IUnknown* m_controlling;
    volatile LONG m_refs = 1;
};

// The IUnknown methods of an object's interfaces.
#define TX_DELEGATING_IUNKNOWN                                                                     \
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override                                   \
    {                                                                                              \
        return Controlling()->QueryInterface(iid, ppv);                                            \
    }                                                                                              \
    STDMETHODIMP_(ULONG) AddRef() override { return Controlling()->AddRef(); }                     \
    STDMETHODIMP_(ULONG) Release() override { return Controlling()->Release(); }

}  // namespace wiaui
}  // namespace tx
