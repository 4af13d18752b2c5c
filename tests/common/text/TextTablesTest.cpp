// The text tables of both modules: complete, well-formed, and holding the
// exact English texts the screens rely on.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/text/DsTexts.h"
#include "common/text/WiaTexts.h"

namespace tx {
namespace {

struct Module {
    const char* name;
    const TextTable* const* tables;
    std::size_t count;
};

const Module kModules[] = {
    {"data source", dstext::kAllTexts, dstext::kTextCount},
    {"extension", wiatext::kAllTexts, wiatext::kTextCount},
};

// The printf conversions of a text, in order ("%d", ...); "%%" is skipped.
std::vector<std::string> Conversions(const char* text) {
    std::vector<std::string> found;
    for (const char* p = std::strchr(text, '%'); p; p = std::strchr(p, '%')) {
        if (p[1] == '%') {
            p += 2;
            continue;
        }
        const char* end = p + 1;
        while (*end && std::strchr("-+ #0123456789.hlI", *end))
            ++end;
        found.emplace_back(p, *end ? end + 1 : end);
        p = *end ? end + 1 : end;
    }
    return found;
}

// A UTF-8 lead byte followed by a continuation byte: text saved in the wrong
// code page.
bool LooksLikeUtf8(const char* text) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p[0] && p[1]; ++p)
        if (p[0] >= 0xC2 && p[0] <= 0xF4 && (p[1] & 0xC0) == 0x80)
            return true;
    return false;
}

TEST(TextTables, EveryEntryIsSetAndWellFormed) {
    for (const Module& m : kModules) {
        ASSERT_GT(m.count, 0u) << m.name;
        std::set<const TextTable*> seen;
        for (std::size_t t = 0; t < m.count; ++t) {
            const TextTable& table = *m.tables[t];
            EXPECT_TRUE(seen.insert(m.tables[t]).second) << m.name << " table " << t << " twice";
            ASSERT_NE(nullptr, table[0]) << m.name << " table " << t;
            const std::vector<std::string> english = Conversions(table[0]);
            for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
                const char* text = table[lang];
                ASSERT_NE(nullptr, text) << m.name << " table " << t << " variant " << lang;
                SCOPED_TRACE(std::string(m.name) + ": \"" + table[0] + "\" variant " +
                             std::to_string(lang));
                EXPECT_NE('\0', text[0]);
                EXPECT_EQ(english, Conversions(text)) << text;
                EXPECT_FALSE(LooksLikeUtf8(text)) << text;
            }
        }
    }
}

TEST(TextTables, ExtensionTextsFitItsBuffers) {
    for (std::size_t t = 0; t < wiatext::kTextCount; ++t)
        for (std::size_t lang = 0; lang < kLanguageCount; ++lang)
            EXPECT_LT(std::strlen((*wiatext::kAllTexts[t])[lang]), 256u)
                << (*wiatext::kAllTexts[t])[0] << " variant " << lang;
}

TEST(TextTables, EnglishTextsAreExact) {
    using namespace dstext;
    EXPECT_STREQ("Calibration was successful.\n", kTxtCalibrationSuccessful[0]);
    EXPECT_STREQ("The scanner driver could not be loaded.\n\n"
                 "Please plug in the scanner or reinstall the driver.\n\n",
                 kTxtDriverNotLoaded[0]);
    EXPECT_STREQ("We have detected and resolved an issue with your scanner connection. \n\n"
                 "Please unplug the scanner, wait a few seconds, then reconnect it. \n\n"
                 "After reconnecting, click OK to continue.",
                 kTxtConnectionRepaired[0]);
    EXPECT_STREQ("Photo (5.0 x 3.5\")", kTxtSizePhoto[0]);
    EXPECT_STREQ("Resolution(dpi):", kTxtResolution[0]);
    EXPECT_STREQ("\xB0", kTxtDegree[0]);
    EXPECT_STREQ("%d seconds", kTxtSecondsLeft[0]);
    EXPECT_NE(nullptr, std::strstr(kTxtPresetHelp[0], "use the 'Custom Settings' page"));
    EXPECT_NE(nullptr, std::strstr(kTxtLegalNotice[0], "Tarvex 380"));
    EXPECT_STREQ("Pre-defined Setting", kTxtPagePreset[0]);

    EXPECT_STREQ("Short", wiatext::kTxtDelayShort[0]);
    EXPECT_STREQ("Long", wiatext::kTxtDistanceLong[0]);
    EXPECT_STREQ("Delay:", wiatext::kTxtDelay[0]);
}

TEST(TextTables, BothCalibrateTablesReadCalibrate) {
    EXPECT_NE(&dstext::kTxtCalibrateButton, &dstext::kTxtCalibrateCaption);
    EXPECT_STREQ("Calibrate", dstext::kTxtCalibrateButton[0]);
    EXPECT_STREQ("Calibrate", dstext::kTxtCalibrateCaption[0]);
}

// The extension's copies of texts both modules show say the same in every
// language.
TEST(TextTables, SharedTextsAgreeBetweenModules) {
    const struct {
        const TextTable& wia;
        const TextTable& ds;
    } pairs[] = {
        {wiatext::kTxtCustomSettings, dstext::kTxtPageCustom},
        {wiatext::kTxtPrefeed, dstext::kTxtPrefeed},
        {wiatext::kTxtCalibrate, dstext::kTxtCalibrateButton},
        {wiatext::kTxtClean, dstext::kTxtClean},
        {wiatext::kTxtDefault, dstext::kTxtDefault},
        {wiatext::kTxtCancel, dstext::kTxtCancel},
        {wiatext::kTxtInsertCalibrationPaper, dstext::kTxtInsertCalibrationPaper},
        {wiatext::kTxtInsertCleaningPaper, dstext::kTxtInsertCleaningPaper},
        {wiatext::kTxtCalibrationSuccessful, dstext::kTxtCalibrationSuccessful},
        {wiatext::kTxtCalibrationFailed, dstext::kTxtCalibrationFailed},
        {wiatext::kTxtScannerNotConnected, dstext::kTxtScannerNotConnected},
    };
    for (const auto& p : pairs)
        for (std::size_t lang = 0; lang < kLanguageCount; ++lang)
            EXPECT_STREQ(p.ds[lang], p.wia[lang]) << "variant " << lang;
}

}  // namespace
}  // namespace tx
