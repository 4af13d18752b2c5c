// A module that uses what the module runtime (common/runtime) takes over
// from the C++ runtime, on this thread and on threads of its own: a thrown
// and caught exception, a function-local static, std::call_once, the
// streams, thread_local values. RuntimeWork returns 0 when every piece gave
// the expected result, else the number of the piece that did not.
#include <windows.h>

#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

thread_local int t_counter = 7;
thread_local char t_text[64] = "initial";

const std::string& Greeting()
{
    static const std::string greeting = std::string("hello, ") + "module";
    return greeting;
}

std::once_flag g_once;
int g_onceRuns = 0;

bool ThrowAndCatch()
{
    try {
        throw std::runtime_error("probe");
    } catch (const std::exception& e) {
        return std::string(e.what()) == "probe";
    }
    return false;
}

// Each thread sees its own thread_local values, starting from their
// initialisers, and can throw on its own.
DWORD WINAPI ThreadWork(void* arg)
{
    int id = static_cast<int>(reinterpret_cast<INT_PTR>(arg));
    if (t_counter != 7 || std::string(t_text) != "initial")
        return 1;
    t_counter = id;
    wsprintfA(t_text, "thread %d", id);
    Sleep(1);
    if (t_counter != id || !ThrowAndCatch())
        return 2;
    return 0;
}

}  // namespace

extern "C" __declspec(dllexport) int RuntimeWork()
{
    if (!ThrowAndCatch())
        return 1;
    if (Greeting() != "hello, module")
        return 2;
    std::call_once(g_once, [] { ++g_onceRuns; });
    std::call_once(g_once, [] { ++g_onceRuns; });
    if (g_onceRuns != 1)
        return 3;
    std::ostringstream out;
    out << "pages " << 42;
    if (out.str() != "pages 42")
        return 4;
    ++t_counter;
    HANDLE threads[3];
    for (int i = 0; i < 3; ++i)
        threads[i] = CreateThread(nullptr, 0, ThreadWork, reinterpret_cast<void*>(static_cast<INT_PTR>(100 + i)), 0, nullptr);
    WaitForMultipleObjects(3, threads, TRUE, INFINITE);
    int result = 0;
    for (HANDLE h : threads) {
        DWORD code = 1;
        GetExitCodeThread(h, &code);
        if (code != 0)
            result = 5;
        CloseHandle(h);
    }
    if (t_counter != 8)
        return 6;
    return result;
}
