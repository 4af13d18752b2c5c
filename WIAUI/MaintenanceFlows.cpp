#include "WIAUI/MaintenanceFlows.h"

#include "WIAUI/ConfirmDialog.h"
#include "WIAUI/Scanner.h"
#include "common/driver/ScannerLibrary.h"
#include "common/text/WiaLanguage.h"
#include "common/text/WiaTexts.h"

namespace tx {
namespace wiaui {
namespace {

constexpr const char* kDeviceName = "Tarvex380";
constexpr int kPaperPresent = 1;
const char* g_libraryName = ScannerLibrary::kFileName;

enum class Task { Calibrate, Clean };

// A localised text in a buffer of its own.
struct Text {
    explicit Text(const TextTable& table) { WiaText(table, buffer); }
    char buffer[260];
};

// Shows the wait cursor for one scope.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

// Asks for the paper until it is in (0 and the operation's code), the user
// declines (0) or the paper status fails (its code).
int AskAndRun(HWND owner, Task task, Scanner& scanner, const char* caption)
{
    const Text cancel(wiatext::kTxtCancel);
    const Text instruction(task == Task::Calibrate ? wiatext::kTxtInsertCalibrationPaper
                                                   : wiatext::kTxtInsertCleaningPaper);
    const ConfirmTexts texts = {caption, caption, cancel.buffer, instruction.buffer};
    for (;;) {
        if (ShowConfirmDialog(owner, texts) != IDOK) return 0;
        int paper = 0;
        const int status = scanner.GetPaperStatus(&paper);
        if (status != 0) return status;
        if (paper != kPaperPresent) continue;
        int result;
        {
            WaitCursor wait;
            result = task == Task::Calibrate ? scanner.Calibrate(0, nullptr) : scanner.Clean(nullptr);
        }
        if (task == Task::Calibrate) {
            const Text message(result == 0 ? wiatext::kTxtCalibrationSuccessful : wiatext::kTxtCalibrationFailed);
            MessageBoxA(owner, message.buffer, caption, MB_OK);
        }
        return result;
    }
}

HRESULT RunFlow(HWND owner, Task task)
{
    const Text caption(task == Task::Calibrate ? wiatext::kTxtCalibrate : wiatext::kTxtClean);
    Scanner scanner;
    if (!scanner.Open(g_libraryName) || scanner.OpenInterface(kDeviceName) != 0) {
        const Text message(wiatext::kTxtScannerNotConnected);
        MessageBoxA(owner, message.buffer, caption.buffer, MB_OK);
        return E_FAIL;
    }
    const int result = AskAndRun(owner, task, scanner, caption.buffer);
    scanner.CloseInterface();
    scanner.Close();
    return result == 0 ? S_OK : E_FAIL;
}

}  // namespace

HRESULT RunCalibrateFlow(HWND owner) { return RunFlow(owner, Task::Calibrate); }
HRESULT RunCleanFlow(HWND owner) { return RunFlow(owner, Task::Clean); }

const char* DriverLibraryName() { return g_libraryName; }
void SetDriverLibraryName(const char* name) { g_libraryName = name ? name : ScannerLibrary::kFileName; }

}  // namespace wiaui
}  // namespace tx
