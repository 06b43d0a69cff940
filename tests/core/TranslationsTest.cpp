// SPDX-License-Identifier: MIT
#include "Translations.h"
#include "Languages.h"
#include "TableFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

using hexconv::Translations;

namespace {

constexpr hexconv::MessageText copy = HEXCONV_TRANSLATABLE("Form1", "Copy");

// The forms of the user's languages that no platform's own list hands the real programs' tests
// (which choose from Linux's, Windows' and the browser's lists): a character set and a modifier,
// an empty name, capitals, POSIX, no list; and each as a language tag names it.
TEST(Translations, TheFirstShippedLanguageUnlessEnglishComesFirst) {
    const struct {
        std::vector<std::string> wanted;
        const char* spoken;
        const char* tag; // as the page names it
    } cases[] = {{{"ru_RU.UTF-8@euro"}, "ru", "ru"}, {{"", "PL"}, "pl", "pl"},
                 {{"POSIX", "es"}, "", "en"},        {{}, "", "en"},
                 {{"pt_BR"}, "pt_BR", "pt-BR"},      {{"zh-Hant"}, "zh_TW", "zh-TW"}};
    for (const auto& each : cases) {
        Translations::choose(each.wanted);
        EXPECT_EQ(Translations::language(), each.spoken) << testing::PrintToString(each.wanted);
        EXPECT_EQ(Translations::languageTag(), each.tag);
    }
    Translations::choose({});
}

TEST(Translations, EachUiLanguageAsksForItsCatalogue) {
    for (const auto& row : hexconv::tableRows("language-choices.tsv")) {
        EXPECT_EQ(Translations::catalogueFor(hexconv::asciiOf(row.at(0))),
                  hexconv::asciiOf(row.at(1)))
            << hexconv::asciiOf(row.at(0));
    }
    // Portugal's Portuguese has no catalogue: the next language counts.
    Translations::choose({"pt_PT.UTF-8", "pl_PL"});
    EXPECT_EQ(Translations::language(), "pl");
    Translations::choose({});
}

// The words that the language's own desktops use, not the catalogue's: a text filed under the
// wrong context, or taken from another language's catalogue, would not match.
TEST(Translations, EachLanguageSaysItsOwnWordsAndEnglishItsOriginal) {
    for (const Language& language : shippedLanguages()) {
        Translations::choose({language.code});
        EXPECT_EQ(Translations::text(copy), language.copy) << language.code;
        EXPECT_EQ(Translations::text({"Failure", "Type mismatch"}), language.typeMismatch);
    }
    Translations::choose({"en"});
    EXPECT_EQ(Translations::text(copy), "Copy");
}

// Side by side, every catalogue translates the same texts under the same contexts, and no two
// give the same wording where it differs from the English: a text lost from one language, or
// filed under another context, or copied from another language, shows here.
TEST(Translations, EveryCatalogueHoldsTheSameTextsEachInItsOwnWords) {
    std::map<std::pair<std::string, std::string>, std::map<std::string, std::string>> texts;
    for (const Translations::Language& language : Translations::shipped()) {
        for (const Translations::Entry& entry : language.entries) {
            texts[{entry.context, entry.source}][language.code] = entry.translation;
        }
    }
    ASSERT_EQ(Translations::shipped().size(), shippedLanguages().size());
    // Shorter words ("ni", "«%1»") two languages may well share, and so may related languages a
    // label of a word or two ("Copiar", "Windows-949 (coreano)"); a sentence they do not.
    // A sentence: three words of four letters or more (every byte of a UTF-8 letter a letter).
    const auto sentence = [](const std::string& text) {
        int words = 0;
        int letters = 0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            letters = (std::isalpha(byte) != 0 || byte >= 0x80) ? letters + 1 : 0;
            words += letters == 4 ? 1 : 0;
        }
        return words >= 3;
    };
    for (const auto& [text, translations] : texts) {
        EXPECT_EQ(translations.size(), shippedLanguages().size())
            << text.first << ": " << text.second;
        std::set<std::string> distinct;
        for (const auto& [code, translation] : translations) {
            EXPECT_TRUE(translation == text.second || !sentence(translation) ||
                        distinct.insert(translation).second)
                << code << " shares its translation of \"" << text.second << "\": " << translation;
        }
    }
}

} // namespace
