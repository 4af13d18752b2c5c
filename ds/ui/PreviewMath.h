// The arithmetic of the Custom Settings page's preview: the display tone
// table, the frame from mouse points and back, the zoom's scroll ranges, the
// ruler marks and the size and free-space read-outs. Plain functions, so
// that they are tested without windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/ScanSettings.h"

// The scan area in hundredths of an inch: across and along.
constexpr int kAreaWidth = 432;
constexpr int kAreaLength = 1000;
// A frame narrower or shorter than this (hundredths) is refused.
constexpr int kMinFrame = 50;

// Fills the 256-entry tone table from the tone values (gammaArg is Gamma - 8).
void BuildToneTable(uint8_t table[256], int brightness, int contrast, int gammaArg, int highlight, int shadow);
// The table the preview is shown through: the record's tone values, then the
// black-and-white threshold and the inversion the record asks for.
void DisplayToneTable(uint8_t table[256], const ScanSettings& settings);

// Sets the record's frame from two corners of a client of cw x ch pixels.
void FrameFromPoints(int ax, int ay, int bx, int by, int cw, int ch, ScanSettings& settings);
// The frame's rectangle in client pixels (zoom 1, no scrolling).
struct PixelRect { int left, top, right, bottom; };
PixelRect TrackerFromFrame(const ScanSettings& settings, int cw, int ch);

// The resolution a preview picture counts with: pels per metre as dpi, at least 30.
int PreviewResolution(int32_t pelsPerMeter);
// The scroll bar's maximum (quarter-inch units at zoom 1) for a picture of
// `pixels` at `resolution` shown at `zoom` over an area of `area` hundredths.
int ZoomScrollMax(int pixels, int resolution, int zoom, int area);

// One mark of a ruler: its pixel position, a long or short tick, and the
// number printed at it (-1: none).
struct RulerMark {
    int position;
    bool longTick;
    int label;
};
// The marks of a ruler `length` pixels long (horizontal: across the scan
// area), in inches (units 1) or centimetres (0), at zoom and scroll offset.
std::vector<RulerMark> RulerMarks(bool horizontal, int units, int zoom, int scroll, int length);

// "Width: 4.3 in" (units 1) or "Width: 11.0 cm" (0) for a length in hundredths.
std::string LengthText(const std::string& label, int hundredths, int units);
// "Image size: 11.12 MB": the frame at the record's mode and resolution.
std::string ImageSizeText(const std::string& label, const ScanSettings& settings);
// "Free disk space: 10.00 GB"; "Free disk space: xxx" when not known.
std::string FreeSpaceText(const std::string& label, bool known, uint64_t bytes);
