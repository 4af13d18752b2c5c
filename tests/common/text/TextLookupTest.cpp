// GetText in its two forms: into a string, and bounded into a fixed buffer.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "common/text/TextTable.h"
#include "common/text/WiaLanguage.h"

namespace tx {
namespace {

const TextTable kSample = {"Height", "Hauteur", "Alto",   "Altezza", "H\xF6he",
                           "Altura", "Hauteur", "Alto",   "Altura",  "Hoogte"};
const TextTable kWithGap = {"Only English", nullptr, "Solo", "Solo", "Nur",
                            "S\xF3", "Seul",  "Solo",    "S\xF3", "Alleen"};

TEST(GetTextString, PicksTheEntryOfTheLanguage) {
    EXPECT_EQ("Height", GetText(kLangEnglish, kSample));
    EXPECT_EQ("H\xF6he", GetText(kLangGerman, kSample));
    EXPECT_EQ("Hoogte", GetText(kLangDutch, kSample));
    std::string out = "old";
    GetText(kLangItalian, kSample, out);
    EXPECT_EQ("Altezza", out);
}

TEST(GetTextString, GivesEmptyForNullEntryAndForeignIds) {
    EXPECT_EQ("", GetText(kLangFrench, kWithGap));
    for (LanguageId id : {LanguageId(0), LanguageId(1209), LanguageId(1220), LanguageId(0xFFFF)})
        EXPECT_EQ("", GetText(id, kSample)) << id;
    std::string out = "left over";
    GetText(1220, kSample, out);
    EXPECT_EQ("", out);
    out = "left over";
    GetText(kLangFrench, kWithGap, out);
    EXPECT_EQ("", out);
}

TEST(GetTextBuffer, CopiesTextThatFits) {
    char buffer[256];
    ASSERT_TRUE(GetText(kLangGerman, kSample, buffer));
    EXPECT_STREQ("H\xF6he", buffer);

    // Exactly the text and its terminator.
    char exact[7];
    ASSERT_TRUE(GetText(kLangEnglish, kSample, exact));
    EXPECT_STREQ("Height", exact);
}

TEST(GetTextBuffer, RefusesTextThatDoesNotFitAndWritesNothingBeyond) {
    char area[16];
    std::memset(area, 'X', sizeof area);
    // "Height" needs 7 bytes; offer 6.
    EXPECT_FALSE(GetText(kLangEnglish, kSample, area, 6));
    EXPECT_EQ('\0', area[0]);
    for (std::size_t i = 6; i < sizeof area; ++i)
        EXPECT_EQ('X', area[i]) << "byte " << i;

    // Room for the terminator only.
    area[0] = 'X';
    EXPECT_FALSE(GetText(kLangEnglish, kSample, area, 1));
    EXPECT_EQ('\0', area[0]);
    EXPECT_EQ('X', area[1]);
}

TEST(GetTextBuffer, RefusesNoBufferNullEntryAndForeignIds) {
    char buffer[32];
    buffer[0] = 'X';
    EXPECT_FALSE(GetText(kLangEnglish, kSample, buffer, 0));
    EXPECT_EQ('X', buffer[0]);
    EXPECT_FALSE(GetText(kLangEnglish, kSample, nullptr, 32));

    std::strcpy(buffer, "stale");
    EXPECT_FALSE(GetText(kLangFrench, kWithGap, buffer));
    EXPECT_STREQ("", buffer);
    std::strcpy(buffer, "stale");
    EXPECT_FALSE(GetText(1209, kSample, buffer));
    EXPECT_STREQ("", buffer);
}

TEST(WiaText, UsesTheModuleLanguage) {
    char buffer[260];
    ASSERT_TRUE(WiaText(kSample, buffer));
    EXPECT_EQ(GetText(GetWiaLanguageId(), kSample), buffer);
    char tiny[2];
    EXPECT_FALSE(WiaText(kSample, tiny));
    EXPECT_STREQ("", tiny);
}

}  // namespace
}  // namespace tx
