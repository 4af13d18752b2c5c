// The IPT_ exports that create, describe, copy, save and free images.
#include "ExportGuard.h"
#include "core/BmpFile.h"

#include <cstring>
#include <memory>

using namespace vzdll;

namespace {

// Largest resolution taken from a caller, dots per inch.
constexpr int kMaxResolution = 100000;

int32_t Adopt(std::unique_ptr<vz::Image> image, IptImage* out) {
    *out = Register(std::move(image));
    return IPT_OK;
}

bool DescriptionOk(const IptImageDescription* d) {
    if (!RecordOk(d) || !d->pixels || !vz::ValidDepth(d->bitsPerPixel)) return false;
    if (d->width <= 0 || d->height <= 0 || d->width > vz::kMaxSide || d->height > vz::kMaxSide) return false;
    if (d->xResolution <= 0 || d->yResolution <= 0 || d->xResolution > kMaxResolution ||
        d->yResolution > kMaxResolution)
        return false;
    size_t packed = vz::PackedRowBytes(d->bitsPerPixel, d->width);
    return d->bytesPerRow > 0 && d->bytesPerRow % 4 == 0 && static_cast<size_t>(d->bytesPerRow) >= packed;
}

}  // namespace

extern "C" {

int32_t IPT_Initialize(int32_t flags) {
    if (flags != 0) return IPT_BAD_PARAMETER;
    AddInitialization();
    return IPT_OK;
}

int32_t IPT_Uninitialize(void) { return RemoveInitialization() ? IPT_OK : IPT_NOT_INITIALIZED; }

int32_t IPT_CreateImageFromMemory(IptImage* out, const IptImageDescription* d) {
    return Guarded([&]() -> int32_t {
        if (!out) return IPT_BAD_PARAMETER;
        *out = nullptr;
        if (!DescriptionOk(d)) return IPT_BAD_PARAMETER;
        auto image = std::make_unique<vz::Image>();
        vz::MakeImage(*image, d->width, d->height, d->bitsPerPixel, d->xResolution, d->yResolution);
        for (int y = 0; y < d->height; ++y)
            std::memcpy(image->row(y), d->pixels + static_cast<size_t>(y) * d->bytesPerRow, image->stride);
        if (d->bitsPerPixel == 1 && d->width % 8) {  // bits past the width are not ours to keep
            uint8_t keep = static_cast<uint8_t>(0xFF00u >> (d->width % 8));
            for (int y = 0; y < d->height; ++y) image->row(y)[image->stride - 1] &= keep;
        }
        return Adopt(std::move(image), out);
    });
}

int32_t IPT_CreateImageFromFile(IptImage* out, const char* path) {
    return Guarded([&]() -> int32_t {
        if (!out) return IPT_BAD_PARAMETER;
        *out = nullptr;
        if (!path) return IPT_BAD_PARAMETER;
        auto image = std::make_unique<vz::Image>();
        vz::Status s = vz::ReadBmp(path, *image);
        if (s != vz::Status::Ok) return ToResult(s);
        return Adopt(std::move(image), out);
    });
}

int32_t IPT_FreeImage(IptImage image) {
    return Guarded([&]() -> int32_t { return Release(image) ? IPT_OK : IPT_BAD_IMAGE; });
}

int32_t IPT_SaveImageToFile(IptImage handle, const char* path) {
    return Guarded([&]() -> int32_t {
        vz::Image* image = Find(handle);
        if (!image) return IPT_BAD_IMAGE;
        if (!path) return IPT_BAD_PARAMETER;
        return ToResult(vz::WriteBmp(path, *image));
    });
}

int32_t IPT_SaveImageToMemory(IptImage handle, IptMemoryOutput* output) {
    return OnImage(handle, output, [&](vz::Image& image) -> int32_t {
        size_t needed = image.stride * static_cast<size_t>(image.height);
        if (!output->buffer || output->bufferSize < 0 || static_cast<uint64_t>(output->bufferSize) < needed)
            return IPT_BAD_PARAMETER;
        std::memcpy(output->buffer, image.pixels.data(), needed);
        return IPT_OK;
    });
}

int32_t IPT_GetProperties(IptImage handle, IptProperties* properties) {
    return OnImage(handle, properties, [&](vz::Image& image) -> int32_t {
        properties->bitsPerPixel = image.bpp;
        properties->xResolution = image.xres;
        properties->yResolution = image.yres;
        properties->width = image.width;
        properties->height = image.height;
        return IPT_OK;
    });
}

int32_t IPT_Copy(IptImage* copy, IptImage source) {
    return Guarded([&]() -> int32_t {
        if (!copy) return IPT_BAD_PARAMETER;
        *copy = nullptr;
        vz::Image* image = Find(source);
        if (!image) return IPT_BAD_IMAGE;
        return Adopt(std::make_unique<vz::Image>(*image), copy);
    });
}

}  // extern "C"
