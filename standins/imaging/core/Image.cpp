// Image construction and depth conversions (see Image.h).
#include "Image.h"

namespace vz {

bool MakeImage(Image& out, int width, int height, int bpp, int xres, int yres) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || !ValidDepth(bpp))
        return false;
    Image img;
    img.width = width;
    img.height = height;
    img.bpp = bpp;
    img.xres = xres;
    img.yres = yres;
    img.stride = PackedRowBytes(bpp, width);
    img.pixels.assign(img.stride * static_cast<size_t>(height), 0);
    out = std::move(img);
    return true;
}

Image ToGrey(const Image& src) {
    if (src.bpp == 8) return src;
    Image out;
    MakeImage(out, src.width, src.height, 8, src.xres, src.yres);
    for (int y = 0; y < src.height; ++y) {
        const uint8_t* s = src.row(y);
        uint8_t* d = out.row(y);
        if (src.bpp == 24) {
            for (int x = 0; x < src.width; ++x, s += 3) d[x] = Luma(s[0], s[1], s[2]);
        } else {
            for (int x = 0; x < src.width; ++x)
                d[x] = ((s[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
        }
    }
    return out;
}

const uint8_t* GreyRow(const Image& src, int y, std::vector<uint8_t>& scratch) {
    if (src.bpp == 8) return src.row(y);
    scratch.resize(static_cast<size_t>(src.width));
    const uint8_t* s = src.row(y);
    uint8_t* d = scratch.data();
    if (src.bpp == 24) {
        for (int x = 0; x < src.width; ++x, s += 3) d[x] = Luma(s[0], s[1], s[2]);
    } else {
        for (int x = 0; x < src.width; ++x) d[x] = ((s[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
    }
    return d;
}

Image GreyToBinary(const Image& grey, int threshold) {
    Image out;
    MakeImage(out, grey.width, grey.height, 1, grey.xres, grey.yres);
    for (int y = 0; y < grey.height; ++y) {
        const uint8_t* s = grey.row(y);
        uint8_t* d = out.row(y);
        for (int x = 0; x < grey.width; ++x)
            if (s[x] >= threshold) d[x >> 3] |= static_cast<uint8_t>(0x80u >> (x & 7));
    }
    return out;
}

Image ToColour(const Image& src) {
    if (src.bpp == 24) return src;
    Image grey = ToGrey(src);
    Image out;
    MakeImage(out, src.width, src.height, 24, src.xres, src.yres);
    for (int y = 0; y < src.height; ++y) {
        const uint8_t* s = grey.row(y);
        uint8_t* d = out.row(y);
        for (int x = 0; x < src.width; ++x, d += 3) d[0] = d[1] = d[2] = s[x];
    }
    return out;
}

}  // namespace vz
