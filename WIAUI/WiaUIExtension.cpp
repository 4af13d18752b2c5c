#include "WIAUI/WiaUIExtension.h"

#include <new>

#include "WIAUI/ClassIds.h"

namespace tx {
namespace wiaui {

ComObject* CWiaUIExtension::Create(IUnknown* outer) { return new (std::nothrow) CWiaUIExtension(outer); }

void* CWiaUIExtension::Find(REFIID iid)
{
    return IsEqualIID(iid, kIidWiaUIExtension) ? static_cast<IWiaUIExtension*>(this) : nullptr;
}

STDMETHODIMP CWiaUIExtension::DeviceDialog(PDEVICEDIALOGDATA) { return E_NOTIMPL; }
STDMETHODIMP CWiaUIExtension::GetDeviceIcon(BSTR, HICON*, ULONG) { return E_NOTIMPL; }
STDMETHODIMP CWiaUIExtension::GetDeviceBitmapLogo(BSTR, HBITMAP*, ULONG, ULONG) { return E_NOTIMPL; }

}  // namespace wiaui
}  // namespace tx
