// Adding a page to the sheet: include its header and put its class in the
// slot's make field.
#include "ui/SheetPages.h"

#include "common/text/DsTexts.h"
#include "imaging/ImagingQuery.h"
#include "ui/AdvancedSettingsPage.h"
#include "ui/CustomSettingsPage.h"
#include "ui/InformationPage.h"
#include "ui/PresetPage.h"
#include "ui/ScanSheet.h"
#include "ui/resource.h"

namespace {

template <class Page>
std::unique_ptr<CPropertyPageBase> Make()
{
    return std::unique_ptr<CPropertyPageBase>(new Page());
}

int PresetTemplate() { return IDD_PRESET_PAGE; }
int CustomTemplate() { return ImagingAvailable() ? IDD_CUSTOM_PAGE_IMAGING : IDD_CUSTOM_PAGE; }
int AdvancedTemplate() { return IDD_ADVANCED_PAGE; }
int InformationTemplate() { return IDD_INFORMATION_PAGE; }

const SheetSlotEntry kSlots[kSheetSlotCount] = {
    {&Make<CPresetPage>, &PresetTemplate, &tx::dstext::kTxtPagePreset},
    {&Make<CCustomSettingsPage>, &CustomTemplate, &tx::dstext::kTxtPageCustom},
    {&Make<CAdvancedSettingsPage>, &AdvancedTemplate, &tx::dstext::kTxtPageAdvanced},
    {&Make<CInformationPage>, &InformationTemplate, &tx::dstext::kTxtPageInformation},
};

} // namespace

const SheetSlotEntry& SheetSlotAt(int slot)
{
    return kSlots[(slot >= 0 && slot < kSheetSlotCount) ? slot : 0];
}
