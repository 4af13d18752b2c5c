#include "device/Calibration.h"

#include <string>

#include "common/driver/SIInterface.h"
#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/DriverLink.h"
#include "device/ScannerChecks.h"
#include "session/BusyGuard.h"
#include "session/ShowMessage.h"
#include "ui/TaskProgressDlg.h"
#include "ui/resource.h"

namespace {

using namespace tx::dstext;

// What the driver answers for a call on a closed interface.
constexpr int kNoBinding = 0xA01;

// The tasks run on the dialog's worker thread; a binding that is gone by then
// is a failed task, never a call through a null pointer.
int CalibrateTask(SIProgressCallback progress, void*)
{
    const auto calibrate = TheScanner().SI_Calibrate;
    return calibrate ? calibrate(0, progress) : kNoBinding;
}
int CleanTask(SIProgressCallback progress, void*)
{
    const auto clean = TheScanner().SI_Clean;
    return clean ? clean(progress) : kNoBinding;
}

int Ask(HWND parent, const tx::TextTable& text, UINT style)
{
    return ShowMessage(parent, tx::DsText(text).c_str(), kMessageCaption, style);
}

// Asks for the sheet when none is in the feeder, shows the dialog again, and
// gives the final choice (IDCANCEL when the user gave up).
int ChooseWithPaper(HWND parent, CCalibrationDlg& dialog, int choice)
{
    if (choice == IDCANCEL || IsPaperPresent()) return choice;
    Ask(parent, choice == IDC_CLEAN ? kTxtInsertCleaningPaper : kTxtInsertCalibrationPaper, MB_OK);
    choice = dialog.Run(parent);
    if (choice != IDCANCEL && !IsPaperPresent() && Ask(parent, kTxtPaperNotDetected, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        choice = IDCANCEL;
    return choice;
}

class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
private:
    HCURSOR m_previous;
};

} // namespace

CalibrationOutcome InterpretCalibrationResult(int result)
{
    switch (result) {
    case SI_OK: return {true, &kTxtCalibrationSuccessful, MB_ICONINFORMATION};
    case SI_WHITE_ONLY_CALIBRATION: return {true, &kTxtWhiteCalibrationSuccessful, MB_ICONINFORMATION};
    case SI_CANCELLED: return {false, nullptr, 0};
    case SI_FILE_ACCESS_ERROR: return {false, &kTxtScanFileError, MB_ICONERROR};
    default: return {false, &kTxtCalibrationFailed, MB_ICONERROR};
    }
}

bool CalibrateOrClean(HWND parent, CalibrationKind kind, bool productCaption)
{
    if (!TheScanner().IsBound()) return false;
    // Dialogs and message boxes hand on the application's messages.
    BusyScope busy;
    const std::string caption = productCaption ? std::string(kMessageCaption) : tx::DsText(kTxtCalibrationPage);
    CCalibrationDlg dialog(kind, caption.c_str());
    const int choice = ChooseWithPaper(parent, dialog, dialog.Run(parent));
    if (choice == IDC_CALIBRATE) {
        int result;
        {
            WaitCursor wait;
            result = RunTaskProgress(parent, tx::DsText(kTxtCalibrating).c_str(), &CalibrateTask, nullptr);
        }
        const CalibrationOutcome outcome = InterpretCalibrationResult(result);
        if (outcome.message) Ask(parent, *outcome.message, MB_OK | outcome.icon);
        return outcome.succeeded;
    }
    if (choice == IDC_CLEAN) {
        WaitCursor wait;
        RunTaskProgress(parent, tx::DsText(kTxtCleaning).c_str(), &CleanTask, nullptr);
        return true;
    }
    return false;
}

bool CalibrateWithoutDialogs()
{
    if (!TheScanner().IsBound() || IsScannerReady() != 1) return false;
    const int result = TheScanner().SI_Calibrate(0, nullptr);
    return result == SI_OK || result == SI_WHITE_ONLY_CALIBRATION;
}

bool CleanWithoutDialogs()
{
    if (!TheScanner().IsBound() || IsScannerReady() != 1) return false;
    return TheScanner().SI_Clean(nullptr) == SI_OK;
}
