// A real modeless property sheet around given pages, driven with PSM_
// messages, for the tests of the Advanced page.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>
#include <vector>

class PageSheet {
public:
    explicit PageSheet(const std::vector<HPROPSHEETPAGE>& pages, HWND owner = nullptr);
    ~PageSheet();
    PageSheet(const PageSheet&) = delete;
    PageSheet& operator=(const PageSheet&) = delete;

    HWND Sheet() const { return m_sheet; }
    HWND Page() const;  // the current page
    // Presses Cancel and closes the sheet as its owner would.
    void Cancel();
    // One press of an arrow key on a trackbar, as the user gives it.
    static void StepRight(HWND trackbar);
    static std::string Text(HWND window, int id);

private:
    HWND m_sheet = nullptr;
};

// Dispatches this thread's pending messages.
void PumpMessages();

// Collects pages handed to an add-page callback.
BOOL CALLBACK CollectPage(HPROPSHEETPAGE page, LPARAM lParam);  // lParam: std::vector<HPROPSHEETPAGE>*
BOOL CALLBACK RefusePage(HPROPSHEETPAGE page, LPARAM lParam);

// Polls `done` every 10 ms for up to `ms` milliseconds, pumping messages.
bool PumpUntil(const std::function<bool()>& done, DWORD ms);
