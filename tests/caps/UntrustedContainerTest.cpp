// Containers an application builds itself are checked before they are read:
// a missing or foreign handle, a block shorter than its header and items
// claim, an enumeration index beyond its items. Each is refused with
// TWCC_BADVALUE and changes nothing; the application's block is never freed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "CapClient.h"
#include "CountingManager.h"
#include "caps/CustomCaps.h"

namespace {

std::vector<uint8_t> Enumeration(TW_UINT16 itemType, TW_UINT32 count, TW_UINT32 current,
                                 const std::vector<TW_UINT32>& items, unsigned width)
{
    std::vector<uint8_t> b;
    auto put = [&b](TW_UINT32 v, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put(itemType, 2);
    put(count, 4);
    put(current, 4);
    put(0, 4);
    for (TW_UINT32 item : items) put(item, width);
    return b;
}

class UntrustedContainer : public CapTest {
protected:
    void SetUp() override
    {
        CapTest::SetUp();
        ASSERT_TRUE(c.Open());
        counting::Reset();
    }
    // Sends the block, expects a refusal, checks that the block is still the
    // application's, untouched, and frees it.
    void ExpectRefused(TW_UINT16 cap, TW_UINT16 conType, const std::vector<uint8_t>& bytes, const char* what)
    {
        TW_HANDLE block = MakeBlock(bytes);
        ASSERT_NE(block, nullptr);
        {
        SCOPED_TRACE(what);
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetBlock(cap, conType, block));
    }
        EXPECT_EQ(GlobalSize(block), bytes.size()) << what << ": the block is still ours";
        if (!bytes.empty()) {
            EXPECT_EQ(std::memcmp(GlobalLock(block), bytes.data(), bytes.size()), 0) << what;
            GlobalUnlock(block);
        }
        GlobalFree(block);
    }
    CapClient c{true};
};

TEST_F(UntrustedContainer, HandlesThatAreNoBlocks)
{
    const ScanSettings before = c.Settings();
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.SetBlock(ICAP_XRESOLUTION, TWON_ONEVALUE, nullptr));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE,
                 c.SetBlock(ICAP_XRESOLUTION, TWON_ONEVALUE, reinterpret_cast<TW_HANDLE>(0x10)));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_BADVALUE, c.h.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, nullptr));
    EXPECT_EQ(c.Settings().DPI, before.DPI);
}

TEST_F(UntrustedContainer, BlocksShorterThanTheyClaim)
{
    // A one value cut after its type, and one cut inside its item.
    ExpectRefused(CAP_XFERCOUNT, TWON_ONEVALUE, {TWTY_INT16, 0}, "2-byte one value");
    ExpectRefused(CUSTCAP_EOPSENSITIVITY, TWON_ONEVALUE, {TWTY_INT32, 0, 50, 0, 0}, "5-byte one value");
    // An enumeration header without its end, and one claiming more items than it holds.
    ExpectRefused(ICAP_XFERMECH, TWON_ENUMERATION, {TWTY_UINT16, 0, 1, 0, 0, 0}, "cut header");
    ExpectRefused(ICAP_XRESOLUTION, TWON_ENUMERATION,
                  Enumeration(TWTY_FIX32, 1000, 0, {Fix(150), Fix(600)}, 4), "1000 items claimed, 2 given");
    ExpectRefused(ICAP_PIXELTYPE, TWON_ENUMERATION, Enumeration(TWTY_UINT16, 0xFFFFFFFF, 0, {1, 2}, 2),
                  "a count that would wrap the size");
    // A range of 20 bytes.
    ExpectRefused(ICAP_BRIGHTNESS, TWON_RANGE, std::vector<uint8_t>(20, 0), "short range");
    EXPECT_EQ(c.Settings().DPI, 300);
    Container get;
    c.Ask(ICAP_XRESOLUTION, MSG_GET, &get);
    EXPECT_EQ(get.items.size(), 4u) << "the enabled resolutions are unchanged";
    c.Ask(ICAP_PIXELTYPE, MSG_GET, &get);
    EXPECT_EQ(get.items.size(), 3u) << "the allowed pixel types are unchanged";
}

TEST_F(UntrustedContainer, EnumerationIndexBeyondItsItemsForEveryCapability)
{
    ExpectRefused(ICAP_XRESOLUTION, TWON_ENUMERATION, Enumeration(TWTY_FIX32, 2, 2, {Fix(150), Fix(600)}, 4),
                  "resolution index 2 of 2");
    ExpectRefused(ICAP_PIXELTYPE, TWON_ENUMERATION, Enumeration(TWTY_UINT16, 1, 7, {TWPT_GRAY}, 2),
                  "pixel type index 7 of 1");
    ExpectRefused(ICAP_XFERMECH, TWON_ENUMERATION, Enumeration(TWTY_UINT16, 0, 0, {}, 2), "no items");
    ExpectRefused(CAP_INDICATORS, TWON_ENUMERATION, Enumeration(TWTY_BOOL, 2, 0xFFFFFFFF, {0, 1}, 2),
                  "index far beyond");
    Container get;
    c.Ask(ICAP_XRESOLUTION, MSG_GET, &get);
    EXPECT_EQ(get.items.size(), 4u) << "a refused enumeration redefines nothing";
    c.Ask(ICAP_PIXELTYPE, MSG_GET, &get);
    EXPECT_EQ(get.items.size(), 3u);
    EXPECT_EQ(c.Settings().ScanMode, kModeBlackWhite);
}

TEST_F(UntrustedContainer, ExactBlocksAreReadAndKeptByTheApplication)
{
    // The enumeration's 2 spare bytes are optional: 14 + 2 x 4 bytes is enough.
    TW_HANDLE block = MakeBlock(Enumeration(TWTY_FIX32, 2, 1, {Fix(150), Fix(600)}, 4));
    ASSERT_EQ(GlobalSize(block), 22u);
    EXPECT_TWAIN(c.h, TWRC_SUCCESS, TWCC_SUCCESS, c.SetBlock(ICAP_XRESOLUTION, TWON_ENUMERATION, block));
    EXPECT_EQ(counting::Frees(), 0) << "the source freed nothing";
    EXPECT_EQ(c.Settings().DPI, 600);
    EXPECT_NE(GlobalLock(block), nullptr) << "still ours, and unlocked by the source";
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
    GlobalFree(block);
}

} // namespace
