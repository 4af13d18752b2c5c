#include "transfer/ImageSource.h"

int32_t g_scanStatus = kScanOk;

uint32_t PaddedRowBytes(uint32_t width, uint32_t bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1: return ((width + 7) / 8 + 3) / 4 * 4;
    case 4: return ((width + 1) / 2 + 3) / 4 * 4;
    case 8: return (width + 3) / 4 * 4;
    case 24: return (3 * width + 3) / 4 * 4;
    default: return 0;
    }
}
