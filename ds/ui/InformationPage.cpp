#include "ui/InformationPage.h"

#include <cstring>

#include "common/text/DsLanguage.h"
#include "common/text/DsTexts.h"
#include "device/DeviceProperty.h"
#include "session/ModuleHandle.h"
#include "ui/FileVersion.h"
#include "ui/resource.h"

using tx::DsText;
namespace t = tx::dstext;

namespace {
constexpr uint16_t kSerialProperty = 225;
constexpr size_t kMinSerialLength = 4;
constexpr size_t kMaxSerialLength = 256;
} // namespace

std::string SerialNumberText(bool read, const char* serial)
{
    if (!read || !serial) return "N/A";
    const size_t length = strnlen(serial, kMaxSerialLength);
    if (length < kMinSerialLength) return "N/A";
    return std::string(serial, length);
}

std::string ReadSerialNumberText()
{
    SIProperty record{};
    const bool read = ReadDeviceProperty(kSerialProperty, record) == 0 && record.kind == SI_KIND_TEXT;
    return SerialNumberText(read, read ? static_cast<const char*>(record.slot[0].p) : nullptr);
}

void CInformationPage::PlacePicture()
{
    HWND picture = m_picture.Window();
    HWND frame = GetDlgItem(m_hwnd, IDC_INFO_FRAME);
    if (!picture || !frame) return;
    RECT page = {}, pic = {}, box = {};
    GetWindowRect(m_hwnd, &page);
    GetWindowRect(picture, &pic);
    GetWindowRect(frame, &box);
    const int w = pic.right - pic.left, h = pic.bottom - pic.top;
    const int frameWidth = box.right - box.left, frameHeight = box.bottom - box.top;
    const int x = (box.left - page.left) + ((frameWidth / 2 - w) / 2);
    const int y = (box.top - page.top) + (frameHeight - h) / 2;
    SetWindowPos(picture, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CInformationPage::OnInit()
{
    m_picture.Attach(m_hwnd, IDC_INFO_PICTURE);
    SetDlgItemTextA(m_hwnd, IDC_INFO_SERIAL_LABEL, DsText(t::kTxtSerialNumber).c_str());
    SetDlgItemTextA(m_hwnd, IDC_INFO_DS_LABEL, DsText(t::kTxtDsVersion).c_str());
    SetDlgItemTextA(m_hwnd, IDC_INFO_DLL_LABEL, DsText(t::kTxtDllVersion).c_str());
    SetDlgItemTextA(m_hwnd, IDC_INFO_NOTICE, DsText(t::kTxtLegalNotice).c_str());
    m_picture.SetBitmap(IDB_SCANNER);
    PlacePicture();

    SetDlgItemTextA(m_hwnd, IDC_INFO_SERIAL, ReadSerialNumberText().c_str());
    for (int id : {IDC_INFO_PORT, IDC_INFO_PORT_LABEL, IDC_INFO_PORT_OVERRIDE})
        ShowWindow(GetDlgItem(m_hwnd, id), SW_HIDE);

    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(ModuleHandle(), path, MAX_PATH);
    SetDlgItemTextA(m_hwnd, IDC_INFO_DS_VERSION,
                    FileVersionText(length > 0 && length < MAX_PATH ? path : "").c_str());

    char system[MAX_PATH] = {};
    const UINT systemLength = GetSystemDirectoryA(system, MAX_PATH);
    std::string driver;
    if (systemLength > 0 && systemLength < MAX_PATH) driver = std::string(system) + "\\TARVX380.dll";
    SetDlgItemTextA(m_hwnd, IDC_INFO_DLL_VERSION, driver.empty() ? "---" : FileVersionText(driver).c_str());
}

INT_PTR CInformationPage::HandleMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && Sheet()) {
            SendMessageA(Sheet(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
