// Reading and writing a settings record in a section of the profile.
#include <cstring>

#include "session/DataSourceApp.h"
#include "imaging/ImagingQuery.h"
#include "settings/ScanSettings.h"

namespace {

// One profile key and the field it fills: offset in the record and default.
struct SettingKey {
    const char* name;
    size_t offset;
    int16_t defaultValue;
};

#define TX_KEY(field, def) {#field, offsetof(ScanSettings, field), def}

// The keys in the order they are read.
const SettingKey kLoadKeys[] = {
    TX_KEY(ScanMode, 2),         TX_KEY(DPI, 300),          TX_KEY(Duplex, 0),
    TX_KEY(DetectEOP, 1),        TX_KEY(Brightness, 0),     TX_KEY(Contrast, 0),
    TX_KEY(Gamma, 18),           TX_KEY(Highlight, 255),    TX_KEY(Shadow, 0),
    TX_KEY(Top, 0),              TX_KEY(Left, 0),           TX_KEY(Bottom, 1000),
    TX_KEY(Right, 432),          TX_KEY(ContinuousScan, 0), TX_KEY(Rotation, 0),
    TX_KEY(UVOnTime, 0),         TX_KEY(Photo, 0),          TX_KEY(AutoCrop, 0),
    TX_KEY(Deskew, 0),           TX_KEY(Filter, 0),         TX_KEY(Invert, 0),
    TX_KEY(AutoRotate, 0),       TX_KEY(ColorDropType, 0),  TX_KEY(ColorDropThreshold, -1),
    TX_KEY(ColorDropMin, 35),    TX_KEY(ColorDropMax, 85),  TX_KEY(ColorDropSatMin, 75),
    TX_KEY(ColorDropLumMin, 25), TX_KEY(ColorDropBlobMin, 25), TX_KEY(ColorDropBWThreshold, -1),
};

// Written always, in this order.
const SettingKey kSaveKeys[] = {
    TX_KEY(ScanMode, 0), TX_KEY(DPI, 0),    TX_KEY(DetectEOP, 0), TX_KEY(Brightness, 0),
    TX_KEY(Contrast, 0), TX_KEY(Gamma, 0),  TX_KEY(Highlight, 0), TX_KEY(Shadow, 0),
    TX_KEY(Top, 0),      TX_KEY(Left, 0),   TX_KEY(Bottom, 0),    TX_KEY(Right, 0),
    TX_KEY(ContinuousScan, 0), TX_KEY(UVOnTime, 0),
};

// Written when the imaging library is available.
const SettingKey kSaveImagingKeys[] = {
    TX_KEY(AutoCrop, 0),         TX_KEY(Photo, 0),           TX_KEY(Deskew, 0),
    TX_KEY(Rotation, 0),         TX_KEY(AutoRotate, 0),      TX_KEY(ColorDropType, 0),
    TX_KEY(ColorDropThreshold, 0), TX_KEY(ColorDropMin, 0),  TX_KEY(ColorDropMax, 0),
    TX_KEY(ColorDropSatMin, 0),  TX_KEY(ColorDropLumMin, 0), TX_KEY(ColorDropBlobMin, 0),
    TX_KEY(ColorDropBWThreshold, 0),
};

// Written otherwise.
const SettingKey kSavePlainKeys[] = {TX_KEY(Filter, 0), TX_KEY(Invert, 0)};

#undef TX_KEY

int16_t* FieldOf(ScanSettings* r, size_t offset)
{
    return reinterpret_cast<int16_t*>(reinterpret_cast<unsigned char*>(r) + offset);
}

int16_t FieldOf(const ScanSettings* r, size_t offset)
{
    int16_t v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(r) + offset, sizeof v);
    return v;
}

template <size_t N>
void WriteKeys(const char* section, const ScanSettings* r, const SettingKey (&keys)[N])
{
    for (const SettingKey& k : keys) TheApp().WriteProfileInt(section, k.name, FieldOf(r, k.offset));
}

} // namespace

ScanSettings* LoadScanSettings(const char* section, ScanSettings* record)
{
    ScanSettings* r = record ? record : &TheApp().m_settings;
    std::memset(r, 0, sizeof *r);
    for (const SettingKey& k : kLoadKeys) {
        const int value = TheApp().GetProfileInt(section, k.name, k.defaultValue);
        *FieldOf(r, k.offset) = static_cast<int16_t>(value);
    }
    r->FileFormat = TWFF_BMP;
    ValidateScanSettings(r);
    return r;
}

void SaveScanSettings(const char* section, const ScanSettings* record)
{
    const ScanSettings* r = record ? record : &TheApp().m_settings;
    WriteKeys(section, r, kSaveKeys);
    if (ImagingAvailable())
        WriteKeys(section, r, kSaveImagingKeys);
    else
        WriteKeys(section, r, kSavePlainKeys);
}
