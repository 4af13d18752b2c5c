#include "HandleCount.h"

#include <windows.h>

namespace {
// Handle values are multiples of four; the scan stops well above what a
// test process opens.
constexpr ULONG_PTR kHandleScanEnd = 0x10000;
}  // namespace

long CountProcessHandles()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0)
        return static_cast<long>(count);
    long n = 0;
    for (ULONG_PTR value = 4; value < kHandleScanEnd; value += 4) {
        DWORD flags;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++n;
    }
    return n;
}
