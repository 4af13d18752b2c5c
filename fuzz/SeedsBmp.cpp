// Writes the seed corpus of the BMP reader's fuzz target: small files of every
// depth the writer makes, then variants the reader also takes (top-down, a
// longer information header, an 8-bit colour palette, a 1-bit white-first
// palette). Usage: seeds_bmp <folder>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/BmpFile.h"

namespace {

void Save(const std::string& dir, const std::string& name, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void Put32(std::vector<uint8_t>& b, size_t at, int32_t v) { std::memcpy(&b[at], &v, 4); }

std::vector<uint8_t> Encoded(int w, int h, int bpp)
{
    vz::Image image;
    vz::MakeImage(image, w, h, bpp);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<uint8_t>(i * 37);
    std::vector<uint8_t> out;
    vz::EncodeBmp(image, out);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    const std::string dir = argv[1];
    const int depths[] = {1, 8, 24};
    for (int bpp : depths) {
        Save(dir, "plain" + std::to_string(bpp) + ".bmp", Encoded(5, 3, bpp));
        std::vector<uint8_t> topDown = Encoded(7, 2, bpp);
        int32_t h;
        std::memcpy(&h, &topDown[22], 4);
        Put32(topDown, 22, -h);
        Save(dir, "topdown" + std::to_string(bpp) + ".bmp", topDown);
    }
    // An 8-bit file whose palette is not grey.
    std::vector<uint8_t> colour = Encoded(4, 4, 8);
    colour[54 + 4 * 3] = 200;
    Save(dir, "palette8.bmp", colour);
    // A 1-bit file with white first in its palette.
    std::vector<uint8_t> white = Encoded(9, 2, 1);
    for (int i = 0; i < 3; ++i) { white[54 + i] = 255; white[58 + i] = 0; }
    Save(dir, "whitefirst1.bmp", white);
    // A 124-byte information header: the extra bytes sit before the palette.
    std::vector<uint8_t> v5 = Encoded(3, 3, 8);
    v5.insert(v5.begin() + 54, 124 - 40, 0);
    Put32(v5, 14, 124);
    int32_t offset;
    std::memcpy(&offset, &v5[10], 4);
    Put32(v5, 10, offset + 84);
    Put32(v5, 2, static_cast<int32_t>(v5.size()));
    Save(dir, "header124.bmp", v5);
    return 0;
}
