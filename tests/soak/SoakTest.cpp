// Every shipped module and stand-in, loaded, used and unloaded a few hundred
// times in this process, leaves the process's TLS slots, handles, GDI and
// USER objects and memory as they were. The modules come from the command
// line (--modules=a,b,...), which the build fills with every module declared
// through tx_shipped_module; --cycles=N sets the count (default 200).
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "SoakRun.h"

namespace {

std::vector<std::string> g_modules;
int g_cycles = 200;

void ParseArguments(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--modules=", 10) == 0) {
            std::string list = argv[i] + 10;
            for (size_t at = 0; at <= list.size();) {
                size_t comma = list.find(',', at);
                if (comma == std::string::npos)
                    comma = list.size();
                if (comma > at)
                    g_modules.push_back(list.substr(at, comma - at));
                at = comma + 1;
            }
        } else if (std::strncmp(argv[i], "--cycles=", 9) == 0) {
            g_cycles = std::atoi(argv[i] + 9);
        }
    }
}

// The meters themselves: each kind of leak shows in its figure, here in this
// process under whatever Windows runs it.
TEST(ResourceFigures, SeeEachKindOfLeak)
{
    const ResourceFigures before = ResourceFigures::Take();
    DWORD slot = TlsAlloc();
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND window = CreateWindowExA(0, "STATIC", "soak", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    void* block = HeapAlloc(GetProcessHeap(), 0, 200000);
    void* pages = VirtualAlloc(nullptr, 1 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const ResourceFigures d = Difference(before, ResourceFigures::Take());
    EXPECT_EQ(d.freeTlsSlots, -1);
    EXPECT_GE(d.handles, 1);
    EXPECT_GE(d.gdiObjects, 1);
    EXPECT_GE(d.userObjects, 1);
    EXPECT_GE(d.heapBytes, 200000);
    EXPECT_GE(d.privateBytes, 1 << 20);
    VirtualFree(pages, 0, MEM_RELEASE);
    HeapFree(GetProcessHeap(), 0, block);
    DestroyWindow(window);
    DeleteObject(brush);
    CloseHandle(event);
    TlsFree(slot);
}

// A workload whose every cycle leaks one of each: the soak must name them all.
class LeakingWorkload : public ModuleWorkload {
public:
    std::string Cycle() override
    {
        TlsAlloc();
        CreateEventA(nullptr, FALSE, FALSE, nullptr);
        CreateSolidBrush(RGB(4, 5, 6));
        CreateWindowExA(0, "STATIC", "leak", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        HeapAlloc(GetProcessHeap(), 0, 8192);
        return {};
    }
};

TEST(Soak, NamesEveryFigureThatGrows)
{
    LeakingWorkload leaking;
    const SoakResult r = RunSoak(leaking, 20, 1);
    EXPECT_TRUE(r.fault.empty());
    EXPECT_EQ(r.cycles, 20);
    const std::string excess = Excess(r);
    for (const char* what : {"TLS slots", "handles", "GDI objects", "USER objects", "heap bytes"})
        EXPECT_NE(excess.find(what), std::string::npos) << what << " missing from:\n" << excess;
}

TEST(Soak, AModuleThatIsMissingFailsTheFirstCycle)
{
    auto workload = MakeWorkload("NoSuchModule.dll");
    const SoakResult r = RunSoak(*workload, 10, 0);
    EXPECT_EQ(r.cycles, 0);
    EXPECT_NE(r.fault.find("cannot load"), std::string::npos) << r.fault;
}

// The module runtime's own pieces, each used on every cycle of a probe
// module and on threads it starts: right results, nothing left behind.
class RuntimeProbeWorkload : public ModuleWorkload {
public:
    std::string Cycle() override
    {
        HMODULE module = LoadLibraryA((ProgramFolder() + "runtime_probe.dll").c_str());
        if (!module)
            return "cannot load runtime_probe.dll";
        auto work = reinterpret_cast<int (*)()>(GetProcAddress(module, "RuntimeWork"));
        int result = work ? work() : -1;
        FreeLibrary(module);
        return result == 0 ? std::string() : "RuntimeWork gave " + std::to_string(result);
    }
};

TEST(ModuleRuntime, ExceptionsStaticsOnceStreamsAndThreadLocalsLeaveNothing)
{
    RuntimeProbeWorkload probe;
    const SoakResult r = RunSoak(probe, 100);
    ASSERT_TRUE(r.fault.empty()) << r.fault;
    EXPECT_EQ(Excess(r), "") << "before: " << Describe(r.before) << "\nafter:  " << Describe(r.after);
}

class ModuleSoak : public ::testing::TestWithParam<std::string> {};

TEST_P(ModuleSoak, LoadUseUnloadLeavesTheProcessAsItWas)
{
    auto workload = MakeWorkload(GetParam());
    const SoakResult r = RunSoak(*workload, g_cycles);
    ASSERT_TRUE(r.fault.empty()) << GetParam() << ": " << r.fault;
    EXPECT_EQ(Excess(r), "") << GetParam() << " over " << r.cycles << " cycles\n  before: " << Describe(r.before)
                             << "\n  after:  " << Describe(r.after);
}

std::string ModuleName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name;
    for (char c : info.param)
        name += (std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ModuleSoak, ::testing::ValuesIn(g_modules), ModuleName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ModuleSoak);

}  // namespace

int main(int argc, char** argv)
{
    ParseArguments(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (g_modules.empty()) {
        std::fprintf(stderr, "no modules given (--modules=a,b,...)\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
