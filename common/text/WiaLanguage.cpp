#include "common/text/WiaLanguage.h"

#include <windows.h>

namespace tx {

namespace {
LanguageId ChooseSystemLanguage() {
    return ChooseLanguage(GetSystemDefaultLangID());
}
}  // namespace

// Dynamic initialisation when the module is loaded. The getter lives in this
// file, so any module that asks for the language also links this initialiser.
LanguageId g_wiaLanguageId = ChooseSystemLanguage();

LanguageId GetWiaLanguageId() {
    return g_wiaLanguageId != 0 ? g_wiaLanguageId : ChooseSystemLanguage();
}

bool WiaText(const TextTable& table, char* buffer, std::size_t size) {
    return GetText(GetWiaLanguageId(), table, buffer, size);
}

}  // namespace tx
