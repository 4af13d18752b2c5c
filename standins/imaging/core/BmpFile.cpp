// BMP reading and writing (see BmpFile.h).
#include "BmpFile.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace vz {
namespace {

uint32_t Get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(uint8_t* p, uint32_t v) { for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i)); }
void Put16(uint8_t* p, uint16_t v) { p[0] = static_cast<uint8_t>(v); p[1] = static_cast<uint8_t>(v >> 8); }

struct FileCloser { void operator()(std::FILE* f) const { if (f) std::fclose(f); } };
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Dots per inch from pixels per metre (300 when the header has none), in
// 64 bits: a large count from the file must not wrap to a small resolution.
int DpiOf(uint32_t perMetre) {
    return perMetre ? static_cast<int>((uint64_t{perMetre} * 254 + 5000) / 10000) : 300;
}

// Pixels per metre for the header from dots per inch: none for a resolution
// below one, the largest count the field holds for one beyond it.
uint32_t PerMetreOf(int dpi) {
    if (dpi <= 0) return 0;
    const uint64_t perMetre = static_cast<uint64_t>(dpi) * 10000 / 254;
    return perMetre > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(perMetre);
}

}  // namespace

Status DecodeBmp(const uint8_t* d, size_t size, Image& out) {
    if (!d || size < 54 || d[0] != 'B' || d[1] != 'M') return Status::Unsupported;
    uint32_t offBits = Get32(d + 10), infoSize = Get32(d + 14);
    if (infoSize < 40 || 14 + static_cast<size_t>(infoSize) > size) return Status::Unsupported;
    int32_t width = static_cast<int32_t>(Get32(d + 18)), height = static_cast<int32_t>(Get32(d + 22));
    uint16_t bits = Get16(d + 28);
    uint32_t compression = Get32(d + 30), colours = Get32(d + 46);
    if (compression != 0 || (bits != 1 && bits != 8 && bits != 24)) return Status::Unsupported;
    bool topDown = height < 0;
    if (height == INT32_MIN) return Status::Unsupported;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return Status::Unsupported;
    size_t paletteEntries = bits == 24 ? 0 : (colours ? colours : (1u << bits));
    if (paletteEntries > (1u << bits)) return Status::Unsupported;
    const uint8_t* palette = d + 14 + infoSize;
    if (14 + static_cast<size_t>(infoSize) + 4 * paletteEntries > size) return Status::Unsupported;
    size_t rowBytes = ((static_cast<size_t>(bits) * width + 31) / 32) * 4;
    if (offBits > size || rowBytes * height > size - offBits) return Status::Unsupported;

    bool greyPalette = true;
    for (size_t i = 0; i < paletteEntries; ++i)
        if (palette[4 * i] != palette[4 * i + 1] || palette[4 * i + 1] != palette[4 * i + 2]) greyPalette = false;
    int depth = bits == 24 ? 24 : bits == 1 ? 1 : (greyPalette ? 8 : 24);
    Image img;
    if (!MakeImage(img, width, height, depth, DpiOf(Get32(d + 38)), DpiOf(Get32(d + 42))))
        return Status::Unsupported;
    bool flip1 = false;
    if (bits == 1 && paletteEntries == 2) {
        int l0 = Luma(palette[2], palette[1], palette[0]), l1 = Luma(palette[6], palette[5], palette[4]);
        flip1 = l0 > l1;
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t* s = d + offBits + rowBytes * static_cast<size_t>(topDown ? y : height - 1 - y);
        uint8_t* t = img.row(y);
        if (bits == 24) {
            for (int x = 0; x < width; ++x) { t[3 * x] = s[3 * x + 2]; t[3 * x + 1] = s[3 * x + 1]; t[3 * x + 2] = s[3 * x]; }
        } else if (bits == 1) {
            for (size_t i = 0; i < img.stride; ++i) t[i] = flip1 ? static_cast<uint8_t>(~s[i]) : s[i];
            if (width % 8) t[img.stride - 1] &= static_cast<uint8_t>(0xFF00u >> (width % 8));
        } else {
            for (int x = 0; x < width; ++x) {
                size_t e = s[x] < paletteEntries ? s[x] : 0;
                const uint8_t* c = palette + 4 * e;
                if (depth == 8) t[x] = c[0];
                else { t[3 * x] = c[2]; t[3 * x + 1] = c[1]; t[3 * x + 2] = c[0]; }
            }
        }
    }
    out = std::move(img);
    return Status::Ok;
}

Status EncodeBmp(const Image& img, std::vector<uint8_t>& out) {
    if (img.empty() || !ValidDepth(img.bpp)) return Status::BadParameter;
    size_t paletteEntries = img.bpp == 1 ? 2 : img.bpp == 8 ? 256 : 0;
    size_t rowBytes = ((static_cast<size_t>(img.bpp) * img.width + 31) / 32) * 4;
    size_t offBits = 54 + 4 * paletteEntries;
    size_t total = offBits + rowBytes * img.height;
    if (total > 0xFFFFFFFFu) return Status::Unsupported;
    out.assign(total, 0);
    uint8_t* d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    Put32(d + 2, static_cast<uint32_t>(total));
    Put32(d + 10, static_cast<uint32_t>(offBits));
    Put32(d + 14, 40);
    Put32(d + 18, static_cast<uint32_t>(img.width));
    Put32(d + 22, static_cast<uint32_t>(img.height));
    Put16(d + 26, 1);
    Put16(d + 28, static_cast<uint16_t>(img.bpp));
    Put32(d + 34, static_cast<uint32_t>(rowBytes * img.height));
    Put32(d + 38, PerMetreOf(img.xres));
    Put32(d + 42, PerMetreOf(img.yres));
    Put32(d + 46, static_cast<uint32_t>(paletteEntries));
    Put32(d + 50, static_cast<uint32_t>(paletteEntries));
    for (size_t i = 0; i < paletteEntries; ++i) {
        uint8_t v = paletteEntries == 2 ? static_cast<uint8_t>(i * 255) : static_cast<uint8_t>(i);
        d[54 + 4 * i] = d[55 + 4 * i] = d[56 + 4 * i] = v;
    }
    for (int y = 0; y < img.height; ++y) {
        uint8_t* t = d + offBits + rowBytes * static_cast<size_t>(img.height - 1 - y);
        const uint8_t* s = img.row(y);
        if (img.bpp == 24) {
            for (int x = 0; x < img.width; ++x) { t[3 * x] = s[3 * x + 2]; t[3 * x + 1] = s[3 * x + 1]; t[3 * x + 2] = s[3 * x]; }
        } else {
            std::memcpy(t, s, img.stride);
        }
    }
    return Status::Ok;
}

Status ReadBmp(const std::string& path, Image& out) {
    FilePtr f(std::fopen(path.c_str(), "rb"));
    if (!f) return Status::FileError;
    if (std::fseek(f.get(), 0, SEEK_END) != 0) return Status::FileError;
    long length = std::ftell(f.get());
    if (length < 0 || std::fseek(f.get(), 0, SEEK_SET) != 0) return Status::FileError;
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (length > 0 && std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return Status::FileError;
    return DecodeBmp(bytes.data(), bytes.size(), out);
}

Status WriteBmp(const std::string& path, const Image& image) {
    std::vector<uint8_t> bytes;
    Status s = EncodeBmp(image, bytes);
    if (s != Status::Ok) return s;
    FilePtr f(std::fopen(path.c_str(), "wb"));
    if (!f) return Status::FileError;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return Status::FileError;
    return Status::Ok;
}

}  // namespace vz
