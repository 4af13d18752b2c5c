// Faults the campaign found, each pinned down as the sequence that showed it.
#include <gtest/gtest.h>

#include <windows.h>

#include "XferFixture.h"

namespace {

class CampaignFindings : public XferTest {
protected:
    void ReachXferReady()
    {
        ASSERT_EQ(Open(), TWRC_SUCCESS);
        Apply(Settings(kModeGray, 75, 100, 150));
        ASSERT_EQ(Enable(), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    }
    TW_UINT16 Strip(TW_UINT32 flags, TW_UINT32 length, void* memory)
    {
        TW_IMAGEMEMXFER xfer{};
        xfer.Memory = {flags, length, memory};
        return app.Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer);
    }
};

// A first strip refused (a handle that cannot be locked), then the page taken
// whole: a strip asked for afterwards is out of sequence, and must not wait
// for rows of a page that is already delivered.
TEST_F(CampaignFindings, AStripAfterANativeTransferIsRefusedAtOnce)
{
    ReachXferReady();
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_BADVALUE,
                 Strip(TWMF_APPOWNS | TWMF_HANDLE, 3000, reinterpret_cast<void*>(0xDEAD0000)));
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    GlobalFree(dib);
    std::vector<uint8_t> buffer(3000);
    const ULONGLONG began = GetTickCount64();
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Strip(TWMF_APPOWNS | TWMF_POINTER, 3000, buffer.data()));
    EXPECT_LT(GetTickCount64() - began, 2000u);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
}

// A buffer too small for one row would answer success with no rows for ever:
// refused as a bad value, and the page can still be taken.
TEST_F(CampaignFindings, AStripBufferBelowOneRowIsRefused)
{
    ReachXferReady();
    uint8_t tiny[4] = {};
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_BADVALUE, Strip(TWMF_APPOWNS | TWMF_POINTER, sizeof tiny, tiny));
    PageRows page;
    EXPECT_EQ(Memory(&page), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    EXPECT_GT(page.length, 0u);
}

} // namespace

namespace {

// Closed in the middle of a page taken in strips, opened again and the next
// page taken whole: a strip after it is refused at once as well.
TEST_F(CampaignFindings, AStripPageDoesNotOutliveClosing)
{
    ReachXferReady();
    std::vector<uint8_t> buffer(3000);
    ASSERT_EQ(Strip(TWMF_APPOWNS | TWMF_POINTER, 3000, buffer.data()), TWRC_SUCCESS) << app.Describe(TWRC_FAILURE);
    ASSERT_EQ(Close(), TWRC_SUCCESS);
    ReachXferReady();
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Native(&dib), TWRC_XFERDONE) << app.Describe(TWRC_FAILURE);
    GlobalFree(dib);
    const ULONGLONG began = GetTickCount64();
    EXPECT_TWAIN(app, TWRC_FAILURE, TWCC_SEQERROR, Strip(TWMF_APPOWNS | TWMF_POINTER, 3000, buffer.data()));
    EXPECT_LT(GetTickCount64() - began, 2000u);
}

} // namespace
