#include "ui/RangeSliderModel.h"

#include <algorithm>
#include <climits>

bool RangeSliderModel::SetRange(int minimum, int maximum, int step)
{
    const long long span = static_cast<long long>(maximum) - minimum;
    // A span beyond int would overflow the geometry's arithmetic.
    if (span < 2 || span > INT_MAX || span % 2 != 0 || step <= 0 || span % step != 0) return false;
    m_minimum = minimum;
    m_maximum = maximum;
    m_step = step;
    SetValues(m_low, m_high);
    return true;
}

void RangeSliderModel::SetValues(int low, int high)
{
    m_high = std::min(std::max(high, m_minimum), m_maximum);
    m_low = std::min(std::max(low, m_minimum), m_high);
}

void RangeSliderModel::MoveLow(int units)
{
    m_low = std::min(std::max(m_low + units, m_minimum), m_high);
}

void RangeSliderModel::MoveHigh(int units)
{
    m_high = std::min(std::max(m_high + units, m_low), m_maximum);
}

double RangeSliderModel::Unit(int length) const
{
    const int usable = std::max(length - 2 * kEndMargin, 0);
    return static_cast<double>(usable) / (m_maximum - m_minimum);
}

int RangeSliderModel::UnitsFor(int pixels, int length) const
{
    const double unit = Unit(length);
    return unit > 0 ? static_cast<int>(pixels / unit) : 0;
}

int RangeSliderModel::LowThumbEdge(int length) const
{
    return static_cast<int>((m_low - m_minimum) * Unit(length)) + kEndMargin + 1;
}

int RangeSliderModel::HighThumbEdge(int length) const
{
    return static_cast<int>((m_high - m_minimum) * Unit(length)) + kEndMargin;
}

int RangeSliderModel::TickCount() const
{
    return (m_maximum - m_minimum) / m_step + 1;
}

int RangeSliderModel::TickPosition(int i, int length) const
{
    return static_cast<int>(static_cast<long long>(i) * m_step * Unit(length)) + kEndMargin;
}

bool RangeSliderModel::IsLongTick(int i) const
{
    const int steps = (m_maximum - m_minimum) / m_step;
    const int half = steps / 2;
    return half > 0 ? i % half == 0 : true;
}
