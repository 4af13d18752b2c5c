// Writes the seed corpora of the custom-data and container fuzz targets.
// Usage: seeds_ds <custom-data folder> <container folder>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "caps/AppContainer.h"
#include "session/CustomDataBlob.h"

namespace {

void Save(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void Put(std::vector<uint8_t>& b, uint32_t v, int width)
{
    for (int i = 0; i < width; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    const std::string blobs = argv[1], containers = argv[2];
    ScanSettings s;
    std::memset(&s, 0, sizeof s);
    s.ScanMode = kModeGray;
    s.DPI = 300;
    s.Gamma = 18;
    s.Highlight = 255;
    s.Right = 8500;
    s.Bottom = 11000;
    for (int mode = 0; mode < 4; ++mode) {
        std::vector<uint8_t> blob(1 + kCustomDataSize);
        blob[0] = static_cast<uint8_t>(mode);
        WriteCustomData(s, blob.data() + 1);
        Save(blobs + "/blob" + std::to_string(mode), blob);
    }
    // One value, enumeration (good and with a bad index), range; both widths.
    for (int wide = 0; wide < 2; ++wide) {
        const int w = wide ? 4 : 2;
        const uint8_t flag = wide ? 4 : 0;
        std::vector<uint8_t> one{static_cast<uint8_t>(0 | flag)};
        Put(one, wide ? TWTY_UINT32 : TWTY_UINT16, 2);
        Put(one, 300, 4);
        Save(containers + "/onevalue" + std::to_string(w), one);
        for (uint32_t current : {1u, 7u}) {
            std::vector<uint8_t> e{static_cast<uint8_t>(1 | flag)};
            Put(e, wide ? TWTY_UINT32 : TWTY_UINT16, 2);
            Put(e, 3, 4);
            Put(e, current, 4);
            Put(e, 0, 4);
            for (uint32_t v : {100u, 200u, 300u}) Put(e, v, w);
            Save(containers + "/enum" + std::to_string(w) + "_" + std::to_string(current), e);
        }
        std::vector<uint8_t> r{static_cast<uint8_t>(2 | flag)};
        Put(r, TWTY_INT32, 2);
        for (uint32_t v : {50u, 600u, 50u, 300u, 150u}) Put(r, v, 4);
        Save(containers + "/range" + std::to_string(w), r);
    }
    return 0;
}
