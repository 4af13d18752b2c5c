#include "ui/ThumbnailPalette.h"

#include <vector>

namespace {

constexpr int kGreyCount = 36;
constexpr int kGreyBase = 3;
constexpr int kGreyStep = 7;
constexpr int kCubeSide = 6;
constexpr int kCubeStep = 51;

PALETTEENTRY Entry(int r, int g, int b)
{
    PALETTEENTRY e;
    e.peRed = static_cast<BYTE>(r);
    e.peGreen = static_cast<BYTE>(g);
    e.peBlue = static_cast<BYTE>(b);
    e.peFlags = 0;
    return e;
}

} // namespace

void FillThumbnailPalette(int bitsPerPixel, PALETTEENTRY (&entries)[kThumbnailPaletteSize])
{
    if (bitsPerPixel != 24) {
        for (int i = 0; i < kThumbnailPaletteSize; ++i)
            entries[i] = Entry(i, i, i);
        return;
    }
    int n = 0;
    for (int i = 0; i < kGreyCount; ++i) {
        const int level = kGreyBase + kGreyStep * i;
        entries[n++] = Entry(level, level, level);
    }
    for (int r = 0; r < kCubeSide; ++r)
        for (int g = 0; g < kCubeSide; ++g)
            for (int b = 0; b < kCubeSide; ++b)
                entries[n++] = Entry(r * kCubeStep, g * kCubeStep, b * kCubeStep);
    while (n < kThumbnailPaletteSize)
        entries[n++] = Entry(255, 255, 255);
}

HPALETTE CreateThumbnailPalette(int bitsPerPixel)
{
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * kThumbnailPaletteSize);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = kThumbnailPaletteSize;
    PALETTEENTRY entries[kThumbnailPaletteSize];
    FillThumbnailPalette(bitsPerPixel, entries);
    for (int i = 0; i < kThumbnailPaletteSize; ++i)
        palette->palPalEntry[i] = entries[i];
    return CreatePalette(palette);
}
