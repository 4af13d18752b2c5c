// The Custom Settings page's Preview button, its preview scan and the
// free-disk-space read-out.
#include "ui/CustomSettingsPage.h"

#include <cstring>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/ResolutionList.h"
#include "device/ScanErrorText.h"
#include "device/ScannerChecks.h"
#include "session/BusyGuard.h"
#include "session/DataSourceApp.h"
#include "session/ShowMessage.h"
#include "transfer/BitmapWriter.h"
#include "transfer/DiskFile.h"
#include "transfer/PageStore.h"
#include "transfer/TempFiles.h"
#include "ui/PreviewMath.h"
#include "ui/ScanSheet.h"
#include "ui/resource.h"

using tx::DsText;
namespace t = tx::dstext;

namespace {

constexpr int kFileError = 3;
constexpr int kCancelled = 2;

bool FileExists(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

} // namespace

void CCustomSettingsPage::UpdateDiskSpace()
{
    if (!m_hwnd || !GetDlgItem(m_hwnd, IDC_CUSTOM_FREE_SPACE)) return;
    const std::string root = std::string(TheApp().m_helpPath).substr(0, 3);
    ULARGE_INTEGER available = {};
    const bool known = root.size() == 3 && GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr);
    SetDlgItemTextA(m_hwnd, IDC_CUSTOM_FREE_SPACE,
                    FreeSpaceText(DsText(t::kTxtFreeDiskSpace), known, known ? available.QuadPart : 0).c_str());
    Notify(kPreviewLabel);
}

void CCustomSettingsPage::OnPreviewButton()
{
    const std::string path = PreviewFilePath();
    if (FileExists(path)) {
        const int answer = ShowMessage(m_hwnd, DsText(t::kTxtDeletePreview).c_str(), kMessageCaption, MB_YESNO | MB_ICONEXCLAMATION);
        if (answer == IDNO) return;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(path.c_str())) {
            Notify(kPreviewImage);
        } else {
            ShowMessage(m_hwnd, ScanErrorText(kFileError).c_str(), kMessageCaption, MB_ICONEXCLAMATION);
        }
        return;
    }
    HWND sheet = Sheet();
    SendMessageA(sheet, kMsgPollPaper, 0, 0);
    ScanPreview(path);
    // The sheet's polling resumes even if the page went while the scan pumped messages.
    if (IsWindow(sheet)) SendMessageA(sheet, kMsgPollPaper, 1, 0);
    if (!m_hwnd) return;
    Notify(kPreviewImage);
}

void CCustomSettingsPage::ScanPreview(const std::string& path)
{
    // The scan pumps messages: the application's handlers must not close the source under it.
    BusyScope busy;
    if (!WaitScannerReady()) {
        ShowMessage(m_hwnd, DsText(t::kTxtScannerNotConnected).c_str(), kMessageCaption, MB_OK);
        return;
    }
    if (!CheckBeforeScan(m_hwnd)) return;
    HCURSOR oldCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const size_t slash = path.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string temp = MakeTempFileName("PRV", folder.c_str());

    ScanSettings record;
    std::memset(&record, 0, sizeof record);
    record.ScanMode = kModeColor;
    record.DPI = SnapResolution(75, nullptr);
    record.Gamma = 10;
    record.Highlight = 255;
    record.Bottom = m_settings->Bottom;
    record.Right = kAreaWidth;

    CPageStore& store = ThePageStore();
    if (temp.empty() || store.Open(&record, false, nullptr) != kStoreOpened) {
        // A store that is open already belongs to someone else: leave it be.
        if (!temp.empty()) DeleteFileA(temp.c_str());
        SetCursor(oldCursor);
        return;
    }
    store.SelectSide(0);
    int result;
    {
        CDiskFile file;
        result = file.Create(temp) ? WriteBitmap(file, true, store) : kFileError;
    }
    store.EndPage();
    store.CloseAll();
    if (result != 0) {
        DeleteFileA(temp.c_str());
        if (result != kCancelled) ShowMessage(m_hwnd, ScanErrorText(result).c_str(), kMessageCaption, MB_ICONEXCLAMATION);
    } else if (!MoveFileA(temp.c_str(), path.c_str())) {
        DeleteFileA(temp.c_str());
        ShowMessage(m_hwnd, ScanErrorText(kFileError).c_str(), kMessageCaption, MB_ICONEXCLAMATION);
    }
    SetCursor(oldCursor);
}
