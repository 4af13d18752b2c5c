// Base of the pages of the source's property sheet. A page differs from a
// dialog in one point: WM_INITDIALOG carries the PROPSHEETPAGE the page was
// made from, and the object travels in that record's lParam. Everything else
// (the object found through DWLP_USER, cleared while the window goes) is the
// dialog base's.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "ui/DialogBase.h"

class CPropertyPageBase : public CDialogBase {
public:
    // The page for PropertySheet or PSM_ADDPAGE, from template `templateId`
    // of this module; null when it cannot be made. The object must outlive
    // the page's window.
    HPROPSHEETPAGE CreatePage(int templateId, const char* title = nullptr);

protected:
    CPropertyPageBase() = default;

    // The sheet that holds the page (null before WM_INITDIALOG).
    HWND Sheet() const { return m_hwnd ? GetParent(m_hwnd) : nullptr; }

    // Fills the record CreatePage hands to the system; a page made from an
    // in-memory template (tests) overrides it.
    virtual void DescribePage(PROPSHEETPAGEA& page, int templateId, const char* title);

private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
