#include "WIAUI/ShellExt.h"

#include <new>

#include "WIAUI/AdvancedPage.h"

namespace tx {
namespace wiaui {

ComObject* CShellExt::Create(IUnknown* outer) { return new (std::nothrow) CShellExt(outer); }

CShellExt::~CShellExt() { SetRoot(nullptr); }

void* CShellExt::Find(REFIID iid)
{
    if (IsEqualIID(iid, IID_IShellExtInit)) return static_cast<IShellExtInit*>(this);
    if (IsEqualIID(iid, IID_IContextMenu)) return static_cast<IContextMenu*>(this);
    if (IsEqualIID(iid, IID_IShellPropSheetExt)) return static_cast<IShellPropSheetExt*>(this);
    return nullptr;
}

void CShellExt::SetRoot(IWiaItem* item)
{
    if (item) item->AddRef();
    if (m_root) m_root->Release();
    m_root = item;
}

STDMETHODIMP CShellExt::AddPages(LPFNSVADDPROPSHEETPAGE add, LPARAM lParam)
{
    return AddAdvancedPage(add, lParam) == S_OK ? S_OK : E_FAIL;
}

STDMETHODIMP CShellExt::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) { return E_NOTIMPL; }

}  // namespace wiaui
}  // namespace tx
