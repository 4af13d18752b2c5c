#include "Settings_win.h"

#include <cstdio>
#include <cstring>

#include "TwainNames.h"

namespace {

bool SetRaw(TwainSession& s, TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 raw, bool quiet, std::string& error)
{
    const TW_UINT16 rc = s.SetOneValue(cap, itemType, raw);
    if (rc == TWRC_SUCCESS) return true;
    if (rc == TWRC_CHECKSTATUS) {
        CapValue now;
        std::string ignored;
        TW_UINT32 current = 0;
        if (!quiet && s.GetCap(cap, MSG_GETCURRENT, now, ignored) && CurrentRaw(now, current))
            std::printf("note: %s: the source took %s instead of %s\n", CapabilityName(cap).c_str(),
                        FormatItem(cap, now.itemType, current).c_str(), FormatItem(cap, itemType, raw).c_str());
        return true;
    }
    error = s.LastFailure().Text();
    return false;
}

bool OfferedSize(TwainSession& s, TW_UINT32 size, std::string& offered)
{
    CapValue v;
    std::string error;
    if (!s.GetCap(ICAP_SUPPORTEDSIZES, MSG_GET, v, error)) return true; // let MSG_SET decide
    bool found = false;
    for (TW_UINT32 item : v.items) {
        found = found || item == size;
        offered += " " + ValueName(ICAP_SUPPORTEDSIZES, item);
    }
    if (v.conType == TWON_ONEVALUE) return true;
    return found;
}

bool ApplyFrame(TwainSession& s, const Options& o, std::string& error)
{
    TW_IMAGELAYOUT layout{};
    TW_UINT32 raw[4];
    for (int i = 0; i < 4; ++i) raw[i] = Fix32FromDouble(o.frame[i]);
    std::memcpy(&layout.Frame.Left, &raw[0], 4);
    std::memcpy(&layout.Frame.Top, &raw[1], 4);
    std::memcpy(&layout.Frame.Right, &raw[2], 4);
    std::memcpy(&layout.Frame.Bottom, &raw[3], 4);
    layout.DocumentNumber = layout.PageNumber = layout.FrameNumber = 1;
    const TW_UINT16 rc = s.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout, "frame");
    if (rc == TWRC_SUCCESS) return true;
    if (rc == TWRC_CHECKSTATUS) {
        TW_IMAGELAYOUT now{};
        if (!o.quiet && s.Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &now) == TWRC_SUCCESS) {
            TW_UINT32 r[4];
            std::memcpy(&r[0], &now.Frame.Left, 4);
            std::memcpy(&r[1], &now.Frame.Top, 4);
            std::memcpy(&r[2], &now.Frame.Right, 4);
            std::memcpy(&r[3], &now.Frame.Bottom, 4);
            std::printf("note: the source adjusted the frame to %.2f, %.2f, %.2f, %.2f inches\n", Fix32ToDouble(r[0]),
                        Fix32ToDouble(r[1]), Fix32ToDouble(r[2]), Fix32ToDouble(r[3]));
        }
        return true;
    }
    error = s.LastFailure().Text();
    return false;
}

} // namespace

bool SetCapabilityText(TwainSession& s, TW_UINT16 cap, const std::string& value, bool quiet, std::string& error)
{
    CapValue current;
    if (!s.GetCap(cap, MSG_GETCURRENT, current, error)) return false;
    TW_UINT32 raw = 0;
    if (!ParseItem(cap, current.itemType, value, raw)) {
        error = CapabilityName(cap) + ": '" + value + "' is not a value of type " + ItemTypeName(current.itemType);
        return false;
    }
    return SetRaw(s, cap, current.itemType, raw, quiet, error);
}

bool ApplySettings(TwainSession& s, const Options& o, std::string& error)
{
    const bool q = o.quiet;
    const TW_UINT16 mech = o.mechanism == Mechanism::Native ? TWSX_NATIVE
                           : o.mechanism == Mechanism::Memory ? TWSX_MEMORY : TWSX_FILE;
    if (!SetRaw(s, ICAP_XFERMECH, TWTY_UINT16, mech, q, error)) return false;

    // One page: a transfer count of 1. More: an unknown count (-1) and, where
    // the source offers it, its continuous scanning; the client stops after
    // the pages asked for.
    if (o.pages == 1) {
        if (!SetRaw(s, CAP_XFERCOUNT, TWTY_INT16, 1, q, error)) return false;
    } else {
        if (!SetRaw(s, CAP_XFERCOUNT, TWTY_INT16, 0xFFFF, q, error)) return false;
        if (s.QuerySupport(CUSTCAP_CONTINUOUSSCAN) & TWQC_SET)
            if (!SetRaw(s, CUSTCAP_CONTINUOUSSCAN, TWTY_BOOL, 1, q, error)) return false;
    }
    if (!o.mode.empty()) {
        const TW_UINT32 type = o.mode == "bw" ? TWPT_BW : o.mode == "gray" ? TWPT_GRAY : TWPT_RGB;
        if (!SetRaw(s, ICAP_PIXELTYPE, TWTY_UINT16, type, q, error)) return false;
    }
    if (o.dpi > 0) {
        if (!SetRaw(s, ICAP_XRESOLUTION, TWTY_FIX32, Fix32FromDouble(o.dpi), q, error)) return false;
        if (!SetRaw(s, ICAP_YRESOLUTION, TWTY_FIX32, Fix32FromDouble(o.dpi), q, error)) return false;
    }
    if (!o.size.empty()) {
        TW_UINT32 size = 0;
        std::string offered;
        if (!ValueByName(ICAP_SUPPORTEDSIZES, o.size, size)) {
            error = "unknown page size '" + o.size + "'";
            return false;
        }
        if (!OfferedSize(s, size, offered)) {
            error = "the source does not offer the page size " + o.size + "; it offers:" + offered;
            return false;
        }
        if (!SetRaw(s, ICAP_SUPPORTEDSIZES, TWTY_UINT16, size, q, error)) return false;
    }
    if (o.haveFrame && !ApplyFrame(s, o, error)) return false;
    if (o.haveBrightness && !SetRaw(s, ICAP_BRIGHTNESS, TWTY_FIX32, Fix32FromDouble(o.brightness), q, error))
        return false;
    if (o.haveContrast && !SetRaw(s, ICAP_CONTRAST, TWTY_FIX32, Fix32FromDouble(o.contrast), q, error))
        return false;
    for (const auto& set : o.sets) {
        TW_UINT16 cap = 0;
        if (!CapabilityByName(set.first, cap)) {
            error = "unknown capability '" + set.first + "'";
            return false;
        }
        if (!SetCapabilityText(s, cap, set.second, q, error)) return false;
    }
    return true;
}
