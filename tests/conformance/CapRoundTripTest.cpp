// Every capability the source lists, set to every value it reports itself:
// each item of an enumeration, the bounds and a middle value of a range. A
// value the source offers is taken and read back unchanged; MSG_RESET gives
// the default back, and MSG_RESETALL gives every default back at once.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "CapClient.h"
#include "caps/CustomCaps.h"

namespace {

std::string Name(TW_UINT16 cap, TW_UINT32 value)
{
    std::ostringstream s;
    s << "cap 0x" << std::hex << cap << " value 0x" << value;
    return s.str();
}

bool IsAction(TW_UINT16 cap)
{
    // CAP_CLEARPAGE, CAP_FEEDPAGE and CAP_REWINDPAGE act on the feeder and read back FALSE.
    return cap == CUSTCAP_CALIBRATE || cap == CUSTCAP_PREFEED || cap == CUSTCAP_CLEAN || cap == CAP_CLEARPAGE ||
           cap == CAP_FEEDPAGE || cap == CAP_REWINDPAGE;
}

// The values the source offers for a capability, from its own MSG_GET.
std::vector<TW_UINT32> Offered(const Container& get)
{
    if (get.conType == TWON_ENUMERATION) return get.items;
    if (get.conType == TWON_RANGE) {
        std::vector<TW_UINT32> v{get.minValue, get.maxValue};
        if (get.itemType != TWTY_FIX32 && get.stepSize) {
            const int32_t lo = static_cast<int32_t>(get.minValue), hi = static_cast<int32_t>(get.maxValue);
            const int32_t step = static_cast<int32_t>(get.stepSize);
            v.push_back(static_cast<TW_UINT32>(lo + ((hi - lo) / step / 2) * step));
        } else if (get.itemType == TWTY_FIX32) {
            const double lo = Unfix(get.minValue), hi = Unfix(get.maxValue), step = Unfix(get.stepSize);
            const double middle = step > 0 ? lo + static_cast<int>((hi - lo) / step / 2) * step : (lo + hi) / 2;
            v.push_back(Fix(middle));
        }
        return v;
    }
    if (get.conType == TWON_ONEVALUE) return {get.value};
    return {};
}

class CapRoundTrip : public CapTest {};

TEST_F(CapRoundTrip, EveryOfferedValueIsTakenAndResetRestoresTheDefault)
{
    CapClient c(true);
    ASSERT_TRUE(c.Open());
    Container caps;
    ASSERT_EQ(c.Ask(CAP_SUPPORTEDCAPS, MSG_GET, &caps), TWRC_SUCCESS);
    std::map<TW_UINT16, TW_UINT32> defaults;
    int sets = 0;
    for (TW_UINT32 id32 : caps.items) {
        const TW_UINT16 id = static_cast<TW_UINT16>(id32);
        Container q, get, def;
        ASSERT_EQ(c.Ask(id, MSG_QUERYSUPPORT, &q), TWRC_SUCCESS) << Name(id, 0);
        if (!(q.value & TWQC_SET) || IsAction(id)) continue;
        ASSERT_EQ(c.Ask(id, MSG_GETDEFAULT, &def), TWRC_SUCCESS) << Name(id, 0);
        if (def.conType != TWON_ONEVALUE) continue; // arrays are sent whole
        defaults[id] = def.value;
        ASSERT_EQ(c.Ask(id, MSG_GET, &get), TWRC_SUCCESS) << Name(id, 0);
        for (TW_UINT32 value : Offered(get)) {
            const TW_UINT16 rc = c.SetOne(id, get.itemType, value);
            const TW_UINT16 cc = c.ConditionCode();
            EXPECT_EQ(rc, TWRC_SUCCESS) << Name(id, value) << " offered but refused, cc " << cc;
            EXPECT_EQ(cc, TWCC_SUCCESS) << Name(id, value);
            Container now;
            ASSERT_EQ(c.Ask(id, MSG_GETCURRENT, &now), TWRC_SUCCESS) << Name(id, value);
            EXPECT_EQ(now.value, value) << Name(id, value) << " read back as 0x" << std::hex << now.value;
            ++sets;
        }
        Container reset, now;
        EXPECT_EQ(c.Ask(id, MSG_RESET, &reset), TWRC_SUCCESS) << Name(id, 0);
        ASSERT_EQ(c.Ask(id, MSG_GETCURRENT, &now), TWRC_SUCCESS);
        EXPECT_EQ(now.value, def.value) << Name(id, now.value) << " after MSG_RESET";
    }
    EXPECT_GT(sets, 60) << "every settable capability offered something";

    // Move everything off its default, then one MSG_RESETALL.
    for (const auto& [id, value] : defaults) {
        Container get;
        c.Ask(id, MSG_GET, &get);
        const std::vector<TW_UINT32> offered = Offered(get);
        for (TW_UINT32 v : offered)
            if (v != value) {
                c.SetOne(id, get.itemType, v);
                break;
            }
    }
    ASSERT_EQ(c.Ask(0, MSG_RESETALL), TWRC_SUCCESS);
    for (const auto& [id, value] : defaults) {
        Container now;
        ASSERT_EQ(c.Ask(id, MSG_GETCURRENT, &now), TWRC_SUCCESS) << Name(id, 0);
        EXPECT_EQ(now.value, value) << Name(id, now.value) << " after MSG_RESETALL";
    }
}

TEST_F(CapRoundTrip, TransferCountZeroIsRefusedAndTheCountStays)
{
    CapClient c(true);
    ASSERT_TRUE(c.Open());
    ASSERT_EQ(c.SetOne(CAP_XFERCOUNT, TWTY_INT16, 1), TWRC_SUCCESS) << "one page";
    EXPECT_EQ(c.SetOne(CAP_XFERCOUNT, TWTY_INT16, 0), TWRC_FAILURE);
    EXPECT_EQ(c.ConditionCode(), TWCC_BADVALUE);
    Container now;
    ASSERT_EQ(c.Ask(CAP_XFERCOUNT, MSG_GETCURRENT, &now), TWRC_SUCCESS);
    EXPECT_EQ(now.value, 1u);
    EXPECT_EQ(c.SetOne(CAP_XFERCOUNT, TWTY_INT16, 0xFFFF), TWRC_SUCCESS) << "-1: as many as there are";
    EXPECT_EQ(c.SetOne(CAP_XFERCOUNT, TWTY_INT16, static_cast<TW_UINT16>(-2)), TWRC_FAILURE);
}

} // namespace
