#include "session/CustomDataBlob.h"

#include <cstring>

#include "session/IdentitySignature.h"

void WriteCustomData(const ScanSettings& settings, uint8_t* out)
{
    std::memcpy(out, kIdentitySignature, 8);
    const uint8_t version[4] = {kCustomDataVersion & 0xFF, 0, 0, 0};
    std::memcpy(out + 8, version, 4);
    std::memcpy(out + kCustomDataSettingsOffset, &settings, sizeof settings);
}

bool ReadCustomData(uint8_t* block, uint32_t size, ScanSettings* settings)
{
    if (!block || size != kCustomDataSize) return false;
    if (std::memcmp(block, kIdentitySignature, 8) != 0) return false;
    const uint32_t version = block[8] | (block[9] << 8) | (block[10] << 16) | (uint32_t(block[11]) << 24);
    if (version != kCustomDataVersion) return false;
    ScanSettings incoming;
    std::memcpy(&incoming, block + kCustomDataSettingsOffset, sizeof incoming);
    ValidateScanSettings(&incoming);
    std::memcpy(block + kCustomDataSettingsOffset, &incoming, sizeof incoming);
    *settings = incoming;
    return true;
}
