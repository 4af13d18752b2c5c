// Fuzz target: the BMP reader of the imaging core. Whatever the bytes, decoding
// must not read or write outside the buffers; a decoded image must hold the
// pixels its geometry claims and must survive a round trip through the writer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vz::Image image;
    if (vz::DecodeBmp(data, size, image) != vz::Status::Ok) return 0;
    std::vector<uint8_t> encoded;
    if (vz::EncodeBmp(image, encoded) != vz::Status::Ok) std::abort();
    vz::Image again;
    if (vz::DecodeBmp(encoded.data(), encoded.size(), again) != vz::Status::Ok) std::abort();
    if (again.width != image.width || again.height != image.height) std::abort();
    return 0;
}
