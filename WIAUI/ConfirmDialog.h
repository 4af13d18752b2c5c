// The confirmation dialog (template 104) that asks for the calibration or
// cleaning paper: a title, an instruction, OK and Cancel with given texts.
#pragma once

#include <windows.h>

namespace tx {
namespace wiaui {

struct ConfirmTexts {
    const char* title;
    const char* ok;
    const char* cancel;
    const char* instruction;
};

// Modal; gives IDOK or IDCANCEL, or -1 when the dialog could not be shown.
INT_PTR ShowConfirmDialog(HWND owner, const ConfirmTexts& texts);

}  // namespace wiaui
}  // namespace tx
