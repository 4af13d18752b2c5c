// How the client reaches a data source: loaded directly (the client plays
// the manager) or through a data source manager. Both deliver the source's
// notifications into one queue on the application's thread.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "TwainFailure.h"
#include "twain/Twain.h"

// The application identity the client presents.
TW_IDENTITY ClientIdentity();

// Notifications (MSG_XFERREADY, MSG_CLOSEDSREQ, MSG_CLOSEDSOK) in arrival order.
void PostNotification(TW_UINT16 msg);
bool TakeNotification(TW_UINT16& msg);
void ClearNotifications();

class SourceLink {
public:
    virtual ~SourceLink() = default;
    // Loads and opens the source; on failure `error` says why and `failure`
    // holds the failed call, if it was one.
    virtual bool Open(HWND window, std::string& error, TwainFailure& failure) = 0;
    virtual void Close() = 0;
    // A triplet for the open source; DAT_STATUS of the source after a failure.
    virtual TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) = 0;
    virtual const TW_IDENTITY& Source() const = 0;
    // Handles the source hands over are the application's: read and free them
    // with the memory functions in force.
    virtual void* Lock(TW_HANDLE h) = 0;
    virtual void Unlock(TW_HANDLE h) = 0;
    virtual void Free(TW_HANDLE h) = 0;
    // Size of a handle's block, 0 when it cannot be told.
    virtual size_t Size(TW_HANDLE h) = 0;
};

std::unique_ptr<SourceLink> MakeDirectLink(const std::string& dsPath);
std::unique_ptr<SourceLink> MakeManagerLink(const std::string& managerPath, const std::string& productName);

// The sources a manager lists; false with a reason when it cannot be asked.
bool ListManagerSources(const std::string& managerPath, HWND window, std::vector<TW_IDENTITY>& sources,
                        std::string& error);
