// Choosing the language variant from a Windows language id, and the two ways
// the modules keep their choice.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/text/DsLanguage.h"
#include "common/text/LanguageId.h"
#include "common/text/WiaLanguage.h"

namespace tx {
namespace {

TEST(ChooseLanguage, MapsSystemLanguagesToVariants) {
    struct Case {
        std::uint16_t systemLang;
        LanguageId expected;
        const char* what;
    };
    const Case cases[] = {
        {0x0C0C, kLangFrenchCanada, "French (Canada)"},
        {0x040C, kLangFrench, "French (France)"},
        {0x080C, kLangFrench, "French (Belgium)"},
        {0x100C, kLangFrench, "French (Switzerland)"},
        {0x080A, kLangSpanishLatinAmerica, "Spanish (Mexico)"},
        {0x2C0A, kLangSpanishLatinAmerica, "Spanish (Argentina)"},
        {0x0C0A, kLangSpanish, "Spanish (Spain, modern sort)"},
        {0x040A, kLangSpanish, "Spanish (Spain, traditional sort)"},
        {0x0416, kLangPortugueseBrazil, "Portuguese (Brazil)"},
        {0x0816, kLangPortuguese, "Portuguese (Portugal)"},
        {0x0413, kLangDutch, "Dutch"},
        {0x0813, kLangDutch, "Dutch (Belgium)"},
        {0x0407, kLangGerman, "German"},
        {0x0807, kLangGerman, "German (Switzerland)"},
        {0x0410, kLangItalian, "Italian"},
        {0x0810, kLangItalian, "Italian (Switzerland)"},
        {0x0409, kLangEnglish, "English (US)"},
        {0x0411, kLangEnglish, "Japanese"},
        {0x0000, kLangEnglish, "neutral"},
        // The primary language is ten bits wide: 0x10C is not French.
        {0x010C, kLangEnglish, "primary 0x10C"},
        {0xFC07, kLangGerman, "German with sublanguage 63"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, ChooseLanguage(c.systemLang))
            << c.what << " (0x" << std::hex << c.systemLang << ")";
    }
}

TEST(LanguageIndex, CoversExactlyTheTenIds) {
    EXPECT_EQ(0u, LanguageIndex(kLangEnglish));
    EXPECT_EQ(9u, LanguageIndex(kLangDutch));
    EXPECT_EQ(kLanguageCount, LanguageIndex(1209));
    EXPECT_EQ(kLanguageCount, LanguageIndex(1220));
    EXPECT_EQ(kLanguageCount, LanguageIndex(0));
}

TEST(DsLanguage, ChoosesOnFirstCallAndKeepsTheChoice) {
    const LanguageId system = ChooseLanguage(GetSystemDefaultLangID());
    const LanguageId saved = g_languageId.load();

    g_languageId = 0;
    EXPECT_EQ(system, GetLanguageId());
    EXPECT_EQ(system, g_languageId.load());

    // Once chosen, the id is not chosen again.
    const LanguageId other = system == kLangDutch ? kLangItalian : kLangDutch;
    g_languageId = other;
    EXPECT_EQ(other, GetLanguageId());
    EXPECT_EQ(other, GetLanguageId());

    g_languageId = saved;
}

TEST(WiaLanguage, IsChosenWhenTheModuleLoads) {
    // The getter never stores the id, so a set variable was set by the
    // module's initialisation, before any test ran.
    const LanguageId system = ChooseLanguage(GetSystemDefaultLangID());
    EXPECT_EQ(system, g_wiaLanguageId);
    EXPECT_EQ(system, GetWiaLanguageId());
}

}  // namespace
}  // namespace tx
