// What the pages of the source's property sheet use of the sheet: the slots
// in tab order, the Scan and Cancel commands, the paper status the sheet's
// timer keeps fresh, and the message that switches the paper polling.
//
// A page's Scan button calls ScanSheetScan() (or sends WM_COMMAND IDOK to the
// sheet window, which does the same); its Cancel button ScanSheetCancel().
// Both may close the sheet: the window and its pages are destroyed, and the
// objects are deleted once the message that caused it has been handled, so a
// page handler may still return through its own members, but must not use
// its windows after the call.
#pragma once

#include <windows.h>

// The page slots, in tab order.
enum SheetSlot : int {
    kSlotPreset = 0,
    kSlotCustom = 1,
    kSlotAdvanced = 2,
    kSlotInformation = 3,
    kSheetSlotCount = 4,
};

// The Scan command of the sheet, from the active page: the checks before the
// scan, the saves in the application's profile section, then either the
// acquisition with MSG_XFERREADY (the sheet closes) or, when enabled for
// settings only, MSG_CLOSEDSOK. A beep when the active page cannot scan.
void ScanSheetScan();
// Closes the sheet and sends MSG_CLOSEDSREQ.
void ScanSheetCancel();

// The sheet's window, or null when no sheet is open.
HWND ScanSheetHwnd();
// The slot of the active page; -1 without a sheet.
int ScanSheetActiveSlot();

// WM_APP + 100 to the sheet: wParam 0 stops the paper polling, non-zero
// starts it again (a preview scan turns it off while it runs).
constexpr UINT kMsgPollPaper = WM_APP + 100;
// Sent by the sheet to the Custom Settings page's window when the sheet is
// activated while that page is in front: the page refreshes itself.
constexpr UINT kMsgRefreshPage = WM_APP + 101;
// The clock of the paper poll. WM_APP + 102 with wParam non-zero takes the
// ticks off the sheet's 167 ms timer: from then on the poll runs only on
// WM_APP + 103, one tick per message (the result is 1 when the sensor was
// read). wParam 0 gives the ticks back to the timer. A harness uses this to
// step the poll at its own pace.
constexpr UINT kMsgPaperClock = WM_APP + 102;
constexpr UINT kMsgPaperTick = WM_APP + 103;

// The paper status the sheet's timer read last, and whether a page must read
// it itself (set until the timer has read it).
extern bool g_sheetPaperPresent;
extern bool g_sheetPaperRefresh;
