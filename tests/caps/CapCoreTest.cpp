// The frame's arithmetic, and the state rules and the negotiated values'
// home, in the core library where the session can be put in any state.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "CapClient.h"
#include "caps/CapValues.h"
#include "caps/ContainerBuilders.h"
#include "caps/CustomCaps.h"
#include "caps/Fix32.h"
#include "device/DeviceProperty.h"
#include "device/ScannerSource.h"
#include "session/DataSourceApp.h"
#include "session/Router.h"
#include "transfer/FileXferTarget.h"

namespace {

TEST(Fix32, ConversionsTruncateRoundAndScaleGamma)
{
    EXPECT_EQ(Fix32Truncated(Fix32Item(-5.5)), -5);
    EXPECT_EQ(Fix32Truncated(Fix32Item(7.99)), 7);
    EXPECT_EQ(Fix32Rounded(Fix32Item(299.6)), 300);
    EXPECT_EQ(Fix32Rounded(Fix32Item(299.4)), 299);
    EXPECT_EQ(Fix32Rounded(Fix32Item(-5.5)), -5) << "0.5 added, then truncated";
    EXPECT_EQ(Fix32GammaTimes10(Fix32Item(2.24)), 22);
    EXPECT_EQ(Fix32GammaTimes10(Fix32Item(1.8)), 18);
    // The item holds Whole in its low half and Frac in its high half.
    EXPECT_EQ(Fix32Item(-1.5), 0x8000FFFEu);
    EXPECT_EQ(Fix32Item(4.32), (static_cast<TW_UINT32>(20972) << 16) | 4u) << "0.32 x 65536 rounds to 20972";
    EXPECT_EQ(Fix32Value(Fix32Item(-0.25)), -0.25);
    EXPECT_EQ(Fix32Item(1.0 / 131072), 0x00010000u) << "half a step rounds away from zero";
    EXPECT_EQ(Fix32Item(-1.0 / 131072), 0xFFFFFFFFu);
}

TEST(EnumerationIndex, LowestMatchAmongTheSecondToLastElseZero)
{
    EXPECT_EQ(EnumerationIndex({2, 0}, 0, false), 1u);
    EXPECT_EQ(EnumerationIndex({2, 0}, 2, false), 0u);
    EXPECT_EQ(EnumerationIndex({5, 7, 7, 9}, 7, false), 1u);
    EXPECT_EQ(EnumerationIndex({5, 7}, 8, false), 0u) << "a value not among the items";
    EXPECT_EQ(EnumerationIndex({}, 8, false), 0u);
    EXPECT_EQ(EnumerationIndex({1, 0x10001}, 1, false), 1u) << "16-bit items compare their low half";
    EXPECT_EQ(EnumerationIndex({1, 0x10001}, 1, true), 0u) << "32-bit items compare both halves";
}

// A session opened at the core, on the simulated scanner beside the test.
class CoreSession : public CapTest {
protected:
    void SetUp() override
    {
        CapTest::SetUp();
        std::strcpy(m_app.ProductName, "Caps Core");
        TW_IDENTITY ds{};
        ASSERT_EQ(Dispatch(&m_app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    }
    void TearDown() override
    {
        Dispatch(&m_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
        CapTest::TearDown();
    }
    TW_UINT16 Cap(TW_UINT16 msg, TW_UINT16 cap, TW_UINT32* value = nullptr)
    {
        TW_CAPABILITY record{cap, TWON_DONTCARE16, nullptr};
        const TW_UINT16 rc = Dispatch(&m_app, DG_CONTROL, DAT_CAPABILITY, msg, &record);
        if (record.hContainer) {
            if (value) *value = Decode(record.ConType, record.hContainer).value;
            GlobalFree(record.hContainer);
        }
        return rc;
    }
    TW_UINT16 SetOne(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 value)
    {
        std::vector<uint8_t> b = {static_cast<uint8_t>(itemType), static_cast<uint8_t>(itemType >> 8)};
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(value >> (8 * i)));
        TW_HANDLE h = MakeBlock(b);
        TW_CAPABILITY record{cap, TWON_ONEVALUE, h};
        const TW_UINT16 rc = Dispatch(&m_app, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &record);
        GlobalFree(h);
        return rc;
    }
    TW_UINT16 Condition()
    {
        TW_STATUS status{};
        Dispatch(&m_app, DG_CONTROL, DAT_STATUS, MSG_GET, &status);
        return status.ConditionCode;
    }
    TW_IDENTITY m_app{};
};

TEST_F(CoreSession, EnabledSourceAnswersQueriesButChangesNothing)
{
    ASSERT_EQ(SetOne(ICAP_BRIGHTNESS, TWTY_FIX32, Fix(300)), TWRC_SUCCESS);
    ASSERT_EQ(SetOne(CUSTCAP_EOPSENSITIVITY, TWTY_INT32, 40), TWRC_SUCCESS);
    TheApp().m_twainState = kStateEnabled;
    EXPECT_EQ(SetOne(ICAP_BRIGHTNESS, TWTY_FIX32, Fix(0)), TWRC_FAILURE);
    EXPECT_EQ(Condition(), TWCC_SEQERROR);
    EXPECT_EQ(Cap(MSG_RESET, ICAP_BRIGHTNESS), TWRC_FAILURE);
    EXPECT_EQ(Condition(), TWCC_SEQERROR);
    TW_UINT32 value = 0;
    EXPECT_EQ(Cap(MSG_GET, ICAP_BRIGHTNESS, &value), TWRC_SUCCESS);
    EXPECT_EQ(Fix32Value(value), 300.0);
    EXPECT_EQ(Cap(MSG_RESETALL, 0), TWRC_FAILURE) << "a reset-all that can change nothing does not succeed";
    EXPECT_EQ(Condition(), TWCC_SEQERROR);
    EXPECT_EQ(TheApp().m_settings.Brightness, 30);
    EXPECT_EQ(TheCapValues().eopSensitivity, 40);
    TheApp().m_twainState = kStateOpen;
    EXPECT_EQ(Cap(MSG_RESETALL, 0), TWRC_SUCCESS);
    EXPECT_EQ(TheApp().m_settings.Brightness, 0);
    EXPECT_EQ(TheCapValues().eopSensitivity, 0);
}

TEST_F(CoreSession, FileFormatResetAlsoResetsTheTransferFileName)
{
    SetFileXferName("C:\\scan.tif");
    ASSERT_EQ(SetOne(ICAP_IMAGEFILEFORMAT, TWTY_UINT16, TWFF_TIFF), TWRC_SUCCESS);
    EXPECT_EQ(Cap(MSG_RESET, ICAP_IMAGEFILEFORMAT), TWRC_SUCCESS);
    EXPECT_EQ(TheApp().m_settings.FileFormat, TWFF_BMP);
    EXPECT_STREQ(FileXferName(), "TWAIN.BMP");
}

TEST_F(CoreSession, OpeningResetsTheValuesMarkedAtOpenAndKeepsTheOthers)
{
    ASSERT_EQ(SetOne(CAP_XFERCOUNT, TWTY_INT16, 1), TWRC_SUCCESS);
    ASSERT_EQ(SetOne(CUSTCAP_EOPSENSITIVITY, TWTY_INT32, 25), TWRC_SUCCESS);
    ASSERT_EQ(SetOne(CAP_AUTOFEED, TWTY_BOOL, 0), TWRC_SUCCESS);
    TheCapValues().resolutionEnabled[0] = false;
    TheCapValues().pixelTypeAllowed[2] = false;
    Dispatch(&m_app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);
    TW_IDENTITY ds{};
    ASSERT_EQ(Dispatch(&m_app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &ds), TWRC_SUCCESS);
    EXPECT_EQ(TheCapValues().transferCount, -1);
    EXPECT_TRUE(TheCapValues().resolutionEnabled[0]);
    EXPECT_TRUE(TheCapValues().pixelTypeAllowed[2]);
    EXPECT_EQ(TheCapValues().eopSensitivity, 25) << "kept";
    EXPECT_EQ(TheCapValues().autoFeed, 0) << "kept";
}

// The one home of the sensitivity: what the application negotiated is what
// the scanner source hands the scan sequence.
TEST_F(CoreSession, NegotiatedSensitivityReachesTheDevice)
{
    ASSERT_EQ(SetOne(CUSTCAP_EOPSENSITIVITY, TWTY_INT32, 70), TWRC_SUCCESS);
    ScanSettings s = TheApp().m_settings;
    s.DetectEOP = 1;
    s.ScanMode = kModeGray;
    s.DPI = 150;
    CScannerSource source;
    ASSERT_TRUE(source.Open(&s, false, nullptr));
    source.SelectSide(0);
    std::vector<uint8_t> rows(source.RowBytes(false) * 4);
    uint32_t got = 0;
    source.ReadRows(rows.data(), 4, 0, &got);
    EXPECT_EQ(got, 4u);
    SIProperty record;
    ASSERT_EQ(ReadDeviceProperty(60, record), SI_OK);
    EXPECT_EQ(CurrentValue(record), 70);
    source.Close();
}

} // namespace
