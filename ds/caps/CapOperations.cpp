// DAT_CAPABILITY: the seven messages over the catalogue. Queries are served
// in states 4 and above, MSG_SET and MSG_RESET in state 4 only; MSG_RESETALL
// resets every listed capability in table order.
#include <new>

#include "caps/AppContainer.h"
#include "caps/CapTable.h"
#include "caps/ContainerBuilders.h"
#include "caps/Fix32.h"
#include "session/DataSourceApp.h"
#include "session/DsmLink.h"
#include "session/Operations.h"
#include "session/StateTable.h"

namespace {

bool Twain2App() { return TheDsmLink().entryPointsSet == 1; }

TW_UINT32 RangeItem(const CapEntry& e, int32_t value)
{
    return e.itemType == TWTY_FIX32 ? Fix32Item(value) : static_cast<TW_UINT32>(value);
}

TW_UINT16 BuildList(TW_CAPABILITY& cap, const CapEntry& e, bool enumeration)
{
    const std::vector<TW_UINT32> items = e.items ? e.items() : std::vector<TW_UINT32>{e.current()};
    const bool wide = ItemSize(e.itemType) == 4;
    if (!enumeration) return wide ? BuildArray32(cap, e.itemType, items) : BuildArray16(cap, e.itemType, items);
    const TW_UINT32 current = e.current();
    const TW_UINT32 def = e.enumDefault ? e.enumDefault() : e.defaultValue();
    return wide ? BuildEnumeration32(cap, e.itemType, items, current, def)
                : BuildEnumeration16(cap, e.itemType, items, current, def);
}

// The container of MSG_GET, MSG_GETCURRENT or MSG_GETDEFAULT.
TW_UINT16 Answer(TW_CAPABILITY& cap, const CapEntry& e, TW_UINT16 msg)
{
    if (e.shape == CapShape::Text) return BuildOneString(cap, e.itemType, e.text().c_str());
    if (e.shape == CapShape::Array) return BuildList(cap, e, false);
    if (msg != MSG_GET && (e.flags & kCapUnlisted)) return TheApp().Fail(TWCC_CAPUNSUPPORTED);
    if (msg == MSG_GETCURRENT) return BuildOneValue(cap, e.itemType, e.current());
    if (msg == MSG_GETDEFAULT) return BuildOneValue(cap, e.itemType, e.defaultValue());
    switch (e.shape) {
    case CapShape::Enumeration: return BuildList(cap, e, true);
    case CapShape::EnumerationTwain2:
        return Twain2App() ? BuildList(cap, e, true) : BuildOneValue(cap, e.itemType, e.current());
    case CapShape::Range:
        return BuildRange(cap, e.itemType, RangeItem(e, e.range.minValue), RangeItem(e, e.range.maxValue),
                          RangeItem(e, e.range.step), e.defaultValue(), e.current());
    default: return BuildOneValue(cap, e.itemType, e.current());
    }
}

// The entry a message may use now; null with the condition recorded.
const CapEntry* Usable(TW_UINT16 id)
{
    const CapEntry* e = FindCap(id);
    if (!e || !CapAvailable(*e)) {
        TheApp().Fail(TWCC_CAPUNSUPPORTED);
        return nullptr;
    }
    return e;
}

TW_UINT16 Query(TW_CAPABILITY& cap, TW_UINT16 msg)
{
    if (msg == MSG_QUERYSUPPORT) {
        const CapEntry* e = FindCap(cap.Cap);
        const bool listed = e && CapAvailable(*e) && !(e->flags & kCapUnlisted);
        return BuildOneValue(cap, TWTY_INT32, listed ? static_cast<TW_UINT32>(e->SupportMask()) : 0);
    }
    const CapEntry* e = Usable(cap.Cap);
    return e ? Answer(cap, *e, msg) : TWRC_FAILURE;
}

uint8_t AcceptBit(TW_UINT16 conType)
{
    switch (conType) {
    case TWON_ONEVALUE: return kAcceptOne;
    case TWON_ENUMERATION: return kAcceptEnum;
    case TWON_RANGE: return kAcceptRange;
    default: return 0;
    }
}

TW_UINT16 Set(TW_CAPABILITY& cap)
{
    const CapEntry* e = Usable(cap.Cap);
    if (!e) return TWRC_FAILURE;
    if (!e->Settable())
        return TheApp().Fail((e->flags & kCapSetUnsupported) ? TWCC_CAPUNSUPPORTED : TWCC_CAPBADOPERATION);
    if (!(e->accepts & AcceptBit(cap.ConType))) return TheApp().Fail(TWCC_BADVALUE);
    AppValue value;
    const AppContainerRead read = ReadAppContainer(cap, ItemSize(e->itemType), value);
    if (read == AppContainerRead::Unsafe) return TheApp().Fail(TWCC_BADVALUE);
    if (read == AppContainerRead::BadIndex && !(e->flags & kCapOwnIndexCheck)) return TheApp().Fail(TWCC_BADVALUE);
    return e->set(value);
}

TW_UINT16 Reset(TW_CAPABILITY& cap)
{
    if (!RequireState(Op::CapabilityChange)) return TWRC_FAILURE;
    const CapEntry* e = Usable(cap.Cap);
    if (!e) return TWRC_FAILURE;
    if (!e->Settable()) return TheApp().Fail(TWCC_CAPBADOPERATION);
    if (e->reset) e->reset();
    return Answer(cap, *e, MSG_GETCURRENT);
}

// Every listed capability back to its reset value; the containers the resets
// answer with are freed again. Like the single reset it is refused outside
// state 4 (a reset-all that changed nothing does not claim success). The
// conditions of the single resets are not left behind a call that succeeded.
TW_UINT16 ResetAll()
{
    const TW_STATUS before = TheApp().m_status;
    for (const CapEntry* e = CapTableBegin(); e != CapTableEnd(); ++e) {
        TW_CAPABILITY one{e->id, TWON_DONTCARE16, nullptr};
        Reset(one);
        if (one.hContainer) DsmFree(one.hContainer);
    }
    TheApp().m_status = before;
    return TWRC_SUCCESS;
}

bool IsQuery(TW_UINT16 msg)
{
    return msg == MSG_GET || msg == MSG_GETCURRENT || msg == MSG_GETDEFAULT || msg == MSG_QUERYSUPPORT;
}

TW_UINT16 Serve(TW_UINT16 msg, TW_CAPABILITY* cap)
{
    if (!RequireState(IsQuery(msg) ? Op::CapabilityQuery : Op::CapabilityChange)) return TWRC_FAILURE;
    if (msg == MSG_RESETALL) return ResetAll();
    if (!cap) return FailNullRecord();
    if (IsQuery(msg)) return Query(*cap, msg);
    if (msg == MSG_SET) return Set(*cap);
    return Reset(*cap);
}

} // namespace

TW_UINT16 DsCapability(TW_IDENTITY*, TW_UINT16 msg, TW_MEMREF data)
{
    try {
        return Serve(msg, static_cast<TW_CAPABILITY*>(data));
    } catch (const std::bad_alloc&) {
        // A temporary item list could not be had.
        return TheApp().Fail(TWCC_LOWMEMORY);
    }
}
