// Language ids of the localised texts and the rule that picks one from the
// Windows system default language.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tx {

// One of the ten language variants every text exists in, 1210 to 1219.
// 0 stands for "not chosen yet" where an id is cached.
using LanguageId = std::uint16_t;

constexpr LanguageId kLangEnglish = 1210;
constexpr LanguageId kLangFrench = 1211;
constexpr LanguageId kLangSpanish = 1212;            // Spain
constexpr LanguageId kLangItalian = 1213;
constexpr LanguageId kLangGerman = 1214;
constexpr LanguageId kLangPortuguese = 1215;         // Portugal
constexpr LanguageId kLangFrenchCanada = 1216;
constexpr LanguageId kLangSpanishLatinAmerica = 1217;
constexpr LanguageId kLangPortugueseBrazil = 1218;
constexpr LanguageId kLangDutch = 1219;

constexpr LanguageId kFirstLanguage = kLangEnglish;
constexpr std::size_t kLanguageCount = 10;

// Position of a language's text in a TextTable; kLanguageCount when the id
// is not a language id.
constexpr std::size_t LanguageIndex(LanguageId id) {
    return (id >= kFirstLanguage && id < kFirstLanguage + kLanguageCount)
               ? static_cast<std::size_t>(id - kFirstLanguage)
               : kLanguageCount;
}

// Picks the variant for a Windows language id (a LANGID, as
// GetSystemDefaultLangID returns it): the primary language is the low 10
// bits, the sublanguage the high 6 bits. Every language without a
// translation gets English.
LanguageId ChooseLanguage(std::uint16_t systemLang);

}  // namespace tx
