#include "session/ScanSheetLink.h"

namespace {
const ScanSheetCalls* g_sheet = DefaultScanSheetCalls();
} // namespace

const ScanSheetCalls* SetScanSheetCalls(const ScanSheetCalls* calls)
{
    const ScanSheetCalls* before = g_sheet;
    g_sheet = calls;
    return before;
}

bool OpenScanSheet(HWND parent, int page, bool settingsOnly)
{
    return g_sheet && g_sheet->open && g_sheet->open(parent, page, settingsOnly);
}

void CloseScanSheet()
{
    if (g_sheet && g_sheet->close) g_sheet->close();
}

HWND ScanSheetWindow() { return g_sheet && g_sheet->window ? g_sheet->window() : nullptr; }

bool TranslateSheetMessage(MSG* message)
{
    return message && g_sheet && g_sheet->translate && g_sheet->translate(message);
}
