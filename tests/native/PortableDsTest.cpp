// The data source's portable pieces on exact-length host buffers, so that the
// sanitizers see any read past a block: the container reader and the
// custom-data blob.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ValidSettings.h"
#include "caps/AppContainer.h"
#include "imaging/ImagingQuery.h"
#include "session/CustomDataBlob.h"
#include "session/IdentitySignature.h"

namespace {

void Put(std::vector<uint8_t>& b, uint32_t v, int width)
{
    for (int i = 0; i < width; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> Enumeration(uint32_t count, uint32_t current, const std::vector<uint32_t>& items, int width)
{
    std::vector<uint8_t> b;
    Put(b, width == 4 ? TWTY_UINT32 : TWTY_UINT16, 2);
    Put(b, count, 4);
    Put(b, current, 4);
    Put(b, 0, 4);
    for (uint32_t v : items) Put(b, v, width);
    return b;
}

AppContainerRead Read(TW_UINT16 type, const std::vector<uint8_t>& b, unsigned width, AppValue& out)
{
    // A copy of exactly the block's length: one byte more would be past it.
    std::vector<uint8_t> exact(b);
    return ReadAppContainerBytes(type, exact.empty() ? nullptr : exact.data(), exact.size(), width, out);
}

TEST(PortableContainer, EveryShapeIsReadWithinItsBlock)
{
    AppValue v;
    std::vector<uint8_t> one;
    Put(one, TWTY_UINT16, 2);
    Put(one, 0xBEEF, 2);
    Put(one, 0, 2);
    EXPECT_EQ(AppContainerRead::Ok, Read(TWON_ONEVALUE, one, 2, v));
    EXPECT_EQ(0xBEEFu, v.value);
    one.pop_back();
    EXPECT_EQ(AppContainerRead::Unsafe, Read(TWON_ONEVALUE, one, 2, v)) << "a one value one byte short";

    const auto e = Enumeration(3, 2, {150, 300, 600}, 2);
    ASSERT_EQ(AppContainerRead::Ok, Read(TWON_ENUMERATION, e, 2, v));
    EXPECT_EQ((std::vector<TW_UINT32>{150, 300, 600}), v.items);
    EXPECT_EQ(600u, v.value);

    std::vector<uint8_t> r;
    Put(r, TWTY_INT32, 2);
    for (uint32_t x : {50u, 600u, 10u, 300u, 200u}) Put(r, x, 4);
    ASSERT_EQ(AppContainerRead::Ok, Read(TWON_RANGE, r, 4, v));
    EXPECT_EQ(50u, v.minValue);
    EXPECT_EQ(600u, v.maxValue);
    EXPECT_EQ(10u, v.stepSize);
    EXPECT_EQ(200u, v.value);
    r.pop_back();
    EXPECT_EQ(AppContainerRead::Unsafe, Read(TWON_RANGE, r, 4, v));
}

TEST(PortableContainer, LyingCountsAndIndexesAreRefused)
{
    AppValue v;
    // Counts that claim more items than the block holds, one of them so large
    // that a 32-bit size product would wrap to a small one.
    for (uint32_t count : {4u, 0x40000001u, 0xFFFFFFFFu})
        EXPECT_EQ(AppContainerRead::Unsafe, Read(TWON_ENUMERATION, Enumeration(count, 0, {1, 2, 3}, 4), 4, v))
            << count;
    EXPECT_EQ(AppContainerRead::BadIndex, Read(TWON_ENUMERATION, Enumeration(3, 3, {1, 2, 3}, 2), 2, v));
    EXPECT_EQ(AppContainerRead::BadIndex, Read(TWON_ENUMERATION, Enumeration(0, 0, {}, 2), 2, v));
    const std::vector<uint8_t> header(13, 0);
    EXPECT_EQ(AppContainerRead::Unsafe, Read(TWON_ENUMERATION, header, 2, v)) << "shorter than its header";
    EXPECT_EQ(AppContainerRead::Unsafe, Read(TWON_ARRAY, Enumeration(1, 0, {1}, 2), 2, v));
    EXPECT_EQ(AppContainerRead::Unsafe, Read(TWON_ONEVALUE, {}, 2, v)) << "no block at all";
}

bool WithImaging() { return true; }

TEST(PortableCustomData, BlobRoundTripsAndDamagedBlobsChangeNothing)
{
    const ImagingQueryFn previous = SetImagingQuery(WithImaging);
    ScanSettings s = ValidScanSettings();
    s.DPI = 200;
    uint8_t blob[kCustomDataSize];
    WriteCustomData(s, blob);
    EXPECT_EQ(0, std::memcmp(blob, kIdentitySignature, 8));

    ScanSettings read{};
    ASSERT_TRUE(ReadCustomData(blob, kCustomDataSize, &read));
    EXPECT_EQ(0, std::memcmp(&s, &read, sizeof s));

    const ScanSettings before = read;
    EXPECT_FALSE(ReadCustomData(blob, kCustomDataSize - 1, &read));
    EXPECT_FALSE(ReadCustomData(nullptr, kCustomDataSize, &read));
    uint8_t wrong[kCustomDataSize];
    std::memcpy(wrong, blob, sizeof wrong);
    wrong[8] = 2; // another format version
    EXPECT_FALSE(ReadCustomData(wrong, kCustomDataSize, &read));
    std::memcpy(wrong, blob, sizeof wrong);
    wrong[0] ^= 1;
    EXPECT_FALSE(ReadCustomData(wrong, kCustomDataSize, &read));
    EXPECT_EQ(0, std::memcmp(&before, &read, sizeof read)) << "a refused blob leaves the settings alone";
    SetImagingQuery(previous);
}

TEST(PortableCustomData, OutOfRangeFieldsAreValidatedInTheBlock)
{
    ScanSettings s = ValidScanSettings();
    s.ScanMode = 3;
    s.Brightness = 500;
    s.Gamma = 99;
    uint8_t blob[kCustomDataSize];
    WriteCustomData(s, blob);
    ScanSettings read{};
    ASSERT_TRUE(ReadCustomData(blob, kCustomDataSize, &read));
    EXPECT_EQ(kModeBlackWhite, read.ScanMode);
    EXPECT_EQ(0, read.Brightness);
    EXPECT_EQ(18, read.Gamma);
    ScanSettings inBlock;
    std::memcpy(&inBlock, blob + kCustomDataSettingsOffset, sizeof inBlock);
    EXPECT_EQ(0, std::memcmp(&inBlock, &read, sizeof read)) << "the block holds what was taken";
}

} // namespace
