#include "WIAUI/ConfirmDialog.h"

#include "WIAUI/ModuleState.h"
#include "WIAUI/resource.h"

namespace tx {
namespace wiaui {
namespace {

INT_PTR CALLBACK ConfirmProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto* texts = reinterpret_cast<const ConfirmTexts*>(lParam);
        if (texts) {
            SetWindowTextA(dialog, texts->title);
            SetDlgItemTextA(dialog, IDOK, texts->ok);
            SetDlgItemTextA(dialog, IDCANCEL, texts->cancel);
            SetDlgItemTextA(dialog, IDC_CONFIRM_TEXT, texts->instruction);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR ShowConfirmDialog(HWND owner, const ConfirmTexts& texts)
{
    return DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_CONFIRM), owner, ConfirmProc,
                           reinterpret_cast<LPARAM>(&texts));
}

}  // namespace wiaui
}  // namespace tx
