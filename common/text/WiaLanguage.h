// The property-page extension's language: chosen from the system default
// language while the module is loaded (static initialisation).
#pragma once

#include <cstddef>

#include "common/text/LanguageId.h"
#include "common/text/TextTable.h"

namespace tx {

// The id chosen when the module was loaded; 0 before that. Only tests read it
// directly.
extern LanguageId g_wiaLanguageId;

// The extension's language id. Called from another module-level initialiser
// that runs before the choice was made, it chooses on the spot (the same id).
LanguageId GetWiaLanguageId();

// The text of `table` in the extension's language, copied into a fixed
// buffer with the bounded copy of GetText: false and an empty string when it
// does not fit.
bool WiaText(const TextTable& table, char* buffer, std::size_t size);

template <std::size_t N>
bool WiaText(const TextTable& table, char (&buffer)[N]) {
    return WiaText(table, buffer, N);
}

}  // namespace tx
