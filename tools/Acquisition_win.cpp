#include "Acquisition_win.h"

#include <cstdio>
#include <cstring>

#include "ClientWindow_win.h"
#include "TwainNames.h"
#include "Transfers_win.h"

namespace {

// How long to wait for MSG_XFERREADY after enabling without the dialog, and
// for the close request after the last page.
constexpr DWORD kXferReadyWaitMs = 120000;
constexpr DWORD kCloseRequestWaitMs = 2000;

std::string TempFolder()
{
    char buf[MAX_PATH];
    const DWORD n = GetTempPathA(MAX_PATH, buf);
    return n > 0 && n < MAX_PATH ? std::string(buf) : std::string(".\\");
}

const char* MechanismName(Mechanism m)
{
    return m == Mechanism::Native ? "native" : m == Mechanism::Memory ? "memory" : "file";
}

bool IsVanilla(TwainSession& s)
{
    CapValue v;
    std::string error;
    TW_UINT32 raw = 0;
    return s.GetCap(ICAP_PIXELFLAVOR, MSG_GETCURRENT, v, error) && CurrentRaw(v, raw) && raw == TWPF_VANILLA;
}

// Ends the transfer phase after a failure or cancel (state 6 or 7 to 5).
void ResetPending(TwainSession& s)
{
    TW_PENDINGXFERS pending{};
    s.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending);
}

void Disable(TwainSession& s, HWND window)
{
    TW_USERINTERFACE ui{};
    ui.hParent = window;
    s.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
}

} // namespace

AcquireResult Acquire(TwainSession& s, HWND window, const AcquireRequest& request, std::vector<Page>& pages,
                      std::string& error)
{
    pages.clear();
    ClearNotifications();
    TW_USERINTERFACE ui{};
    ui.ShowUI = request.ui ? 1 : 0;
    ui.ModalUI = 0;
    ui.hParent = window;
    const TW_UINT16 enableRc = s.Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
    if (enableRc == TWRC_CANCEL) return AcquireResult::Cancelled;
    if (enableRc != TWRC_SUCCESS && enableRc != TWRC_CHECKSTATUS) {
        error = s.LastFailure().Text();
        return AcquireResult::Failed;
    }

    TW_UINT16 note = 0;
    for (;;) {
        if (!WaitForNotification(s, request.ui ? INFINITE : kXferReadyWaitMs, note)) {
            error = "the source never said a page is ready (no MSG_XFERREADY)";
            Disable(s, window);
            return AcquireResult::Failed;
        }
        if (note == MSG_XFERREADY) break;
        if (note == MSG_CLOSEDSREQ || note == MSG_CLOSEDSOK) {
            Disable(s, window);
            return AcquireResult::Cancelled;
        }
    }

    XferContext c;
    c.session = &s;
    c.bufferSize = request.bufferSize;
    c.fileFormat = request.fileFormat;
    c.tempFolder = TempFolder();
    c.quiet = request.quiet;
    AcquireResult result = AcquireResult::Done;
    for (int number = 1;; ++number) {
        std::memset(&c.info, 0, sizeof c.info);
        if (s.Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &c.info) != TWRC_SUCCESS) {
            error = s.LastFailure().Text();
            result = AcquireResult::Failed;
            ResetPending(s);
            break;
        }
        if (!request.quiet) {
            std::printf("page %d: scanning (%s transfer)\n", number, MechanismName(request.mechanism));
            std::fflush(stdout);
        }
        c.vanilla = request.mechanism == Mechanism::Memory && c.info.BitsPerPixel == 1 && IsVanilla(s);
        Page page;
        const XferResult xr = request.mechanism == Mechanism::Native ? NativeTransfer(c, page, error)
                              : request.mechanism == Mechanism::Memory ? MemoryTransfer(c, page, error)
                                                                        : FileTransfer(c, page, error);
        if (xr != XferResult::Done) {
            result = xr == XferResult::Cancelled ? AcquireResult::Cancelled : AcquireResult::Failed;
            ResetPending(s);
            break;
        }
        if (!request.quiet) {
            std::printf("page %d: %lu x %lu pixels, %d-bit, %.0f dpi\n", number, static_cast<unsigned long>(page.width),
                        static_cast<unsigned long>(page.height), page.bitsPerPixel, page.dpi);
            std::fflush(stdout);
        }
        pages.push_back(std::move(page));

        TW_PENDINGXFERS pending{};
        if (s.Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending) != TWRC_SUCCESS) {
            error = s.LastFailure().Text();
            result = AcquireResult::Failed;
            ResetPending(s);
            break;
        }
        if (pending.Count == 0) break;
        if (request.pages > 0 && number >= request.pages) {
            ResetPending(s);
            break;
        }
    }

    // After the last page the source asks to be closed; pass its wake-up
    // message through the loop, then disable either way.
    if (result == AcquireResult::Done) WaitForNotification(s, kCloseRequestWaitMs, note);
    Disable(s, window);
    ClearNotifications();
    return result;
}
