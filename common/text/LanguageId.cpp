#include "common/text/LanguageId.h"

namespace tx {

namespace {
// Primary languages and sublanguages of winnt.h that pick a variant.
constexpr unsigned kPrimaryGerman = 0x07;
constexpr unsigned kPrimarySpanish = 0x0A;
constexpr unsigned kPrimaryFrench = 0x0C;
constexpr unsigned kPrimaryItalian = 0x10;
constexpr unsigned kPrimaryDutch = 0x13;
constexpr unsigned kPrimaryPortuguese = 0x16;

constexpr unsigned kSubSpanishTraditional = 1;  // Spain, traditional sort
constexpr unsigned kSubSpanishModern = 3;       // Spain, modern sort
constexpr unsigned kSubFrenchCanadian = 3;
constexpr unsigned kSubPortugueseBrazilian = 1;
}  // namespace

LanguageId ChooseLanguage(std::uint16_t systemLang) {
    const unsigned primary = systemLang & 0x3FFu;
    const unsigned sub = systemLang >> 10;
    switch (primary) {
    case kPrimaryGerman:
        return kLangGerman;
    case kPrimarySpanish:
        return (sub == kSubSpanishTraditional || sub == kSubSpanishModern)
                   ? kLangSpanish
                   : kLangSpanishLatinAmerica;
    case kPrimaryFrench:
        return sub == kSubFrenchCanadian ? kLangFrenchCanada : kLangFrench;
    case kPrimaryItalian:
        return kLangItalian;
    case kPrimaryDutch:
        return kLangDutch;
    case kPrimaryPortuguese:
        return sub == kSubPortugueseBrazilian ? kLangPortugueseBrazil : kLangPortuguese;
    default:
        return kLangEnglish;
    }
}

}  // namespace tx
