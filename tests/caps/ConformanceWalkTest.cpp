// The conformance walk certification tools make: every capability that
// CAP_SUPPORTEDCAPS reports, through every message, with the container and
// item types checked against the catalogue; as a TWAIN 2 application (whose
// every block is counted and freed) and as an older one.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "CapClient.h"
#include "CountingManager.h"
#include "caps/CapTable.h"

namespace {

std::string Hex(TW_UINT16 cap)
{
    std::ostringstream s;
    s << "cap 0x" << std::hex << cap;
    return s.str();
}

TW_UINT16 ExpectedGetContainer(const CapEntry& e, bool twain2)
{
    switch (e.shape) {
    case CapShape::Enumeration: return TWON_ENUMERATION;
    case CapShape::EnumerationTwain2: return twain2 ? TWON_ENUMERATION : TWON_ONEVALUE;
    case CapShape::Range: return TWON_RANGE;
    case CapShape::Array: return TWON_ARRAY;
    default: return TWON_ONEVALUE;
    }
}

bool SameValue(const Container& a, const Container& b)
{
    return a.conType == b.conType && a.itemType == b.itemType && a.value == b.value && a.items == b.items &&
           a.text == b.text;
}

void Walk(CapClient& c)
{
    Container caps;
    TW_UINT16 rc = c.Ask(CAP_SUPPORTEDCAPS, MSG_GET, &caps);
    ASSERT_EQ(rc, TWRC_SUCCESS) << c.Status(rc);
    ASSERT_EQ(caps.conType, TWON_ARRAY);
    ASSERT_EQ(caps.items.size(), 52u) << "the imaging library lies beside the source";
    std::set<TW_UINT32> seen(caps.items.begin(), caps.items.end());
    EXPECT_EQ(seen.size(), caps.items.size()) << "no capability twice";
    const CapEntry* expected = CapTableBegin();
    for (TW_UINT32 id32 : caps.items) {
        const TW_UINT16 id = static_cast<TW_UINT16>(id32);
        EXPECT_EQ(id, expected++->id) << "table order";
        const CapEntry* e = FindCap(id);
        ASSERT_NE(e, nullptr) << Hex(id);
        const std::string what = Hex(id);

        Container q;
        rc = c.Ask(id, MSG_QUERYSUPPORT, &q);
        EXPECT_EQ(rc, TWRC_SUCCESS) << what << " " << c.Status(rc);
        EXPECT_EQ(q.conType, TWON_ONEVALUE) << what;
        EXPECT_EQ(q.itemType, TWTY_INT32) << what;
        EXPECT_EQ(static_cast<TW_INT32>(q.value), e->SupportMask()) << what;

        const bool listLike = e->shape == CapShape::Array || e->shape == CapShape::Text;
        Container current, def, get;
        rc = c.Ask(id, MSG_GETCURRENT, &current);
        EXPECT_EQ(rc, TWRC_SUCCESS) << what << " GETCURRENT " << c.Status(rc);
        EXPECT_EQ(current.conType, listLike ? ExpectedGetContainer(*e, true) : TWON_ONEVALUE) << what;
        EXPECT_EQ(current.itemType, e->itemType) << what;
        rc = c.Ask(id, MSG_GETDEFAULT, &def);
        EXPECT_EQ(rc, TWRC_SUCCESS) << what << " GETDEFAULT " << c.Status(rc);
        EXPECT_EQ(def.conType, current.conType) << what;
        EXPECT_EQ(def.itemType, e->itemType) << what;
        rc = c.Ask(id, MSG_GET, &get);
        EXPECT_EQ(rc, TWRC_SUCCESS) << what << " GET " << c.Status(rc);
        EXPECT_EQ(get.conType, ExpectedGetContainer(*e, c.Twain2())) << what;
        EXPECT_EQ(get.itemType, e->itemType) << what;
        if (get.conType == TWON_ENUMERATION) {
            ASSERT_FALSE(get.items.empty()) << what;
            EXPECT_LT(get.currentIndex, get.items.size()) << what;
            EXPECT_LT(get.defaultIndex, get.items.size()) << what;
            EXPECT_EQ(get.blockSize, 16 + get.items.size() * (e->itemType == TWTY_FIX32 ? 4u : 2u)) << what;
        }
        if (get.conType == TWON_ONEVALUE && e->shape != CapShape::Text) {
            EXPECT_EQ(get.blockSize, 6u) << what;
            EXPECT_EQ(get.value, current.value) << what << " a one value holds the current value";
        }
        if (get.conType == TWON_RANGE) EXPECT_EQ(get.value, current.value) << what;

        if (e->Settable()) {
            rc = c.SetOne(id, e->itemType, current.value);
            EXPECT_EQ(rc, TWRC_SUCCESS) << what << " SET of its own current value " << c.Status(rc);
            Container after;
            c.Ask(id, MSG_GETCURRENT, &after);
            EXPECT_TRUE(SameValue(after, current)) << what << " round trip " << current.value << " -> " << after.value;
            Container reset, now;
            rc = c.Ask(id, MSG_RESET, &reset);
            EXPECT_EQ(rc, TWRC_SUCCESS) << what << " RESET " << c.Status(rc);
            c.Ask(id, MSG_GETCURRENT, &now);
            EXPECT_TRUE(SameValue(reset, now)) << what << " RESET answers the value now in force";
        } else {
            const TW_UINT16 refusal = (e->flags & kCapSetUnsupported) ? TWCC_CAPUNSUPPORTED : TWCC_CAPBADOPERATION;
            rc = c.SetOne(id, e->itemType, current.value);
            EXPECT_EQ(rc, TWRC_FAILURE) << what;
            EXPECT_EQ(c.ConditionCode(), refusal) << what;
            rc = c.Ask(id, MSG_RESET);
            EXPECT_EQ(rc, TWRC_FAILURE) << what;
            EXPECT_EQ(c.ConditionCode(), TWCC_CAPBADOPERATION) << what;
        }
    }
    rc = c.Ask(0, MSG_RESETALL);
    EXPECT_EQ(rc, TWRC_SUCCESS) << c.Status(rc);
    EXPECT_EQ(c.ConditionCode(), TWCC_SUCCESS) << "a reset-all that succeeded leaves no condition";
}

class ConformanceWalk : public CapTest {};

TEST_F(ConformanceWalk, Twain2ApplicationEveryBlockFromTheManagerAndFreed)
{
    CapClient c(true);
    ASSERT_TRUE(c.Open());
    counting::Reset();
    Walk(c);
    EXPECT_GT(counting::Allocations(), 4 * 52) << "at least the four queries of every capability";
    EXPECT_EQ(counting::Frees(), counting::Allocations()) << "the walk freed every block it was given";
    EXPECT_EQ(counting::Live(), 0);
}

TEST_F(ConformanceWalk, OlderApplicationWithoutEntryPoints)
{
    CapClient c(false);
    ASSERT_TRUE(c.Open());
    Walk(c);
    EXPECT_EQ(counting::Allocations(), 0) << "global memory, not the manager's";
}

TEST_F(ConformanceWalk, EveryMessageBeforeOpenIsASequenceError)
{
    CapClient c(true);
    ASSERT_TRUE(c.h.Load());
    for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT, MSG_RESET}) {
        TW_CAPABILITY record{ICAP_XFERMECH, TWON_DONTCARE16, nullptr};
        EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_SEQERROR, c.h.Call(DG_CONTROL, DAT_CAPABILITY, msg, &record));
        EXPECT_EQ(record.hContainer, nullptr) << "no container";
    }
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_SEQERROR, c.SetOne(ICAP_XFERMECH, TWTY_UINT16, TWSX_FILE));
    EXPECT_TWAIN(c.h, TWRC_FAILURE, TWCC_SEQERROR, c.Ask(0, MSG_RESETALL));
}

} // namespace
