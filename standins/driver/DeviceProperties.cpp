#include "DeviceProperties.h"

#include <algorithm>
#include <cmath>

#include "FrameRenderer.h"

namespace sim {

namespace {

void PutRange(SIProperty& p, const Range& r)
{
    p.kind = SI_KIND_RANGE;
    p.slot[0].i = r.min;
    p.slot[1].i = r.max;
    p.slot[4].i = r.current;
}

void PutSingle(SIProperty& p, int v)
{
    p.kind = SI_KIND_SINGLE;
    p.slot[0].i = v;
}

void PutSetting(SIProperty& p, int factory, int current)
{
    p.kind = SI_KIND_SETTING;
    p.slot[0].i = factory;
    p.slot[1].i = current;
}

// The integer a write carries, by the record's kind; false for a kind the
// property does not take.
bool WrittenValue(const SIProperty& p, uint16_t ownKind, int& value)
{
    if (p.kind == SI_KIND_SINGLE) {
        value = p.slot[0].i;
        return true;
    }
    if (p.kind != ownKind)
        return false;
    if (p.kind == SI_KIND_RANGE) {
        value = p.slot[4].i;
        return true;
    }
    if (p.kind == SI_KIND_SETTING) {
        value = p.slot[1].i;
        return true;
    }
    return false;
}

int SetRange(const SIProperty& p, Range& r)
{
    int v = 0;
    if (!WrittenValue(p, SI_KIND_RANGE, v))
        return kBadShape;
    if (v < r.min || v > r.max)
        return kValueRefused;
    r.current = v;
    return kOk;
}

int SetSingle(const SIProperty& p, int& target, int min, int max)
{
    int v = 0;
    if (!WrittenValue(p, SI_KIND_SINGLE, v))
        return kBadShape;
    if (v < min || v > max)
        return kValueRefused;
    target = v;
    return kOk;
}

int Scale(int v, int from, int to)
{
    return static_cast<int>(static_cast<int64_t>(v) * to / from);
}

}  // namespace

DeviceProperties::DeviceProperties()
{
    m_resolutions = {150, 200, 300, 600};
    UpdateFrameRanges();
    m_width.current = m_width.max;
    m_height.current = m_height.max;
}

void DeviceProperties::UpdateFrameRanges()
{
    const int dpi = m_resolution;
    m_width.max = kAreaWidth * dpi / 100;
    m_width.min = (50 * dpi + 99) / 100;
    m_height.max = kAreaHeight * dpi / 100;
    m_height.min = (10 * dpi + 99) / 100;
    m_left.min = m_top.min = 0;
    m_left.max = m_width.max - m_width.min;
    m_top.max = m_height.max - m_height.min;
    for (Range* r : {&m_width, &m_height, &m_left, &m_top})
        r->current = std::max(r->min, std::min(r->max, r->current));
}

void DeviceProperties::SetResolutions(const std::vector<int32_t>& list)
{
    m_resolutions = list;
    if (m_resolutions.empty())
        m_resolutions.push_back(300);
    if (std::find(m_resolutions.begin(), m_resolutions.end(), m_resolution) == m_resolutions.end()) {
        auto it = std::find(m_resolutions.begin(), m_resolutions.end(), 300);
        SetResolution(it != m_resolutions.end() ? 300 : m_resolutions.front());
    }
}

int DeviceProperties::SetResolution(int dpi)
{
    if (std::find(m_resolutions.begin(), m_resolutions.end(), dpi) == m_resolutions.end())
        return kValueRefused;
    if (dpi != m_resolution) {
        for (Range* r : {&m_width, &m_height, &m_left, &m_top})
            r->current = Scale(r->current, m_resolution, dpi);
        m_resolution = dpi;
        UpdateFrameRanges();
    }
    return kOk;
}

int DeviceProperties::BytesPerRow() const
{
    return sim::BytesPerRow(m_mode, m_width.current);
}

ToneParams DeviceProperties::Tone() const
{
    ToneParams t;
    t.brightness = m_brightness.current;
    t.contrast = m_contrast.current;
    t.gamma = m_gamma;
    t.shadow = m_shadow.current;
    t.highlight = m_highlight.current;
    return t;
}

int DeviceProperties::Get(SIProperty& p) const
{
    p.fromNothing = 0;
    for (SIValue& slot : p.slot)
        slot.raw = 0;
    switch (p.id) {
    case kPropOpticalResolution: PutSingle(p, m_optical); return kOk;
    case kPropResolution:
        p.kind = SI_KIND_LIST;
        p.slot[0].i = static_cast<int32_t>(m_resolutions.size());
        p.slot[3].p = m_resolutions.data();
        p.slot[4].i = m_resolution;
        return kOk;
    case kPropFeedResolution: PutSetting(p, 0, m_feedResolution); return kOk;
    case kPropImageMode: PutSingle(p, m_mode); return kOk;
    case kPropBrightness: PutRange(p, m_brightness); return kOk;
    case kPropContrast: PutRange(p, m_contrast); return kOk;
    case kPropInvert: PutSingle(p, m_invert); return kOk;
    case kPropTop: PutRange(p, m_top); return kOk;
    case kPropLeft: PutRange(p, m_left); return kOk;
    case kPropWidth: PutRange(p, m_width); return kOk;
    case kPropHeight: PutRange(p, m_height); return kOk;
    case kPropColourDraft: PutSingle(p, m_colourDraft); return kOk;
    case kPropBytesPerRow: PutSingle(p, BytesPerRow()); return kOk;
    case kPropDuplex: PutSingle(p, m_duplex); return kOk;
    case kPropFeedThrough: PutSetting(p, 1, m_feedThrough); return kOk;
    case kPropGamma:
        p.kind = SI_KIND_SINGLE;
        p.slot[0].raw = 0;
        p.slot[0].f = m_gamma;
        return kOk;
    case kPropHighlight: PutRange(p, m_highlight); return kOk;
    case kPropShadow: PutRange(p, m_shadow); return kOk;
    case kPropThresholdShift: PutRange(p, m_threshold); return kOk;
    case kPropEndOfPage: PutSingle(p, m_endOfPage); return kOk;
    case kPropDescreen: PutSingle(p, m_descreen); return kOk;
    case kPropUvOnTime: PutRange(p, m_uvOnTime); return kOk;
    case kPropEopSensitivity: PutRange(p, m_eopSensitivity); return kOk;
    case kPropDeviceName:
        p.kind = SI_KIND_TEXT;
        p.slot[0].p = m_name.c_str();
        return kOk;
    case kPropSerialNumber:
        p.kind = SI_KIND_TEXT;
        p.slot[0].p = m_serial.c_str();
        return kOk;
    default:
        return kNotSupported;
    }
}

int DeviceProperties::Set(const SIProperty& p)
{
    int v = 0;
    switch (p.id) {
    case kPropOpticalResolution:
    case kPropBytesPerRow:
    case kPropDeviceName:
    case kPropSerialNumber:
        return kReadOnly;
    case kPropResolution:
        if (p.kind != SI_KIND_SINGLE)
            return kBadShape;
        return SetResolution(p.slot[0].i);
    case kPropFeedResolution:
        if (!WrittenValue(p, SI_KIND_SETTING, v))
            return kBadShape;
        if (v < 0 || v > 4800)
            return kValueRefused;
        m_feedResolution = v;
        return kOk;
    case kPropFeedThrough:
        if (!WrittenValue(p, SI_KIND_SETTING, v))
            return kBadShape;
        if (v != 0 && v != 1)
            return kValueRefused;
        m_feedThrough = v;
        return kOk;
    case kPropImageMode: return SetSingle(p, m_mode, 0, 2);
    case kPropBrightness: return SetRange(p, m_brightness);
    case kPropContrast: return SetRange(p, m_contrast);
    case kPropInvert: return SetSingle(p, m_invert, 0, 1);
    case kPropTop: return SetRange(p, m_top);
    case kPropLeft: return SetRange(p, m_left);
    case kPropWidth: return SetRange(p, m_width);
    case kPropHeight: return SetRange(p, m_height);
    case kPropColourDraft: return SetSingle(p, m_colourDraft, 0, 1);
    case kPropDuplex: return SetSingle(p, m_duplex, 0, 0);  // one-sided device
    case kPropGamma: {
        if (p.kind != SI_KIND_SINGLE)
            return kBadShape;
        float g = p.slot[0].f;
        if (!std::isfinite(g) || g < 0.1f || g > 10.0f)
            return kValueRefused;
        m_gamma = g;
        return kOk;
    }
    case kPropHighlight: return SetRange(p, m_highlight);
    case kPropShadow: return SetRange(p, m_shadow);
    case kPropThresholdShift: return SetRange(p, m_threshold);
    case kPropEndOfPage: return SetSingle(p, m_endOfPage, 0, 1);
    case kPropDescreen: return SetSingle(p, m_descreen, 0, 1);
    case kPropUvOnTime: return SetRange(p, m_uvOnTime);
    case kPropEopSensitivity: return SetRange(p, m_eopSensitivity);
    default:
        return kNotSupported;
    }
}

}  // namespace sim
