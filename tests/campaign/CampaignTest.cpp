// The bad-input campaign: thousands of seeded random calls through DS_Entry.
// After each call: a return code the protocol knows, a condition code that
// DAT_STATUS reports once and then clears, and the state the successful calls
// imply (closed, open, enabled). Each call runs under a watchdog that ends
// the process with the seed and the triplet when a call hangs, and a crash
// prints them too. TX_CAMPAIGN_SEED, TX_CAMPAIGN_CALLS and
// TX_CAMPAIGN_SECONDS (0: no limit) choose the run; scripts/campaign.sh sets them.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "CampaignMoves.h"
#include "XferFixture.h"

namespace {

constexpr DWORD kHangMs = 20000;   // far above any one call, even a whole page

std::atomic<ULONGLONG> g_callStart{0};
std::atomic<bool> g_stop{false};
char g_current[512] = "";
// The calls before the current one, for the report of a hang or a crash.
constexpr int kHistory = 24;
char g_history[kHistory][320];
unsigned long g_historyCount = 0;

void Announce(const char* why)
{
    const unsigned long from = g_historyCount > kHistory ? g_historyCount - kHistory : 0;
    for (unsigned long i = from; i < g_historyCount; ++i) std::fprintf(stderr, "  before: %s\n", g_history[i % kHistory]);
    std::fprintf(stderr, "campaign: %s during %s\n", why, g_current);
    std::fflush(stderr);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info)
{
    char why[64];
    std::snprintf(why, sizeof why, "exception 0x%08lx",
                  static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
    Announce(why);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

void Watch()
{
    while (!g_stop) {
        Sleep(200);
        const ULONGLONG start = g_callStart;
        if (start && GetTickCount64() - start > kHangMs) {
            Announce("a call hung");
            TerminateProcess(GetCurrentProcess(), 4);
        }
    }
}

unsigned long FromEnv(const char* name, unsigned long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 0) : fallback;
}

bool KnownReturn(TW_UINT16 rc)
{
    switch (rc) {
    case TWRC_SUCCESS: case TWRC_FAILURE: case TWRC_CHECKSTATUS: case TWRC_CANCEL: case TWRC_DSEVENT:
    case TWRC_NOTDSEVENT: case TWRC_XFERDONE: case TWRC_ENDOFLIST: case TWRC_INFONOTSUPPORTED:
    case TWRC_DATANOTAVAILABLE: case TWRC_BUSY: case TWRC_SCANNERLOCKED:
        return true;
    default:
        return false;
    }
}

bool KnownCondition(TW_UINT16 cc) { return cc <= TWCC_PAPERDOUBLEFEED + 20 || cc >= TWCC_CUSTOMBASE; }

class Campaign : public XferTest {
protected:
    void SetUp() override
    {
        XferTest::SetUp();
        Sim("Device", "BusyAfterScanMs", "0");
        GetTempPathA(sizeof m_folder, m_folder);
        std::snprintf(m_folder + std::strlen(m_folder), 64, "txcampaign%lu", GetCurrentProcessId());
        CreateDirectoryA(m_folder, nullptr);
    }
    void TearDown() override
    {
        SourceHarness::OnNotification({});
        app.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &m_pending);
        TW_USERINTERFACE ui{};
        app.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
        XferTest::TearDown();
        char pattern[MAX_PATH + 8];
        std::snprintf(pattern, sizeof pattern, "%s\\*", m_folder);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern, &found);
        while (search != INVALID_HANDLE_VALUE) {
            char path[2 * MAX_PATH];
            std::snprintf(path, sizeof path, "%s\\%s", m_folder, found.cFileName);
            DeleteFileA(path);
            if (!FindNextFileA(search, &found)) break;
        }
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        RemoveDirectoryA(m_folder);
    }

    // What the successful calls say about the state.
    void Track(const CampaignCall& call, TW_UINT16 rc)
    {
        if (rc != TWRC_SUCCESS || call.dg != DG_CONTROL) return;
        if (call.dat == DAT_IDENTITY && call.msg == MSG_OPENDS) m_open = true, m_enabled = false;
        if (call.dat == DAT_IDENTITY && call.msg == MSG_CLOSEDS) m_open = false, m_enabled = false;
        if (call.dat == DAT_USERINTERFACE && call.msg == MSG_ENABLEDS) m_enabled = true;
        if (call.dat == DAT_USERINTERFACE && call.msg == MSG_DISABLEDS) m_enabled = false;
    }

