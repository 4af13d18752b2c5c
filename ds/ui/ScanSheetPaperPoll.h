// The sheet's paper poll: on every tick while the sheet is active and not
// busy it reads the paper sensor, keeps the shared paper status fresh and
// prefeeds a sheet that was inserted after the poll had seen the tray empty.
// Paper already present when the sheet opens is never prefed. The ticks come
// from outside (the sheet's 167 ms timer, or a test stepping them one by
// one), and so do the sensor and the prefeed, so the rule runs without a
// window or a scanner.
#pragma once

#include <functional>

class CScanSheetPaperPoll {
public:
    using Sensor = std::function<bool()>;
    using Prefeed = std::function<void()>;

    CScanSheetPaperPoll(Sensor sensor, Prefeed prefeed);

    // One tick of the clock; `active` is whether the sheet may poll now.
    // Returns whether the sensor was read.
    bool Tick(bool active);
    // The paper status the last read saw.
    bool PaperPresent() const { return m_present; }

private:
    enum class Tray { Unknown, Empty, Fed };
    Sensor m_sensor;
    Prefeed m_prefeed;
    Tray m_tray = Tray::Unknown;
    bool m_present = false;
};

// The period of the sheet's own paper timer.
constexpr unsigned kSheetPaperPeriodMs = 167;
