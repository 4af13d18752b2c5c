#include "ui/ScanSheetPaperPoll.h"

#include <utility>

CScanSheetPaperPoll::CScanSheetPaperPoll(Sensor sensor, Prefeed prefeed)
    : m_sensor(std::move(sensor)), m_prefeed(std::move(prefeed))
{
}

bool CScanSheetPaperPoll::Tick(bool active)
{
    if (!active || !m_sensor) return false;
    m_present = m_sensor();
    if (!m_present) {
        m_tray = Tray::Empty;
    } else if (m_tray == Tray::Empty) {
        // Only an insertion the poll saw happen is prefed; paper found on the
        // first read (present at open) stays where it is.
        m_tray = Tray::Fed;
        if (m_prefeed) m_prefeed();
    }
    return true;
}
