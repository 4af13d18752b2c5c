// A module that asks the POSIX threads layer for its thread id: the link-map
// check must refuse it and name the call (see tests/soak/CMakeLists.txt).
#include <thread>

extern "C" __declspec(dllexport) int ThreadIdIsSet()
{
    return std::this_thread::get_id() != std::thread::id() ? 1 : 0;
}
