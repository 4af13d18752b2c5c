// CShellExt's context menu: Calibrate and Clean, addressed by command offset.
#include "WIAUI/ShellExt.h"

#include <cstring>

#include "WIAUI/MaintenanceFlows.h"
#include "common/text/WiaLanguage.h"
#include "common/text/WiaTexts.h"

namespace tx {
namespace wiaui {
namespace {

constexpr const char* kVerbs[] = {"Calibrate", "Clean"};

bool InsertItem(HMENU menu, UINT position, UINT id, const TextTable& table)
{
    char text[260];
    WiaText(table, text);
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING;
    item.wID = id;
    item.dwTypeData = text;
    return InsertMenuItemA(menu, position, TRUE, &item) != FALSE;
}

// Copies the verb when a buffer is given; S_OK, or E_FAIL when it does not fit.
HRESULT CopyVerb(const char* verb, UINT type, CHAR* name, UINT size)
{
    const size_t length = std::strlen(verb);
    if (length >= size) return E_FAIL;
    if (type & GCS_UNICODE) {
        auto* wide = reinterpret_cast<wchar_t*>(name);
        for (size_t i = 0; i <= length; ++i) wide[i] = static_cast<unsigned char>(verb[i]);
    } else {
        std::memcpy(name, verb, length + 1);
    }
    return S_OK;
}

}  // namespace

STDMETHODIMP CShellExt::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT, UINT)
{
    if (!InsertItem(menu, index, firstId + kCalibrateOffset, wiatext::kTxtCalibrate) ||
        !InsertItem(menu, index + 1, firstId + kCleanOffset, wiatext::kTxtClean))
        return E_FAIL;
    return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 2);
}

STDMETHODIMP CShellExt::InvokeCommand(CMINVOKECOMMANDINFO* info)
{
    if (!info || info->cbSize < sizeof(CMINVOKECOMMANDINFO)) return E_FAIL;
    if (HIWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0) return E_FAIL;  // a verb as text
    if ((info->fMask & CMIC_MASK_UNICODE) && info->cbSize >= sizeof(CMINVOKECOMMANDINFOEX)) {
        const auto* ex = reinterpret_cast<const CMINVOKECOMMANDINFOEX*>(info);
        if (HIWORD(reinterpret_cast<UINT_PTR>(ex->lpVerbW)) != 0) return E_FAIL;
    }
    switch (LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb))) {
    case kCalibrateOffset: return RunCalibrateFlow(info->hwnd);
    case kCleanOffset: return RunCleanFlow(info->hwnd);
    default: return E_FAIL;
    }
}

STDMETHODIMP CShellExt::GetCommandString(UINT_PTR command, UINT type, UINT*, CHAR* name, UINT size)
{
    if (command != kCalibrateOffset && command != kCleanOffset) return E_FAIL;
    const char* verb = kVerbs[command];
    switch (type) {
    case GCS_VERBA:
    case GCS_VERBW:
        if (!name || size == 0) return E_INVALIDARG;
        return CopyVerb(verb, type, name, size);
    case GCS_VALIDATEA:
    case GCS_VALIDATEW:
        if (name && size != 0) CopyVerb(verb, type, name, size);
        return S_OK;
    default:
        return E_FAIL;
    }
}

}  // namespace wiaui
}  // namespace tx