    // The state as the source acts on it: capabilities answer only when open,
    // and take new values only before enabling.
    std::string CheckState()
    {
        TW_CAPABILITY cap{CAP_XFERCOUNT, TWON_ONEVALUE, nullptr};
        const TW_UINT16 asked = app.Call(DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, &cap);
        if (asked == TWRC_SUCCESS && cap.hContainer) GlobalFree(cap.hContainer);
        if ((asked == TWRC_SUCCESS) != m_open) return m_open ? "open but not answering" : "closed but answering";
        if (m_open) {
            HGLOBAL one = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(TW_ONEVALUE));
            auto* value = static_cast<TW_ONEVALUE*>(GlobalLock(one));
            value->ItemType = TWTY_INT16;
            value->Item = 0xFFFF;
            GlobalUnlock(one);
            TW_CAPABILITY set{CAP_XFERCOUNT, TWON_ONEVALUE, one};
            const TW_UINT16 rc = app.Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &set);
            GlobalFree(one);
            if ((rc == TWRC_SUCCESS || rc == TWRC_CHECKSTATUS) == m_enabled)
                return m_enabled ? "enabled but taking settings" : "open but refusing settings";
        }
        app.ConditionCode();
        return "";
    }

    char m_folder[MAX_PATH] = "";
    bool m_open = false, m_enabled = false;
    TW_PENDINGXFERS m_pending{};
};

TEST_F(Campaign, EveryCallAnswersSoundlyAndKeepsTheState)
{
    const unsigned long seed = FromEnv("TX_CAMPAIGN_SEED", 380);
    const unsigned long calls = FromEnv("TX_CAMPAIGN_CALLS", 4000);
    const unsigned long seconds = FromEnv("TX_CAMPAIGN_SECONDS", 40);
    std::printf("campaign: seed %lu, up to %lu calls\n", seed, calls);
    std::mt19937 rng(seed);
    CampaignMoves moves(app, rng, m_folder);
    static unsigned long s_seed, s_made;
    s_seed = seed;
    moves.beforeSend = [](const CampaignCall& call) {
        std::snprintf(g_current, sizeof g_current, "seed %lu call %lu: %s", s_seed, s_made, call.Describe().c_str());
    };

    // From inside a notification the application calls back into the source.
    int nested = 0, depth = 0;
    SourceHarness::OnNotification([&](TW_UINT16) {
        if (depth > 0 || rng() % 2) return;
        ++depth;
        CampaignCall inner;
        const TW_UINT16 rc = moves.MakeOne(&inner, !m_open);
        Track(inner, rc);
        ++nested;
        --depth;
    });

    ASSERT_EQ(Open(), TWRC_SUCCESS);
    m_open = true;
    Apply(Settings(kModeGray, 75, 100, 150));
    SetUnhandledExceptionFilter(&OnCrash);
    g_stop = false;
    std::thread watchdog(Watch);
    const ULONGLONG began = GetTickCount64();
    unsigned long made = 0;
    for (; made < calls && !HasFailure(); ++made) {
        if (seconds && GetTickCount64() - began > seconds * 1000) break;
        CampaignCall call;
        s_made = made;
        g_callStart = GetTickCount64();
        const int nestedBefore = nested;
        const TW_UINT16 rc = moves.MakeOne(&call, !m_open);
        g_callStart = 0;
        const std::string where = std::string("seed ") + std::to_string(seed) + " call " + std::to_string(made) +
                                  ": " + call.Describe() + " rc " + std::to_string(rc);
        std::snprintf(g_current, sizeof g_current, "%s (checks)", where.c_str());
        EXPECT_TRUE(KnownReturn(rc)) << where;
        const TW_UINT16 first = app.ConditionCode();
        const TW_UINT16 second = app.ConditionCode();
        EXPECT_TRUE(KnownCondition(first)) << where << " cc " << first;
        if (rc == TWRC_FAILURE && nested == nestedBefore)
            EXPECT_NE(first, TWCC_SUCCESS) << where << ": a failure without its condition";
        EXPECT_EQ(second, TWCC_SUCCESS) << where << ": the condition " << first << " was not cleared";
        std::snprintf(g_history[g_historyCount++ % kHistory], sizeof g_history[0], "%s", where.c_str());
        Track(call, rc);
        const std::string state = CheckState();
        EXPECT_EQ(state, "") << where;
        if (made % 16 == 0) app.PumpEvents();
    }
    g_stop = true;
    watchdog.join();
    SetUnhandledExceptionFilter(nullptr);
    std::printf("campaign: seed %lu, %lu calls, %d from inside notifications, %lu ms\n", seed, made, nested,
                static_cast<unsigned long>(GetTickCount64() - began));
    EXPECT_GT(made, 500u) << "too few calls to mean anything";
}

} // namespace
