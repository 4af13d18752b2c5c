// Thread-safe one-time initialisation for a module that is loaded and
// unloaded many times in one process: function-local statics, and
// pthread_once, through which the C++ runtime initialises its locale (any
// use of the streams) and runs std::call_once.
//
// The runtime's guard functions and the POSIX threads layer's pthread_once
// keep their bookkeeping in that layer's per-thread record, which takes a
// TlsAlloc slot, a thread handle and an event per copy of the runtime the
// first time it runs and never frees them. These take their place inside
// each module we ship. Should a module also pull in the layer's thread code
// for something else (std::thread, std::this_thread, a condition variable),
// its link fails with "multiple definition of pthread_once"; the link map is
// written all the same, and
//   cmake -DMAP=<build>/<folder>/<target>.map -DMODULE=none -P cmake/CheckModuleRuntime.cmake
// names the call that pulled the thread code in. One
// module-wide lock, a slim reader/writer lock that needs no cleanup, owned by
// the thread that runs an initialiser for as long as it runs, re-entered when
// that initialiser reaches another function-local static.
//
// The guard is the ABI's 64-bit word; its first byte says "initialised".
#ifdef __MINGW32__

#include <windows.h>

#include <cerrno>
#include <cstdint>

namespace {

SRWLOCK g_lock = SRWLOCK_INIT;
DWORD g_owner = 0;  // thread holding g_lock, 0 when free
unsigned g_depth = 0;

bool Initialised(const uint64_t* guard)
{
    return __atomic_load_n(reinterpret_cast<const uint8_t*>(guard), __ATOMIC_ACQUIRE) != 0;
}

void Enter()
{
    DWORD me = GetCurrentThreadId();
    if (__atomic_load_n(&g_owner, __ATOMIC_RELAXED) != me) {
        AcquireSRWLockExclusive(&g_lock);
        __atomic_store_n(&g_owner, me, __ATOMIC_RELAXED);
    }
    ++g_depth;
}

void Leave()
{
    if (--g_depth == 0) {
        __atomic_store_n(&g_owner, 0, __ATOMIC_RELAXED);
        ReleaseSRWLockExclusive(&g_lock);
    }
}

}  // namespace

extern "C" {

// Returns 1 when the caller is to run the initialiser (holding the lock),
// 0 when the static is ready.
int __cxa_guard_acquire(uint64_t* guard)
{
    if (Initialised(guard))
        return 0;
    Enter();
    if (Initialised(guard)) {
        Leave();
        return 0;
    }
    return 1;
}

void __cxa_guard_release(uint64_t* guard)
{
    __atomic_store_n(reinterpret_cast<uint8_t*>(guard), 1, __ATOMIC_RELEASE);
    Leave();
}

// The initialiser threw: the static stays uninitialised for the next caller.
void __cxa_guard_abort(uint64_t*)
{
    Leave();
}

// pthread_once_t is a long, 0 before the routine ran; 1 after.
int pthread_once(long* once, void (*routine)(void))
{
    if (!once || !routine)
        return EINVAL;
    if (__atomic_load_n(once, __ATOMIC_ACQUIRE) == 1)
        return 0;
    struct Held {
        Held() { Enter(); }
        ~Held() { Leave(); }  // also when the routine throws: it runs again next time
    } held;
    if (__atomic_load_n(once, __ATOMIC_ACQUIRE) != 1) {
        routine();
        __atomic_store_n(once, 1, __ATOMIC_RELEASE);
    }
    return 0;
}

}  // extern "C"

#endif  // __MINGW32__
