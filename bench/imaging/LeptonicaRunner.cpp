// The measured operations with Leptonica (see Runners.h), each done the way
// Leptonica's own programs do it: skew on a 1-bit image without the
// border-connected background, rotation by area mapping, the page as the
// largest component of what is brighter than the background, orientation on
// the 1-bit straightened page, and Sauvola binarisation.
#include "Runners.h"

#include <leptonica/allheaders.h>

#include <chrono>
#include <cstring>

static const int kQuiet = (setMsgSeverity(L_SEVERITY_ERROR), 0);

namespace bench {
namespace {

// Our RGB rows to a 32-bit Leptonica image.
PIX* ToPix(const vz::Image& img) {
    PIX* pix = pixCreate(img.width, img.height, 32);
    pixSetResolution(pix, img.xres, img.yres);
    l_uint32* data = pixGetData(pix);
    int wpl = pixGetWpl(pix);
    for (int y = 0; y < img.height; ++y) {
        const uint8_t* s = img.row(y);
        l_uint32* line = data + static_cast<size_t>(y) * wpl;
        for (int x = 0; x < img.width; ++x, s += 3) composeRGBPixel(s[0], s[1], s[2], line + x);
    }
    return pix;
}

}  // namespace

PageOutcome RunLeptonica(const vz::Image& page) {
    PageOutcome out;
    PIX* rgb = ToPix(page);  // conversion is not timed: it stands for the scan
    auto t0 = std::chrono::steady_clock::now();
    // Deskew.
    PIX* grey = pixConvertRGBToLuminance(rgb);
    PIX* bin = pixConvertTo1(grey, 130);
    PIX* text = pixRemoveBorderConnComps(bin, 8);
    l_float32 angle = 0.0f, conf = 0.0f;
    // pixFindSkew's own range is +/-7 degrees; give it ours (reductions 4 and
    // 2, steps of 1 degree, search down to 0.01 as its defaults).
    pixFindSkewSweepAndSearch(text, &angle, &conf, 4, 2, 10.5f, 1.0f, 0.01f);
    out.skewFound = -angle;  // Leptonica gives the angle that deskews
    PIX* straight = pixRotate(rgb, static_cast<l_float32>(angle * 3.14159265358979323846 / 180.0), L_ROTATE_AREA_MAP,
                              L_BRING_IN_BLACK, 0, 0);
    // Page box: the largest component brighter than the background.
    PIX* sgrey = pixConvertRGBToLuminance(straight);
    PIX* dark = pixThresholdToBinary(sgrey, vz::kDefaultBackgroundLevel + 1);
    pixInvert(dark, dark);
    BOXA* boxes = pixConnCompBB(dark, 4);
    int best = -1, bestArea = -1;
    for (int i = 0; i < boxaGetCount(boxes); ++i) {
        l_int32 x, y, w, h;
        boxaGetBoxGeometry(boxes, i, &x, &y, &w, &h);
        if (w * h > bestArea) { bestArea = w * h; best = i; }
    }
    PIX* cropped = nullptr;
    if (best >= 0) {
        BOX* box = boxaGetBox(boxes, best, L_CLONE);
        l_int32 x, y, w, h;
        boxGetGeometry(box, &x, &y, &w, &h);
        out.box = vz::Box{x, y, w, h};
        cropped = pixClipRectangle(sgrey, box, nullptr);
        boxDestroy(&box);
    } else {
        cropped = pixClone(sgrey);
    }
    auto t1 = std::chrono::steady_clock::now();
    // Orientation.
    PIX* cbin = pixConvertTo1(cropped, 130);
    l_float32 upconf = 0, leftconf = 0;
    l_int32 orient = L_TEXT_ORIENT_UNKNOWN;
    pixOrientDetect(cbin, &upconf, &leftconf, 0, 0);
    makeOrientDecision(upconf, leftconf, 0, 0, &orient, 0);
    auto t2 = std::chrono::steady_clock::now();
    // Text up to the left needs a clockwise quarter turn, up to the right three.
    out.turn = orient == L_TEXT_ORIENT_LEFT ? 1 : orient == L_TEXT_ORIENT_DOWN ? 2 : orient == L_TEXT_ORIENT_RIGHT ? 3 : 0;
    out.confident = orient != L_TEXT_ORIENT_UNKNOWN;
    out.confidence = static_cast<float>(orient == L_TEXT_ORIENT_UP || orient == L_TEXT_ORIENT_DOWN ? upconf : leftconf);
    // Binarisation.
    PIX* sauvola = nullptr;
    pixSauvolaBinarize(cropped, 25, 0.34f, 1, nullptr, nullptr, nullptr, &sauvola);
    auto t3 = std::chrono::steady_clock::now();
    out.seconds = std::chrono::duration<double>(t3 - t0).count();
    out.orientSeconds = std::chrono::duration<double>(t2 - t1).count();
    pixDestroy(&sauvola);
    pixDestroy(&cbin);
    pixDestroy(&cropped);
    boxaDestroy(&boxes);
    pixDestroy(&dark);
    pixDestroy(&sgrey);
    pixDestroy(&straight);
    pixDestroy(&text);
    pixDestroy(&bin);
    pixDestroy(&grey);
    pixDestroy(&rgb);
    return out;
}

}  // namespace bench
