#include "ScanSession.h"

#include <algorithm>
#include <cmath>

namespace sim {

RenderSpec ScanSession::MakeSpec(const PageImage& page, const DeviceProperties& props, int backing)
{
    RenderSpec params;
    params.frame.dpi = props.Resolution();
    params.frame.left = props.Left();
    params.frame.top = props.Top();
    params.frame.width = props.Width();
    params.frame.height = props.Height();
    params.frame.sheetLeftInches = (DeviceProperties::kAreaWidth / 100.0 - page.WidthInches()) / 2;
    params.frame.nearest = props.Mode() == kModeColour && props.ColourDraft();
    params.frame.backing = static_cast<uint8_t>(backing);
    params.mode = props.Mode();
    params.tone = props.Tone();
    params.thresholdShift = props.ThresholdShift();
    params.invert = props.Invert();
    params.descreen = props.Descreen();
    return params;
}

ScanSession::ScanSession(std::shared_ptr<const PageImage> page, const DeviceProperties& props,
                         int backing, int64_t nowMs)
    : m_page(std::move(page)),
      m_renderer(*m_page, MakeSpec(*m_page, props, backing)),
      m_detectEnd(props.EndOfPageDetection()),
      m_frameRows(props.Height()),
      m_startMs(nowMs)
{
    const int dpi = props.Resolution();
    long sheet = std::lround(m_page->HeightInches() * dpi) - props.Top();
    if (m_detectEnd)
        sheet += static_cast<long>(dpi) * (100 - props.EopSensitivity()) / 5000;
    m_sheetRows = static_cast<int>(std::max(0L, sheet));
}

int ScanSession::Read(uint8_t* buffer, int rows, const ReadFaults& faults, int64_t nowMs,
                      int& delivered)
{
    delivered = 0;
    if (rows == 0)
        return kOk;
    if (faults.noDataReads < 0)
        return kOk;
    if (m_emptyReads < faults.noDataReads) {
        ++m_emptyReads;
        return kOk;
    }
    if (m_delivered >= m_frameRows)
        return kEndOfPage;  // the frame is complete: nothing more on this sheet
    if (m_delivered >= m_sheetRows)
        return m_detectEnd ? kEndOfPage : kPaperEnded;
    if (faults.readErrorAfterRows >= 0 && m_delivered >= faults.readErrorAfterRows)
        return faults.readErrorCode;

    int64_t n = std::min(rows, std::min(m_frameRows, m_sheetRows) - m_delivered);
    if (faults.readErrorAfterRows >= 0)
        n = std::min<int64_t>(n, faults.readErrorAfterRows - m_delivered);
    if (faults.rowsPerSecond > 0) {
        int64_t ready = (nowMs - m_startMs) * faults.rowsPerSecond / 1000 - m_delivered;
        n = std::min(n, std::max<int64_t>(0, ready));
        if (n == 0)
            return kOk;
    }
    const int bpr = m_renderer.BytesPerRow();
    for (int i = 0; i < n; ++i)
        m_renderer.Row(m_delivered + i, buffer + static_cast<size_t>(i) * bpr);
    m_delivered += static_cast<int>(n);
    delivered = static_cast<int>(n);
    if (m_detectEnd && m_sheetRows < m_frameRows && m_delivered == m_sheetRows)
        return kEndOfPage;
    return kOk;
}

}  // namespace sim
