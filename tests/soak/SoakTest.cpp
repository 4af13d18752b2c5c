// Every shipped module and stand-in, loaded, used and unloaded many times in
// this process, leaves the process's TLS slots, handles, GDI and USER objects
// and memory as they were, and so does a continuous scan of many pages in one
// session of the data source. The modules come from the command line
// (--modules=a,b,...), which the build fills with every module declared
// through tx_shipped_module; --cycles=N sets the count (default 50),
// --pages=N the pages of the scan (default 20).
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ContinuousSession.h"
#include "PageSoak.h"
#include "SoakRun.h"

namespace {

std::vector<std::string> g_modules;
int g_cycles = 50;
int g_pages = 20;

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
        } else if (std::strncmp(argv[i], "--pages=", 8) == 0) {
            g_pages = std::atoi(argv[i] + 8);
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

// Pages that each keep an event from page `leakFrom` on (warm-up pages
// counted), or fail at page `failAt`.
class FakePages : public PageWorkload {
public:
    FakePages(int leakFrom, int failAt) : m_leakFrom(leakFrom), m_failAt(failAt) {}
    ~FakePages() override
    {
        for (HANDLE h : m_kept)
            CloseHandle(h);
    }
    std::string Page() override
    {
        ++m_taken;
        if (m_taken == m_failAt)
            return "jammed";
        if (m_leakFrom && m_taken >= m_leakFrom)
            m_kept.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        return {};
    }
    int m_taken = 0;

private:
    int m_leakFrom, m_failAt;
    std::vector<HANDLE> m_kept;
};

TEST(PageSoak, ReadsEveryNthPageAndAfterTheLastAndNamesTheFirstThatClimbs)
{
    // Warm-up pages 1-3; the leak starts with the 15th page after them and
    // passes the bound of 4 handles at the 19th.
    FakePages pages(kWarmupPages + 15, 0);
    std::vector<int> seen;
    const PageSoakResult r = RunPageSoak(pages, 35, 10, kWarmupPages, [&seen](const PageSample& s) {
        seen.push_back(s.page);
    });
    EXPECT_TRUE(r.fault.empty()) << r.fault;
    EXPECT_EQ(pages.m_taken, 38);
    EXPECT_EQ(r.pages, 35);
    EXPECT_EQ(seen, (std::vector<int>{0, 10, 20, 30, 35}));
    ASSERT_EQ(r.samples.size(), 4u);
    EXPECT_EQ(r.samples.back().page, 35);
    const std::string excess = Excess(r);
    EXPECT_EQ(excess.rfind("after page 20:\nhandles grew by ", 0), 0u) << excess;

    FakePages flat(0, 0);
    EXPECT_EQ(Excess(RunPageSoak(flat, 12, 5)), "");
}

TEST(PageSoak, AFailedPageEndsTheRunWithAReadingAndIsNamed)
{
    FakePages pages(0, kWarmupPages + 7);
    const PageSoakResult r = RunPageSoak(pages, 50, 5);
    EXPECT_EQ(r.fault, "page 7: jammed");
    EXPECT_EQ(r.pages, 6);
    ASSERT_EQ(r.samples.size(), 2u);
    EXPECT_EQ(r.samples.back().page, 6);

    FakePages early(0, 2);
    const PageSoakResult w = RunPageSoak(early, 50, 5);
    EXPECT_EQ(w.fault, "warm-up page 2: jammed");
    EXPECT_EQ(w.pages, 0);
    EXPECT_TRUE(w.samples.empty());
}

// The data source's continuous scan, page after page in one session: every
// page comes whole with more pending, and nothing climbs from reading to
// reading.
TEST(ContinuousSoak, PagesOfOneScanLeaveTheFiguresFlat)
{
    ContinuousSession session(ProgramFolder() + "TARVX380.ds");
    ASSERT_EQ(session.Start(), "");
    const PageSoakResult r = RunPageSoak(session, g_pages, 5);
    const std::string stopped = session.Stop();
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(stopped, "");
    EXPECT_EQ(session.PagesTaken(), g_pages + kWarmupPages);
    ASSERT_FALSE(r.samples.empty());
    EXPECT_EQ(Excess(r), "") << "first reading: " << Describe(r.before)
                             << "\nlast reading:  " << Describe(r.samples.back().figures);
}

// A page that does not come whole is a failed page, not a quiet one.
TEST(ContinuousSoak, AReadErrorInTheScanFailsThePage)
{
    ContinuousSession session(ProgramFolder() + "TARVX380.ds");
    ASSERT_EQ(session.Start(), "");
    ASSERT_EQ(session.Page(), "");
    ASSERT_TRUE(session.Scanner()->Set("Faults", "ReadErrorAfterRows", "40"));
    const std::string fault = session.Page();
    EXPECT_EQ(fault.rfind("DAT_IMAGENATIVEXFER/MSG_GET: ", 0), 0u) << fault;
    EXPECT_EQ(session.PagesTaken(), 1);
    session.Stop();   // the source's message box about the read error is answered there
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
