// The binding to the data source manager: its DSM_Entry and the memory
// functions every handle given to the application is made with. Global memory
// until DAT_ENTRYPOINT delivers the manager's own functions.
#pragma once

#include <windows.h>

#include "twain/Twain.h"

struct DsmLink {
    DsmLink();
    ~DsmLink();
    DsmLink(const DsmLink&) = delete;
    DsmLink& operator=(const DsmLink&) = delete;

    DSM_MEMALLOCATE allocate;
    DSM_MEMFREE free;
    DSM_MEMLOCK lock;
    DSM_MEMUNLOCK unlock;
    HMODULE managerModule;   // TWAIN_32.DLL when this source loaded it itself
    DSMENTRYPROC entry;
    uint32_t entryPointsSet; // 1 once DAT_ENTRYPOINT succeeded

    // Puts the Global-memory functions back and forgets the manager.
    void Reset();
};

// The module's one manager link.
DsmLink& TheDsmLink();

// Memory through the manager's functions.
TW_HANDLE DsmAlloc(TW_UINT32 size);
void DsmFree(TW_HANDLE handle);
void* DsmLock(TW_HANDLE handle);
void DsmUnlock(TW_HANDLE handle);

// Sends a notification (MSG_XFERREADY, MSG_CLOSEDSREQ, MSG_CLOSEDSOK) to the
// application through the manager. Without a known DSM_Entry it loads
// TWAIN_32.DLL itself; when that fails it returns TWRC_FAILURE and calls nothing.
TW_UINT16 SendToManager(TW_UINT16 msg);

// A lock on a manager handle, released on every path.
class DsmLockedHandle {
public:
    explicit DsmLockedHandle(TW_HANDLE handle) : m_handle(handle), m_data(handle ? DsmLock(handle) : nullptr) {}
    ~DsmLockedHandle() { if (m_data) DsmUnlock(m_handle); }
    DsmLockedHandle(const DsmLockedHandle&) = delete;
    DsmLockedHandle& operator=(const DsmLockedHandle&) = delete;
    void* get() const { return m_data; }
private:
    TW_HANDLE m_handle;
    void* m_data;
};
