#include "ui/ThumbnailGeometry.h"

#include <algorithm>

ThumbnailSize FitThumbnail(int imageWidth, int imageHeight, int clientWidth, int clientHeight)
{
    ThumbnailSize size;
    const int64_t areaWidth = int64_t(clientWidth) - kThumbnailMargin;
    const int64_t areaHeight = int64_t(clientHeight) - kThumbnailMargin;
    if (imageWidth <= 0 || imageHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return size;

    int64_t width = imageWidth;
    int64_t height = imageHeight;
    if (!(imageWidth < areaWidth && imageHeight < areaHeight)) {
        if (int64_t(imageHeight) * areaWidth < int64_t(imageWidth) * areaHeight) {
            width = areaWidth;
            height = int64_t(imageHeight) * areaWidth / imageWidth;
        } else {
            height = areaHeight;
            width = int64_t(imageWidth) * areaHeight / imageHeight;
        }
    }
    width -= width % 4;
    if (width <= 0 || height <= 0)
        return size;
    size.width = static_cast<int>(width);
    size.height = static_cast<int>(height);
    return size;
}

int ThumbnailRowsDue(int thumbnailHeight, int64_t rowsReceived, int imageHeight)
{
    if (thumbnailHeight <= 0 || imageHeight <= 0 || rowsReceived <= 0)
        return 0;
    const int64_t rows = std::min<int64_t>(rowsReceived, imageHeight);
    return static_cast<int>(int64_t(thumbnailHeight) * rows / imageHeight);
}

int ProgressPercent(int64_t rowsReceived, int imageHeight)
{
    if (imageHeight <= 0 || rowsReceived <= 0)
        return 0;
    const int64_t rows = std::min<int64_t>(rowsReceived, imageHeight);
    return static_cast<int>(rows * 100 / imageHeight);
}

std::size_t SourceRowBytes(int bitsPerPixel, int width)
{
    if (width <= 0)
        return 0;
    const std::size_t w = static_cast<std::size_t>(width);
    switch (bitsPerPixel) {
    case 1:
        return ((w + 7) / 8 + 3) / 4 * 4;
    case 8:
        return (w + 3) / 4 * 4;
    case 24:
        return (3 * w + 3) / 4 * 4;
    default:
        return 0;
    }
}

std::size_t ThumbnailRowBytes(int width)
{
    return width <= 0 ? 0 : (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

ThumbnailDraw PlaceThumbnail(int clientWidth, int clientHeight, ThumbnailSize thumbnail, int rowsFilled)
{
    ThumbnailDraw draw;
    rowsFilled = std::max(0, std::min(rowsFilled, thumbnail.height));
    draw.x = (clientWidth - thumbnail.width) / 2;
    draw.y = clientHeight - rowsFilled - kThumbnailBottomGap;
    draw.width = thumbnail.width;
    draw.height = rowsFilled;
    draw.sourceX = 0;
    draw.sourceY = thumbnail.height - rowsFilled;
    draw.firstLine = 0;
    draw.lines = thumbnail.height;
    return draw;
}
