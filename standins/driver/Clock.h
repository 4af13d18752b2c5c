// Time as the device sees it: a steady millisecond clock and a sleep, behind
// an interface so that tests can run the device on a clock of their own.
#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

namespace sim {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

class SteadyClock : public Clock {
public:
    int64_t NowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void SleepMs(int ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

}  // namespace sim
