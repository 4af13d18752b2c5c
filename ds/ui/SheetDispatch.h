// Handlers of the sheet and its pages may close the sheet (Cancel, Scan, a
// close from the application's notification handler). The windows go at
// once; the objects are deleted only when the outermost handler of the sheet
// or a page has returned, so that no handler returns into a deleted object.
#pragma once

#include <memory>

class CScanSheet;

// Held for the length of every message handler of the sheet and its pages.
class SheetDispatchScope {
public:
    SheetDispatchScope();
    ~SheetDispatchScope();
    SheetDispatchScope(const SheetDispatchScope&) = delete;
    SheetDispatchScope& operator=(const SheetDispatchScope&) = delete;
};

// Deletes the sheet now, or once no handler is running.
void RetireSheet(std::unique_ptr<CScanSheet> sheet);
