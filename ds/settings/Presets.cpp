#include "settings/Presets.h"

#include <cstdio>
#include <cstring>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "session/DataSourceApp.h"
#include "twain/Twain.h"

namespace {

struct PageSize {
    int16_t top, left, bottom, right;
    const tx::TextTable* name;
};

const PageSize kPageSizes[kPageSizeCount] = {
    {0, 0, 217, 354, &tx::dstext::kTxtSizeBusinessCard},
    {0, 0, 500, 350, &tx::dstext::kTxtSizePhoto},
    {0, 0, 600, 400, &tx::dstext::kTxtSizeLargePhoto},
    {0, 0, 800, 400, &tx::dstext::kTxtSizePanorama},
};

struct PresetDefault {
    uint16_t mode;
    int16_t dpi;
    int pageSize;
};

const PresetDefault kPresetDefaults[kPresetCount] = {
    {kModeColor, 150, 3},
    {kModeColor, 150, 2},
    {kModeGray, 300, 2},
    {kModeGray, 200, 1},
    {kModeBlackWhite, 300, 1},
};

ScanSettings& Target(ScanSettings* record) { return record ? *record : TheApp().m_settings; }

bool IsSaved(const std::string& section) { return TheApp().GetProfileInt(section.c_str(), "DPI", 0) != 0; }

} // namespace

std::string PresetSection(int n)
{
    char section[16];
    std::snprintf(section, sizeof section, "PRESET_%d", n);
    return section;
}

void PresetDefaults(int n, ScanSettings* record)
{
    ScanSettings& s = Target(record);
    std::memset(&s, 0, sizeof s);
    s.DetectEOP = 1;
    s.Gamma = 18;
    s.Highlight = 255;
    s.Bottom = kScanAreaLength;
    s.Right = kScanAreaWidth;
    s.ColorDropThreshold = -1;
    s.ColorDropMin = 35;
    s.ColorDropMax = 85;
    s.ColorDropSatMin = 75;
    s.ColorDropLumMin = 25;
    s.ColorDropBlobMin = 25;
    s.ColorDropBWThreshold = -1;
    s.FileFormat = TWFF_BMP;
    const PresetDefault& d = kPresetDefaults[(n >= 0 && n < kPresetCount) ? n : 0];
    s.ScanMode = d.mode;
    s.DPI = d.dpi;
    ApplyPageSize(d.pageSize, &s);
}

void LoadPreset(int n, ScanSettings* record)
{
    const std::string section = PresetSection(n);
    if (IsSaved(section))
        LoadScanSettings(section.c_str(), &Target(record));
    else
        PresetDefaults(n, record);
}

void SavePreset(int n, const ScanSettings* record)
{
    const std::string section = PresetSection(n);
    if (!IsSaved(section)) TheApp().WriteProfileInt(section.c_str(), "Locked", 0);
    SaveScanSettings(section.c_str(), record);
}

bool IsPresetLocked(int n) { return TheApp().GetProfileInt(PresetSection(n).c_str(), "Locked", 0) != 0; }

void ApplyPageSize(int k, ScanSettings* record)
{
    const PageSize& size = kPageSizes[(k >= 1 && k <= kPageSizeCount) ? k - 1 : 0];
    ScanSettings& s = Target(record);
    s.Top = size.top;
    s.Left = size.left;
    s.Bottom = size.bottom;
    s.Right = size.right;
}

int MatchPageSize(const ScanSettings& s)
{
    for (int k = 1; k <= kPageSizeCount; ++k) {
        const PageSize& size = kPageSizes[k - 1];
        if (s.Top == size.top && s.Bottom == size.bottom && s.Left == size.left && s.Right == size.right)
            return k;
    }
    return 0;
}

std::string PageSizeName(int index)
{
    if (index < 0 || index >= kPageSizeCount) return std::string();
    return tx::DsText(*kPageSizes[index].name);
}
