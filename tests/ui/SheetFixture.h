// A test application that shows the source's own dialog: it opens the source
// with the simulated scanner, enables it with the dialog, finds the sheet
// among the windows of its own thread and drives it with window messages
// while its loop passes every message through MSG_PROCESSEVENT.
#pragma once

#include <windows.h>

#include <string>

#include "XferFixture.h"

class SheetTest : public XferTest {
public:
    SheetTest() : XferTest("Sheet App") {}
    // The profile file of the source and its values.
    static std::string ProfilePath();

protected:
    void SetUp() override;
    void TearDown() override;

    static void PutProfile(const char* section, const char* key, const char* value);
    static std::string GetProfile(const char* section, const char* key);

    // MSG_ENABLEDS with ShowUI (or MSG_ENABLEDSUIONLY); `ui` gets the record back.
    TW_UINT16 EnableWithDialog(bool settingsOnly = false, TW_USERINTERFACE* ui = nullptr);
    // The sheet among this thread's windows (a dialog holding a page), or null.
    static HWND FindSheet();
    // The page in front, and the sheet's page index in front.
    static HWND CurrentPage(HWND sheet);
    static int CurrentIndex(HWND sheet);
    // The index of the tab titled `title`, or -1.
    static int TabIndex(HWND sheet, const char* title);
    // A preset button of the Pre-set page (n 0..4).
    static HWND PresetButton(HWND sheet, int n);
    // Runs the loop until `done` or `ms`.
    void Pump(DWORD ms, const std::function<bool()>& done = {}) { app.PumpEvents(ms, done); }
};
