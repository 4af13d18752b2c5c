// DAT_CUSTOMDSDATA: the 80-byte settings blob, given out and taken back.
#include <gtest/gtest.h>

#include <cstring>

#include "ValidSettings.h"
#include "session/CustomDataBlob.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/IdentitySignature.h"
#include "session/Router.h"
#include "imaging/ImagingQuery.h"

namespace {

// A valid record that differs from the defaults in most tone and frame fields.
ScanSettings SampleSettings()
{
    ScanSettings s = ValidScanSettings();
    s.ScanMode = kModeColor;
    s.DPI = 200;
    s.Brightness = -20;
    s.Contrast = 30;
    s.Gamma = 22;
    s.Highlight = 240;
    s.Shadow = 12;
    s.Top = 10;
    s.Left = 20;
    s.Bottom = 600;
    s.Right = 400;
    return s;
}

class CustomDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TheDsmLink().Reset();
        TheApp().m_twainState = kStateOpen;
        TheApp().m_status = {};
        TheApp().m_settings = SampleSettings();
    }
    void TearDown() override
    {
        for (HGLOBAL h : m_blocks) GlobalFree(h);
        TheApp().m_twainState = kStateLoaded;
        SetImagingQuery(nullptr);
    }

    // A block as an application would hand it in.
    HGLOBAL MakeBlock(size_t size, const ScanSettings& s, uint32_t version = 1)
    {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        m_blocks.push_back(h);
        auto* p = static_cast<uint8_t*>(GlobalLock(h));
        std::memcpy(p, kIdentitySignature, 8);
        std::memcpy(p + 8, &version, 4);
        std::memcpy(p + 12, &s, size >= 80 ? sizeof s : size - 12);
        GlobalUnlock(h);
        return h;
    }

    TW_UINT16 Set(HGLOBAL h, uint32_t length)
    {
        TW_CUSTOMDSDATA data{length, h};
        return Dispatch(nullptr, DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, &data);
    }

    std::vector<HGLOBAL> m_blocks;
};

TEST_F(CustomDataTest, GetGivesSignatureVersionAndTheCurrentRecord)
{
    TW_CUSTOMDSDATA data{};
    ASSERT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data), TWRC_SUCCESS);
    ASSERT_EQ(data.InfoLength, 80u);
    ASSERT_NE(data.hData, nullptr);
    m_blocks.push_back(data.hData);
    EXPECT_GE(GlobalSize(data.hData), 80u);
    const auto* p = static_cast<const uint8_t*>(GlobalLock(data.hData));
    EXPECT_EQ(std::memcmp(p, kIdentitySignature, 8), 0);
    EXPECT_EQ(p[8], 1);
    EXPECT_EQ(p[9] | p[10] | p[11], 0);
    EXPECT_EQ(std::memcmp(p + 12, &TheApp().m_settings, 68), 0);
    GlobalUnlock(data.hData);
}

TEST_F(CustomDataTest, ValidBlobReplacesTheSettingsAndStaysTheApplications)
{
    ScanSettings incoming = SampleSettings();
    incoming.ScanMode = kModeGray;
    incoming.DPI = 300;
    incoming.Brightness = 55;
    HGLOBAL h = MakeBlock(80, incoming);
    EXPECT_EQ(Set(h, 80), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&TheApp().m_settings, &incoming, 68), 0);
    // Not freed, not left locked.
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    EXPECT_NE(GlobalSize(h), 0u);
}

TEST_F(CustomDataTest, WrongLengthSignatureOrVersionIsIgnoredWithSuccess)
{
    ScanSettings incoming = SampleSettings();
    incoming.DPI = 150;
    const ScanSettings before = TheApp().m_settings;
    EXPECT_EQ(Set(MakeBlock(79, incoming), 79), TWRC_SUCCESS);
    EXPECT_EQ(Set(MakeBlock(81, incoming), 81), TWRC_SUCCESS);
    EXPECT_EQ(Set(MakeBlock(80, incoming, 2), 80), TWRC_SUCCESS);
    HGLOBAL bad = MakeBlock(80, incoming);
    static_cast<uint8_t*>(GlobalLock(bad))[3] ^= 0xFF;
    GlobalUnlock(bad);
    EXPECT_EQ(Set(bad, 80), TWRC_SUCCESS);
    EXPECT_EQ(Set(nullptr, 80), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&TheApp().m_settings, &before, 68), 0);
    EXPECT_EQ(TheApp().m_status.ConditionCode, TWCC_SUCCESS);
}

TEST_F(CustomDataTest, OutOfRangeSettingsAreCorrectedInTheApplicationsBlockToo)
{
    ScanSettings incoming = SampleSettings();
    incoming.ScanMode = 3;
    incoming.Gamma = 45;
    incoming.Shadow = -5;
    incoming.Bottom = 2000;
    incoming.Duplex = 1;
    HGLOBAL h = MakeBlock(80, incoming);
    EXPECT_EQ(Set(h, 80), TWRC_SUCCESS);
    const ScanSettings& s = TheApp().m_settings;
    EXPECT_EQ(s.ScanMode, kModeBlackWhite);
    EXPECT_EQ(s.Gamma, 18);
    EXPECT_EQ(s.Shadow, 0);
    EXPECT_EQ(s.Bottom, 1000);
    EXPECT_EQ(s.Duplex, 0);
    ScanSettings inBlock;
    std::memcpy(&inBlock, static_cast<uint8_t*>(GlobalLock(h)) + 12, 68);
    GlobalUnlock(h);
    EXPECT_EQ(std::memcmp(&inBlock, &s, 68), 0);
}

TEST_F(CustomDataTest, BlockSmallerThanItsClaimedLengthIsNotTouched)
{
    ScanSettings incoming = SampleSettings();
    incoming.ScanMode = 3; // would be corrected in the block if it were read
    // Signature and version are right: only the size guard stands between
    // the claimed 80 bytes and the 40 that exist.
    HGLOBAL small = MakeBlock(40, incoming);
    ASSERT_LT(GlobalSize(small), 80u);
    uint8_t bytesBefore[40];
    std::memcpy(bytesBefore, GlobalLock(small), sizeof bytesBefore);
    GlobalUnlock(small);
    const ScanSettings before = TheApp().m_settings;
    EXPECT_EQ(Set(small, 80), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&TheApp().m_settings, &before, 68), 0);
    EXPECT_EQ(std::memcmp(GlobalLock(small), bytesBefore, sizeof bytesBefore), 0) << "the block is not corrected either";
    GlobalUnlock(small);
}

TEST_F(CustomDataTest, OnlyInStateFour)
{
    TheApp().m_twainState = kStateEnabled;
    TW_CUSTOMDSDATA data{};
    EXPECT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data), TWRC_FAILURE);
    EXPECT_EQ(TheApp().m_status.ConditionCode, TWCC_SEQERROR);
    EXPECT_EQ(data.hData, nullptr);
}

TEST_F(CustomDataTest, RoundTripThroughGetAndSet)
{
    TW_CUSTOMDSDATA data{};
    ASSERT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET, &data), TWRC_SUCCESS);
    m_blocks.push_back(data.hData);
    const ScanSettings saved = TheApp().m_settings;
    TheApp().m_settings.DPI = 600;
    TheApp().m_settings.ScanMode = kModeGray;
    ASSERT_EQ(Dispatch(nullptr, DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, &data), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&TheApp().m_settings, &saved, 68), 0);
}

} // namespace
