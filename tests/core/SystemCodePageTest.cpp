// SPDX-License-Identifier: MIT
#include "SystemCodePage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using hexconv::SystemCodePage;

namespace {

// Every locale of glibc and every locale of Windows, with the code page that Windows gives it,
// as scripts/windows-locale-code-pages read them from Windows (Wine).
TEST(SystemCodePage, EveryLocaleGetsTheCodePageWindowsGivesIt) {
    std::ifstream data(HEXCONV_TEST_DATA "/locale-code-pages.tsv");
    int rows = 0;
    for (std::string line; std::getline(data, line);) {
        std::istringstream row(line);
        std::string locale;
        std::string windows;
        std::string answer;
        unsigned codePage = 0;
        if (!line.starts_with('#') && std::getline(row, locale, '\t') &&
            std::getline(row, windows, '\t') && std::getline(row, answer, '\t') >> codePage) {
            EXPECT_EQ(SystemCodePage::forLocale(locale).number(), codePage) << locale;
            ++rows;
        }
    }
    EXPECT_GT(rows, 1400);
}

// The forms a locale variable or a browser adds: a character set with a modifier, any case.
TEST(SystemCodePage, LocaleNamesInEveryForm) {
    EXPECT_EQ(SystemCodePage::forLocale("sr_RS.UTF-8@latin").number(), 1250u);
    EXPECT_EQ(SystemCodePage::forLocale("uz_UZ.UTF-8@cyrillic").number(), 1251u);
    EXPECT_EQ(SystemCodePage::forLocale("zh_HK.Big5-HKSCS").number(), 950u);
    EXPECT_EQ(SystemCodePage::forLocale("ZH-hant").number(), 950u);
    EXPECT_EQ(SystemCodePage::forLocale("").number(), 1252u);
}

TEST(SystemCodePage, FirstLocaleVariableSetDecides) {
    EXPECT_EQ(SystemCodePage::forLocaleVariables("el_GR", "ru_RU", "pl_PL").number(), 1253u);
    EXPECT_EQ(SystemCodePage::forLocaleVariables("", "ru_RU", "pl_PL").number(), 1251u);
    EXPECT_EQ(SystemCodePage::forLocaleVariables(nullptr, nullptr, "pl_PL").number(), 1250u);
    EXPECT_EQ(SystemCodePage::forLocaleVariables(nullptr, "", nullptr).number(), 1252u);
}

TEST(SystemCodePage, WindowsUsesItsAnsiCodePageThenTheUsersLocales) {
    EXPECT_EQ(SystemCodePage::forWindows(1253, 1251).number(), 1253u);
    EXPECT_EQ(SystemCodePage::forWindows(65001, 1251).number(), 1251u);
    EXPECT_EQ(SystemCodePage::forWindows(65001, 0).number(), 1252u);
    EXPECT_EQ(SystemCodePage::forWindows(932, 0).number(), 932u);
}

} // namespace
