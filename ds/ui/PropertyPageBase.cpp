#include "ui/PropertyPageBase.h"

#include "session/ModuleHandle.h"
#include "ui/SheetDispatch.h"

void CPropertyPageBase::DescribePage(PROPSHEETPAGEA& page, int templateId, const char* title)
{
    page.hInstance = ModuleHandle();
    page.pszTemplate = MAKEINTRESOURCEA(templateId);
    if (title) {
        page.dwFlags |= PSP_USETITLE;
        page.pszTitle = title;
    }
}

HPROPSHEETPAGE CPropertyPageBase::CreatePage(int templateId, const char* title)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.pfnDlgProc = &PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    DescribePage(page, templateId, title);
    return CreatePropertySheetPageA(&page);
}

INT_PTR CALLBACK CPropertyPageBase::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system hands the page its own copy of the record: the object is
    // that copy's lParam.
    // A page handler may close the sheet: its objects outlive the handler.
    SheetDispatchScope scope;
    CDialogBase* created = nullptr;
    if (message == WM_INITDIALOG && lParam)
        created = reinterpret_cast<CPropertyPageBase*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    return Route(hwnd, message, wParam, lParam, created);
}
