// CShellExt: the shell extension on the scanner's icon. Initialize finds the
// device's root WIA item; the context menu offers Calibrate and Clean (by
// command offset only); the property sheet gets the Advanced page.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wia.h>

#include "WIAUI/ComObject.h"

namespace tx {
namespace wiaui {

class CShellExt : public ComObject, public IShellExtInit, public IContextMenu, public IShellPropSheetExt {
public:
    // Command offsets of the menu items.
    static constexpr UINT kCalibrateOffset = 0;
    static constexpr UINT kCleanOffset = 1;

    static ComObject* Create(IUnknown* outer);

    TX_DELEGATING_IUNKNOWN

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progId) override;

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR command, UINT type, UINT* reserved, CHAR* name, UINT size) override;

    // IShellPropSheetExt
    STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE add, LPARAM lParam) override;
    STDMETHODIMP ReplacePage(EXPPS pageId, LPFNSVADDPROPSHEETPAGE replace, LPARAM lParam) override;

    // The root item kept by a successful Initialize (not AddRef'd), or null.
    IWiaItem* RootItem() const { return m_root; }

protected:
    void* Find(REFIID iid) override;

private:
    explicit CShellExt(IUnknown* outer) : ComObject(outer) {}
    ~CShellExt() override;

    void SetRoot(IWiaItem* item);

    IWiaItem* m_root = nullptr;
};

// How Initialize reaches the WIA device manager: CoCreateInstance of the
// system's (local server) unless a test installed another (null restores).
using DeviceManagerFactory = HRESULT (*)(IWiaDevMgr** manager);
void SetDeviceManagerFactory(DeviceManagerFactory factory);

}  // namespace wiaui
}  // namespace tx
