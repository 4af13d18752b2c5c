// CWiaUIExtension: the WIA user-interface extension class; the module offers
// no device dialog, icon or logo of its own, so its methods give E_NOTIMPL.
#pragma once

#include <windows.h>
#include <wiadevd.h>

#include "WIAUI/ComObject.h"

namespace tx {
namespace wiaui {

class CWiaUIExtension : public ComObject, public IWiaUIExtension {
public:
    static ComObject* Create(IUnknown* outer);

    TX_DELEGATING_IUNKNOWN

    STDMETHODIMP DeviceDialog(PDEVICEDIALOGDATA data) override;
    STDMETHODIMP GetDeviceIcon(BSTR deviceId, HICON* icon, ULONG size) override;
    STDMETHODIMP GetDeviceBitmapLogo(BSTR deviceId, HBITMAP* bitmap, ULONG maxWidth, ULONG maxHeight) override;

protected:
    void* Find(REFIID iid) override;

private:
    explicit CWiaUIExtension(IUnknown* outer) : ComObject(outer) {}
};

}  // namespace wiaui
}  // namespace tx
