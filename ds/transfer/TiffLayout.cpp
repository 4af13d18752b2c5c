#include "transfer/TiffLayout.h"

#include <cstring>
#include <new>

namespace {

constexpr uint16_t kTypeShort = 3;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeRational = 5;
constexpr uint32_t kHeaderBytes = 8;
constexpr uint32_t kEntryBytes = 12;
constexpr uint64_t kLargest = 0xFFFFFFFFull;

enum Tag : uint16_t {
    kImageWidth = 256,
    kImageLength = 257,
    kBitsPerSample = 258,
    kCompression = 259,
    kPhotometric = 262,
    kStripOffsets = 273,
    kSamplesPerPixel = 277,
    kRowsPerStrip = 278,
    kStripByteCounts = 279,
    kXResolution = 282,
    kYResolution = 283,
    kPlanarConfiguration = 284,
    kResolutionUnit = 296,
};
constexpr uint16_t kEntries = 13;

void Put16(uint8_t* p, uint32_t v)
{
    const uint16_t w = static_cast<uint16_t>(v);
    std::memcpy(p, &w, 2);
}
void Put32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

// Where everything of the head lies, from the page's geometry.
struct Plan {
    uint32_t rowBytes = 0;
    uint32_t strips = 0;
    uint32_t samples = 0;
    uint32_t bitsAt = 0;       // three shorts, colour only
    uint32_t xResAt = 0;
    uint32_t yResAt = 0;
    uint32_t offsetsAt = 0;    // arrays only when there is more than one strip
    uint32_t countsAt = 0;
    uint32_t pixelsAt = 0;
    uint64_t total = 0;
};

bool MakePlan(const TiffPage& page, uint32_t rowsPerStrip, Plan* plan)
{
    plan->rowBytes = TiffRowBytes(page.width, page.bitsPerPixel);
    if (plan->rowBytes == 0 || page.length == 0 || rowsPerStrip == 0 || page.width > 0x7FFFFFFF) return false;
    plan->samples = page.bitsPerPixel == 24 ? 3 : 1;
    plan->strips = static_cast<uint32_t>((uint64_t(page.length) + rowsPerStrip - 1) / rowsPerStrip);
    uint64_t at = kHeaderBytes + 2 + uint64_t(kEntries) * kEntryBytes + 4;
    if (plan->samples == 3) {
        plan->bitsAt = static_cast<uint32_t>(at);
        at += 6 + 2;   // three shorts, kept 4-byte aligned
    }
    plan->xResAt = static_cast<uint32_t>(at);
    plan->yResAt = static_cast<uint32_t>(at + 8);
    at += 16;
    if (plan->strips > 1) {
        plan->offsetsAt = static_cast<uint32_t>(at);
        at += uint64_t(plan->strips) * 4;
        plan->countsAt = static_cast<uint32_t>(at);
        at += uint64_t(plan->strips) * 4;
    }
    const uint64_t pixels = uint64_t(plan->rowBytes) * page.length;
    plan->total = at + pixels;
    if (plan->total > kLargest) return false;
    plan->pixelsAt = static_cast<uint32_t>(at);
    return true;
}

void PutEntry(uint8_t*& p, uint16_t tag, uint16_t type, uint32_t count, uint32_t value)
{
    Put16(p, tag);
    Put16(p + 2, type);
    Put32(p + 4, count);
    Put32(p + 8, 0);
    if (type == kTypeShort && count == 1)
        Put16(p + 8, value);
    else
        Put32(p + 8, value);
    p += kEntryBytes;
}

} // namespace

uint32_t TiffRowBytes(uint32_t width, uint32_t bitsPerPixel)
{
    if (width == 0) return 0;
    switch (bitsPerPixel) {
    case 1: return (width + 7) / 8;
    case 8: return width;
    case 24: return width <= 0xFFFFFFFFu / 3 ? 3 * width : 0;
    default: return 0;
    }
}

uint64_t TiffFileLength(const TiffPage& page, uint32_t rowsPerStrip)
{
    Plan plan;
    return MakePlan(page, rowsPerStrip, &plan) ? plan.total : 0;
}

bool BuildTiffHead(const TiffPage& page, uint32_t rowsPerStrip, std::vector<uint8_t>* head)
{
    head->clear();
    Plan plan;
    if (!MakePlan(page, rowsPerStrip, &plan)) return false;
    try {
        head->assign(plan.pixelsAt, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    uint8_t* const base = head->data();
    base[0] = base[1] = 'I';
    Put16(base + 2, 42);
    Put32(base + 4, kHeaderBytes);
    Put16(base + kHeaderBytes, kEntries);

    const uint32_t lastRows = page.length - (plan.strips - 1) * rowsPerStrip;
    const uint32_t fullBytes = rowsPerStrip * plan.rowBytes;   // below the total: no overflow
    const bool oneStrip = plan.strips == 1;
    uint8_t* p = base + kHeaderBytes + 2;
    PutEntry(p, kImageWidth, kTypeLong, 1, page.width);
    PutEntry(p, kImageLength, kTypeLong, 1, page.length);
    PutEntry(p, kBitsPerSample, kTypeShort, plan.samples, plan.samples == 3 ? plan.bitsAt : page.bitsPerPixel);
    PutEntry(p, kCompression, kTypeShort, 1, 1);
    PutEntry(p, kPhotometric, kTypeShort, 1, plan.samples == 3 ? 2 : 1);
    PutEntry(p, kStripOffsets, kTypeLong, plan.strips, oneStrip ? plan.pixelsAt : plan.offsetsAt);
    PutEntry(p, kSamplesPerPixel, kTypeShort, 1, plan.samples);
    PutEntry(p, kRowsPerStrip, kTypeLong, 1, oneStrip ? page.length : rowsPerStrip);
    PutEntry(p, kStripByteCounts, kTypeLong, plan.strips,
             oneStrip ? lastRows * plan.rowBytes : plan.countsAt);
    PutEntry(p, kXResolution, kTypeRational, 1, plan.xResAt);
    PutEntry(p, kYResolution, kTypeRational, 1, plan.yResAt);
    PutEntry(p, kPlanarConfiguration, kTypeShort, 1, 1);
    PutEntry(p, kResolutionUnit, kTypeShort, 1, 2);   // inches
    Put32(p, 0);                                       // no further image

    if (plan.samples == 3)
        for (int i = 0; i < 3; ++i) Put16(base + plan.bitsAt + 2 * i, 8);
    for (uint32_t at : {plan.xResAt, plan.yResAt}) {
        Put32(base + at, page.resolution);
        Put32(base + at + 4, 1);
    }
    if (!oneStrip)
        for (uint32_t i = 0; i < plan.strips; ++i) {
            Put32(base + plan.offsetsAt + 4 * i, plan.pixelsAt + i * fullBytes);
            Put32(base + plan.countsAt + 4 * i, i + 1 < plan.strips ? fullBytes : lastRows * plan.rowBytes);
        }
    return true;
}
