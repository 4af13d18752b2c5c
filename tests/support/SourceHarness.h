// A test application that plays the data source manager: it loads the data
// source module, calls DS_Entry with its own identity, can hand over entry
// points whose allocator counts what it made, and records every notification
// the source sends back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "twain/Twain.h"

class SourceHarness {
public:
    explicit SourceHarness(const char* productName = "Harness App");
    ~SourceHarness();

    // Loads (or reloads) the module; false when it cannot be loaded or has no DS_Entry.
    bool Load(const char* path = "TARVX380.ds");
    void Unload();
    bool Loaded() const { return m_entry != nullptr; }

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data);
    TW_UINT16 CallWithOrigin(TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data);

    // DAT_STATUS: the condition code the source reports now.
    TW_UINT16 ConditionCode();

    // DAT_ENTRYPOINT with this harness's manager functions and the given Size.
    TW_UINT16 GiveEntryPoints(TW_UINT32 size = sizeof(TW_ENTRYPOINT));

    // The harness's manager functions as an entry-point record.
    static TW_ENTRYPOINT ManagerEntryPoints(TW_UINT32 size = sizeof(TW_ENTRYPOINT));

    TW_IDENTITY& AppIdentity() { return m_app; }

    // Handles made by the harness's allocator, and notifications received.
    static int AllocationsByManager();
    static bool MadeByManager(TW_HANDLE handle);
    static const std::vector<TW_UINT16>& Notifications();
    static void ClearRecords();
    // Called with each notification as it arrives, from inside the source's
    // call to the manager (empty: none).
    static void OnNotification(std::function<void(TW_UINT16)> hook);

    // The application's message loop: takes every waiting message of this
    // thread, hands it to the source through MSG_PROCESSEVENT and dispatches
    // it unless the source consumed it; until `done` holds or `ms` have passed
    // (with no `done`, until the queue is empty). Gives the messages taken.
    int PumpEvents(DWORD ms = 0, const std::function<bool()>& done = {});
    // One message through MSG_PROCESSEVENT.
    TW_UINT16 ProcessEvent(MSG* message);
    // The wake-up messages ("Tarvex380") the loop has taken.
    int WakeUpsSeen() const { return m_wakeUps; }

    // A visible top-level window of the application, made on first use, to
    // hand over as hParent.
    HWND AppWindow();

    // Describes the last failure for an assertion message: return code,
    // condition code.
    std::string Describe(TW_UINT16 rc);

private:
    HMODULE m_module = nullptr;
    DSENTRYPROC m_entry = nullptr;
    TW_IDENTITY m_app{};
    HWND m_window = nullptr;
    int m_wakeUps = 0;
};

// A condition code is read through DAT_STATUS after a failing call, so that
// an assertion names what went wrong.
#define EXPECT_TWAIN(harness, expectedRc, expectedCc, call)                                   \
    do {                                                                                      \
        TW_UINT16 rc_ = (call);                                                               \
        TW_UINT16 cc_ = (harness).ConditionCode();                                            \
        EXPECT_EQ(rc_, (expectedRc)) << #call << " gave rc " << rc_ << " cc " << cc_;         \
        EXPECT_EQ(cc_, (expectedCc)) << #call << " gave rc " << rc_ << " cc " << cc_;         \
    } while (0)
