// Fuzz target: the custom-data blob. The first byte chooses whether the
// imaging library is present and the claimed size (the real one or 80); the
// rest is the block. A blob that is taken must hold valid settings: reading
// it back a second time changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/ImagingQuery.h"
#include "session/CustomDataBlob.h"

namespace {
bool g_imaging = false;
bool Imaging() { return g_imaging; }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    g_imaging = data[0] & 1;
    SetImagingQuery(Imaging);
    std::vector<uint8_t> block(data + 1, data + size);
    const uint32_t claimed = (data[0] & 2) ? kCustomDataSize : static_cast<uint32_t>(block.size());
    // A claimed size larger than the block is the caller's lie the reader
    // cannot see; the source always passes the block's own size.
    if (claimed > block.size()) return 0;
    ScanSettings settings;
    std::memset(&settings, 0xA5, sizeof settings);
    if (!ReadCustomData(block.empty() ? nullptr : block.data(), claimed, &settings)) return 0;
    std::vector<uint8_t> again(kCustomDataSize);
    WriteCustomData(settings, again.data());
    ScanSettings second;
    if (!ReadCustomData(again.data(), kCustomDataSize, &second)) std::abort();
    if (std::memcmp(&second, &settings, sizeof settings) != 0) std::abort();
    return 0;
}
