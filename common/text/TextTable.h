// The shape of one localised text and its lookup.
//
// A TextTable holds the same text in the ten language variants, in the order
// of the language ids (English first, Dutch last), as zero-terminated
// Windows-1252 strings. Every entry is set; a variant without a translation
// holds the English text. The texts go to the screen through the ANSI window
// functions unchanged.
#pragma once

#include <cstddef>
#include <string>

#include "common/text/LanguageId.h"

namespace tx {

typedef const char* TextTable[kLanguageCount];

// Initialiser of a table whose text has no translation: English everywhere.
#define TX_UNTRANSLATED(english) \
    { english, english, english, english, english, english, english, english, english, english }

// The data source's lookup: the text of `id`, or an empty string when the
// entry is null or `id` is not a language id.
std::string GetText(LanguageId id, const TextTable& table);
void GetText(LanguageId id, const TextTable& table, std::string& out);

// The property-page extension's lookup: copies the text of `id` into
// `buffer` of `size` bytes, terminator included. A text that does not fit,
// a null entry or an id that is not a language id is refused: the buffer
// receives an empty string (when it has room for one) and the result is
// false. Nothing is ever written past buffer[size - 1].
bool GetText(LanguageId id, const TextTable& table, char* buffer, std::size_t size);

template <std::size_t N>
bool GetText(LanguageId id, const TextTable& table, char (&buffer)[N]) {
    return GetText(id, table, buffer, N);
}

}  // namespace tx
