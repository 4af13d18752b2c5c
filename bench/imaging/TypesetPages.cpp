// Real-typography sheets and scanner effects (see TypesetPages.h).
#include "TypesetPages.h"

#include <leptonica/allheaders.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace bench {
namespace {

bool FromPix(PIX* pix, int dpi, vz::Image& out) {
    PIX* rgb = pixConvertTo32(pix);
    if (!rgb) return false;
    const int w = pixGetWidth(rgb), h = pixGetHeight(rgb), wpl = pixGetWpl(rgb);
    bool ok = vz::MakeImage(out, w, h, 24, dpi, dpi);
    const l_uint32* data = pixGetData(rgb);
    for (int y = 0; ok && y < h; ++y) {
        const l_uint32* line = data + static_cast<size_t>(y) * wpl;
        uint8_t* d = out.row(y);
        for (int x = 0; x < w; ++x, d += 3) {
            l_int32 r, g, b;
            extractRGBValues(line[x], &r, &g, &b);
            d[0] = static_cast<uint8_t>(r);
            d[1] = static_cast<uint8_t>(g);
            d[2] = static_cast<uint8_t>(b);
        }
    }
    pixDestroy(&rgb);
    return ok;
}

}  // namespace

std::vector<TypesetSheet> LoadTypesetSheets(const std::string& dir) {
    std::vector<TypesetSheet> sheets;
    std::ifstream list(dir + "/list.txt");
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string file;
        int dpi = 0;
        if (!(fields >> file >> dpi)) continue;
        PIX* pix = pixRead((dir + "/" + file).c_str());
        if (!pix) continue;
        TypesetSheet sheet;
        sheet.name = file.substr(0, file.rfind('.'));
        if (FromPix(pix, dpi, sheet.image)) sheets.push_back(std::move(sheet));
        pixDestroy(&pix);
    }
    return sheets;
}

void AddBlurAndNoise(vz::Image& image, int noise, uint32_t seed) {
    const int w = image.width, h = image.height, n = image.bpp / 8;
    if (n < 1) return;
    vz::Image src = image;
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> jitter(-noise, noise);
    for (int y = 0; y < h; ++y) {
        const uint8_t* up = src.row(y > 0 ? y - 1 : y);
        const uint8_t* mid = src.row(y);
        const uint8_t* down = src.row(y + 1 < h ? y + 1 : y);
        uint8_t* d = image.row(y);
        for (int x = 0; x < w; ++x) {
            const int xl = (x > 0 ? x - 1 : x) * n, xc = x * n, xr = (x + 1 < w ? x + 1 : x) * n;
            const int e = jitter(rng);
            for (int k = 0; k < n; ++k) {
                auto col = [&](int at) { return up[at + k] + 2 * mid[at + k] + down[at + k]; };
                int v = (col(xl) + 2 * col(xc) + col(xr) + 8) / 16 + e;
                d[xc + k] = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
            }
        }
    }
}

vz::Image AtDepth(const vz::Image& colour, int bpp) {
    if (bpp == 24) return colour;
    vz::Image grey = vz::ToGrey(colour);
    return bpp == 8 ? grey : vz::GreyToBinary(grey, 128);
}

}  // namespace bench
