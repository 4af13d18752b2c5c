// The data source's language: chosen from the system default language on
// the first call and kept for the life of the process.
#pragma once

#include <atomic>
#include <string>

#include "common/text/LanguageId.h"
#include "common/text/TextTable.h"

namespace tx {

// The process-wide choice; 0 until GetLanguageId has chosen. Only tests
// write it.
extern std::atomic<LanguageId> g_languageId;

// The data source's language id. The first call chooses it from
// GetSystemDefaultLangID; later calls return the same id.
LanguageId GetLanguageId();

// The text of `table` in the data source's language.
std::string DsText(const TextTable& table);

}  // namespace tx
