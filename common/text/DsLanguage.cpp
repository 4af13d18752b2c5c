#include "common/text/DsLanguage.h"

#include <windows.h>

namespace tx {

std::atomic<LanguageId> g_languageId{0};

LanguageId GetLanguageId() {
    LanguageId id = g_languageId.load(std::memory_order_relaxed);
    if (id == 0) {
        // Two threads racing here pick the same id, so a plain store is enough.
        id = ChooseLanguage(GetSystemDefaultLangID());
        g_languageId.store(id, std::memory_order_relaxed);
    }
    return id;
}

std::string DsText(const TextTable& table) {
    return GetText(GetLanguageId(), table);
}

}  // namespace tx
