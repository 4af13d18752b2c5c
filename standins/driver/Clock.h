// Time as the device sees it: a steady millisecond clock and a sleep, behind
// an interface so that tests can run the device on a clock of their own. The
// library's own clock (SimHost_win.cpp) is the system's tick count.
#pragma once

#include <cstdint>

namespace sim {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

}  // namespace sim
