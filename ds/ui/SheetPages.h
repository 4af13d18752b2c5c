// The pages of the sheet, one entry per slot (ScanSheet.h). A page is a
// CPropertyPageBase with a default constructor that takes its values from
// TheApp().m_settings; a slot without a page class stays out of the sheet,
// and the others keep their order.
#pragma once

#include <memory>

#include "common/text/TextTable.h"
#include "ui/PropertyPageBase.h"

struct SheetSlotEntry {
    // Makes the page object; null while the page does not exist.
    std::unique_ptr<CPropertyPageBase> (*make)();
    // The page's dialog template.
    int (*templateId)();
    // Its localised title.
    const tx::TextTable* title;
};

// The entry of slot 0..kSheetSlotCount-1.
const SheetSlotEntry& SheetSlotAt(int slot);
