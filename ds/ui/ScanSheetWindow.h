// CScanSheet: the source's modeless property sheet on the application's
// thread, with the pages of SheetPages in tab order. Its own OK, Cancel and
// Apply buttons are hidden and cut off; the pages send it IDOK (Scan) and
// IDCANCEL. It polls the paper sensor every 167 ms while it is active and
// prefeeds a newly inserted sheet.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <memory>
#include <string>

#include "ui/PropertyPageBase.h"
#include "ui/ScanSheet.h"
#include "ui/ScanSheetPaperPoll.h"

class CScanSheet {
public:
    CScanSheet(HWND parent, int startSlot);
    ~CScanSheet();
    CScanSheet(const CScanSheet&) = delete;
    CScanSheet& operator=(const CScanSheet&) = delete;

    // Creates the modeless sheet window; false when it could not be made.
    bool Create();
    // Destroys the window (the parent is enabled first).
    void DestroyWindowNow();

    HWND Window() const { return m_hwnd; }
    HWND Parent() const { return m_parent; }
    // The page object of a slot (null when the slot has no page).
    CPropertyPageBase* Page(int slot) const;
    int ActiveSlot() const;
    // The pre-translation chain and the dialog-message handling of one of
    // the application's messages; true when consumed.
    bool Translate(MSG* message);

    void OnScan();
    void OnCancel();

private:
    static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void LayOut();
    bool OnPaperTick();
    void UseTimerTicks(bool timer);

    HWND m_hwnd = nullptr;
    HWND m_parent;
    int m_startSlot;
    std::unique_ptr<CPropertyPageBase> m_pages[kSheetSlotCount + 1];
    std::string m_titles[kSheetSlotCount + 1];
    CScanSheetPaperPoll m_paper;
    bool m_timerTicks = true;
    bool m_busy = false;
    bool m_pollPaper = true;
};
