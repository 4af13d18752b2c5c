// Geometry of the scan progress thumbnail, as plain arithmetic: its size
// inside the frame, the thumbnail rows due after so many image rows, the
// progress percentage, the row strides, and where the filled rows are drawn.
#pragma once

#include <cstddef>
#include <cstdint>

// The frame's client area loses this many pixels in each direction.
constexpr int kThumbnailMargin = 8;
// The filled rows end this many pixels above the bottom of the frame.
constexpr int kThumbnailBottomGap = 4;

struct ThumbnailSize {
    int width = 0;
    int height = 0;
};

// The thumbnail of an image in a frame of the given client size: the image
// itself when it is smaller than the area in both directions, otherwise the
// image scaled to fit with its aspect ratio; the width is lowered to a
// multiple of 4. Empty (0 x 0) when nothing can be shown.
ThumbnailSize FitThumbnail(int imageWidth, int imageHeight, int clientWidth, int clientHeight);

// Thumbnail rows that correspond to `rowsReceived` image rows (rows beyond
// the image height count as the whole image).
int ThumbnailRowsDue(int thumbnailHeight, int64_t rowsReceived, int imageHeight);

// The progress bar's position for `rowsReceived` of `imageHeight`, 0 to 100.
int ProgressPercent(int64_t rowsReceived, int imageHeight);

// Bytes per row of scanned rows of that depth (1, 8 or 24 bits), padded to 4.
std::size_t SourceRowBytes(int bitsPerPixel, int width);
// Bytes per row of the 24-bit thumbnail, padded to 4.
std::size_t ThumbnailRowBytes(int width);

// The arguments of the device-independent-bitmap draw of the filled rows of
// a top-down thumbnail: bottom-aligned and centred in the frame's client
// area. `sourceY` counts from the bottom of the bitmap, as the draw call
// does, so the rows drawn are the first `rowsFilled` of the thumbnail.
struct ThumbnailDraw {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int sourceX = 0;
    int sourceY = 0;
    int firstLine = 0;
    int lines = 0;
};
ThumbnailDraw PlaceThumbnail(int clientWidth, int clientHeight, ThumbnailSize thumbnail, int rowsFilled);
