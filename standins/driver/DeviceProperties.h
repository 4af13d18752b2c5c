// DeviceProperties: the numbered properties of the scanner and their shapes.
//
// Shapes (the kind a read reports):
//   range   - minimum, maximum, current: 9, 10, 12, 13, 14, 15, 26, 27, 32, 46, 60
//   single  - 2 (read only), 8, 11, 17, 19 (read only), 21, 25 (float), 33, 34
//   list    - 4: the supported resolutions; a write sets the resolution
//   setting - factory value and current value: 5, 23
//   text    - 205 device name, 225 serial number (read only)
// Property 45 (the lamp) belongs to the device, which answers it itself.
//
// Writes: a single value (kind 0) carries the value in slot 0; a range record
// passed back (kind 1) in slot 4; a setting record (kind 4) in slot 1. A value
// outside the range or list is refused (0x902) and changes nothing.
//
// The frame (12 to 15) is in pixels at the current resolution; its ranges
// follow the scan area (4.32 by 10 inches) at that resolution: width at least
// 0.5 inch, height at least 0.1 inch. Changing the resolution rescales the
// frame so that it keeps its place on the sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SimCodes.h"
#include "ToneCurve.h"

namespace sim {

struct Range {
    int min = 0;
    int max = 0;
    int current = 0;
};

class DeviceProperties {
public:
    static constexpr int kAreaWidth = 432;    // hundredths of an inch
    static constexpr int kAreaHeight = 1000;

    DeviceProperties();

    // Device configuration (from the scenario).
    void SetResolutions(const std::vector<int32_t>& list);  // current value kept if listed
    void SetOpticalResolution(int dpi) { m_optical = dpi; }
    void SetDeviceName(const std::string& name) { m_name = name; }
    void SetSerialNumber(const std::string& serial) { m_serial = serial; }

    int Get(SIProperty& p) const;
    int Set(const SIProperty& p);

    // What the scan uses.
    int Resolution() const { return m_resolution; }
    int OpticalResolution() const { return m_optical; }
    int FeedResolution() const { return m_feedResolution; }
    bool FeedThrough() const { return m_feedThrough != 0; }
    int Mode() const { return m_mode; }
    int Top() const { return m_top.current; }
    int Left() const { return m_left.current; }
    int Width() const { return m_width.current; }
    int Height() const { return m_height.current; }
    int BytesPerRow() const;
    bool Invert() const { return m_invert != 0; }
    bool ColourDraft() const { return m_colourDraft != 0; }
    bool EndOfPageDetection() const { return m_endOfPage != 0; }
    bool Descreen() const { return m_descreen != 0; }
    int ThresholdShift() const { return m_threshold.current; }
    int EopSensitivity() const { return m_eopSensitivity.current; }
    int UvOnTime() const { return m_uvOnTime.current; }
    ToneParams Tone() const;
    const std::vector<int32_t>& Resolutions() const { return m_resolutions; }

private:
    void UpdateFrameRanges();
    int SetResolution(int dpi);

    std::vector<int32_t> m_resolutions;
    int m_resolution = 300;
    int m_optical = 600;
    int m_feedResolution = 0;  // current of the setting; factory value 0
    int m_feedThrough = 1;     // current of the setting; factory value 1
    int m_mode = kModeBlackWhite;
    Range m_brightness{-100, 100, 0};
    Range m_contrast{-100, 100, 0};
    int m_invert = 0;
    Range m_top, m_left, m_width, m_height;
    int m_colourDraft = 0;
    int m_duplex = 0;
    float m_gamma = 1.8f;
    Range m_highlight{1, 255, 255};
    Range m_shadow{0, 254, 0};
    Range m_threshold{-100, 100, 0};
    int m_endOfPage = 0;
    int m_descreen = 0;
    Range m_uvOnTime{100, 10000, 1000};
    Range m_eopSensitivity{-100, 100, 0};
    std::string m_name = "Tarvex 380";
    std::string m_serial;
};

}  // namespace sim
