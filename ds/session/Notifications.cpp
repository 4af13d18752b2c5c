#include "session/Notifications.h"

#include <cstring>

#include "session/DsmLink.h"

bool g_closeRequestPending = false;

UINT WakeUpMessage()
{
    static UINT message = 0;
    if (!message) message = RegisterWindowMessageA("Tarvex380");
    return message;
}

void PostWakeUp(HWND parent)
{
    DWORD process = 0;
    if (parent && IsWindow(parent)) GetWindowThreadProcessId(parent, &process);
    if (process == GetCurrentProcessId()) {
        PostMessageA(parent, WakeUpMessage(), 0, 0);
        return;
    }
    PostThreadMessageA(GetCurrentThreadId(), WakeUpMessage(), 0, 0);
}

namespace {

bool Equals(const char* field, size_t size, const char* text)
{
    const size_t n = std::strlen(text);
    return n < size && std::memcmp(field, text, n + 1) == 0;
}

bool Is(const TW_IDENTITY& id, const char* manufacturer, const char* product)
{
    return Equals(id.Manufacturer, sizeof id.Manufacturer, manufacturer) &&
           Equals(id.ProductName, sizeof id.ProductName, product);
}

} // namespace

bool IsCloseRequestExcepted(const TW_IDENTITY* origin)
{
    if (!origin) return false;
    return Is(*origin, "Sun Microsystems", "Office") || Is(*origin, "TWAIN Working Group", "TWAIN Certification");
}

void SendPendingCloseRequest(const TW_IDENTITY* origin)
{
    if (!IsCloseRequestExcepted(origin)) SendToManager(MSG_CLOSEDSREQ);
    g_closeRequestPending = false;
}
