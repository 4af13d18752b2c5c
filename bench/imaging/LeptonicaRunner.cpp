// The measured operations with Leptonica (see Runners.h), each done the way
// Leptonica's own programs do it: skew on a 1-bit image without the
// border-connected background, found on 4x and 2x reduced images and
// refined, rotation by area mapping (1-bit by shear, as Leptonica chooses),
// the page as the largest component of what is brighter than the backing,
// orientation on the 1-bit straightened page, and Sauvola binarisation.
#include "Runners.h"

#include <leptonica/allheaders.h>

#include <ctime>

static const int kQuiet = (setMsgSeverity(L_SEVERITY_ERROR), 0);

namespace bench {
namespace {

// Processor time of this (single-threaded) program: the machines that run
// the benchmark are shared, and wall time would count the others' work.
struct Clock {
    static std::clock_t now() { return std::clock(); }
};
double Since(std::clock_t t0) { return static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC; }

// Our rows at their depth to a Leptonica image (1 bit: Leptonica's 1 is black).
PIX* ToPix(const vz::Image& img) {
    const int depth = img.bpp == 24 ? 32 : img.bpp;
    PIX* pix = pixCreate(img.width, img.height, depth);
    pixSetResolution(pix, img.xres, img.yres);
    l_uint32* data = pixGetData(pix);
    const int wpl = pixGetWpl(pix);
    for (int y = 0; y < img.height; ++y) {
        const uint8_t* s = img.row(y);
        l_uint32* line = data + static_cast<size_t>(y) * wpl;
        if (img.bpp == 24) {
            for (int x = 0; x < img.width; ++x, s += 3) composeRGBPixel(s[0], s[1], s[2], line + x);
        } else if (img.bpp == 8) {
            for (int x = 0; x < img.width; ++x) SET_DATA_BYTE(line, x, s[x]);
        } else {
            for (size_t i = 0; i < img.stride; ++i) SET_DATA_BYTE(line, i, static_cast<uint8_t>(~s[i]));
            pixSetPadBits(pix, 0);
        }
    }
    return pix;
}

// Grey of any depth but 1 (a new reference).
PIX* GreyOf(PIX* pix) {
    return pixGetDepth(pix) == 32 ? pixConvertRGBToLuminance(pix) : pixClone(pix);
}

// 1 bit, black as Leptonica's foreground.
PIX* BinaryOf(PIX* pix) {
    if (pixGetDepth(pix) == 1) return pixClone(pix);
    PIX* grey = GreyOf(pix);
    PIX* bin = pixConvertTo1(grey, 130);
    pixDestroy(&grey);
    return bin;
}

PIX* Deskew(PIX* pix, double* clockwise) {
    PIX* bin = BinaryOf(pix);
    PIX* text = pixRemoveBorderConnComps(bin, 8);
    l_float32 angle = 0.0f, conf = 0.0f;
    // pixFindSkew's own range is +/-7 degrees; give it ours (reductions 4 and
    // 2, steps of 1 degree, search down to 0.01 as its defaults).
    pixFindSkewSweepAndSearch(text, &angle, &conf, 4, 2, 10.5f, 1.0f, 0.01f);
    *clockwise = -angle;  // Leptonica gives the angle that deskews
    PIX* straight = pixRotate(pix, static_cast<l_float32>(angle * 3.14159265358979323846 / 180.0),
                              L_ROTATE_AREA_MAP, L_BRING_IN_BLACK, 0, 0);
    pixDestroy(&text);
    pixDestroy(&bin);
    return straight;
}

// The largest component brighter than the backing, cut out.
PIX* Crop(PIX* pix, vz::Box* found) {
    PIX* page = nullptr;
    if (pixGetDepth(pix) == 1) {
        page = pixInvert(nullptr, pix);
    } else {
        PIX* grey = GreyOf(pix);
        page = pixThresholdToBinary(grey, vz::kDefaultBackgroundLevel + 1);
        pixInvert(page, page);
        pixDestroy(&grey);
    }
    BOXA* boxes = pixConnCompBB(page, 4);
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
        *found = vz::Box{x, y, w, h};
        cropped = pixClipRectangle(pix, box, nullptr);
        boxDestroy(&box);
    } else {
        cropped = pixClone(pix);
    }
    boxaDestroy(&boxes);
    pixDestroy(&page);
    return cropped;
}

}  // namespace

PageOutcome RunLeptonica(const vz::Image& scan, const vz::Image& straightScan) {
    PageOutcome out;
    PIX* pix = ToPix(scan);  // conversions are not timed: they stand for the scan
    PIX* flat = ToPix(straightScan);

    auto t0 = Clock::now();
    PIX* straight = Deskew(pix, &out.skewFound);
    out.seconds.deskew = Since(t0);

    vz::Box unused;
    t0 = Clock::now();
    PIX* flatCropped = Crop(flat, &unused);
    out.seconds.crop = Since(t0);

    PIX* cropped = Crop(straight, &out.box);

    t0 = Clock::now();
    PIX* bin = BinaryOf(cropped);
    l_float32 upconf = 0, leftconf = 0;
    l_int32 orient = L_TEXT_ORIENT_UNKNOWN;
    pixOrientDetect(bin, &upconf, &leftconf, 0, 0);
    makeOrientDecision(upconf, leftconf, 0, 0, &orient, 0);
    out.seconds.orient = Since(t0);
    // Text up to the left needs a clockwise quarter turn, up to the right three.
    out.turn = orient == L_TEXT_ORIENT_LEFT ? 1 : orient == L_TEXT_ORIENT_DOWN ? 2 : orient == L_TEXT_ORIENT_RIGHT ? 3 : 0;
    out.confident = orient != L_TEXT_ORIENT_UNKNOWN;
    out.confidence = static_cast<float>(orient == L_TEXT_ORIENT_UP || orient == L_TEXT_ORIENT_DOWN ? upconf : leftconf);

    if (pixGetDepth(cropped) != 1) {
        t0 = Clock::now();
        PIX* grey = GreyOf(cropped);
        PIX* sauvola = nullptr;
        pixSauvolaBinarize(grey, 25, 0.34f, 1, nullptr, nullptr, nullptr, &sauvola);
        out.seconds.binarise = Since(t0);
        pixDestroy(&sauvola);
        pixDestroy(&grey);
    }
    pixDestroy(&bin);
    pixDestroy(&cropped);
    pixDestroy(&flatCropped);
    pixDestroy(&straight);
    pixDestroy(&flat);
    pixDestroy(&pix);
    return out;
}

}  // namespace bench
