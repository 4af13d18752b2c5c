// ScanSession: one scan of the front sheet, from SI_StartScan to SI_EndScan.
//
// The frame and image settings are taken from the properties at the start.
// The sheet's leading edge is at the top of the scan area and the sheet is
// centred across it. Rows exist down to the sheet's trailing edge; with
// end-of-page detection on, the sensor confirms the edge a few rows late
// (dpi * (100 - sensitivity) / 5000 rows of backing: none at sensitivity 100,
// 1/25 inch at -100). A read that reaches the trailing edge before the frame
// is complete ends with 20 (end of page) when detection is on and with
// kPaperEnded when it is off.
//
// Faults: a number of reads without data at the start of the scan (or none
// ever), and a read error once a number of rows has been delivered. Pacing
// delivers at most rowsPerSecond rows a second since the start.
#pragma once

#include <cstdint>
#include <memory>

#include "DeviceProperties.h"
#include "FrameRenderer.h"
#include "PageImage.h"

namespace sim {

struct ReadFaults {
    int noDataReads = 0;          // -1: never any data
    int readErrorAfterRows = -1;  // -1: off
    int readErrorCode = kReadError;
    int rowsPerSecond = 0;        // 0: unpaced
};

class ScanSession {
public:
    ScanSession(std::shared_ptr<const PageImage> page, const DeviceProperties& props, int backing,
                int64_t nowMs);

    int Read(uint8_t* buffer, int rows, const ReadFaults& faults, int64_t nowMs, int& delivered);

    int FrameRows() const { return m_frameRows; }
    int SheetRows() const { return m_sheetRows; }
    int RowsDelivered() const { return m_delivered; }
    int BytesPerRow() const { return m_renderer.BytesPerRow(); }

private:
    static RenderSpec MakeSpec(const PageImage& page, const DeviceProperties& props, int backing);

    std::shared_ptr<const PageImage> m_page;
    FrameRenderer m_renderer;
    bool m_detectEnd;
    int m_frameRows;
    int m_sheetRows;
    int m_delivered = 0;
    int m_emptyReads = 0;
    int64_t m_startMs;
};

}  // namespace sim
