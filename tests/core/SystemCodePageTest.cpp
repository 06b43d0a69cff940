// SPDX-License-Identifier: MIT
#include "SystemCodePage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using hexconv::SystemCodePage;

namespace {

// Every locale of glibc and every locale of Windows, with the code page that Windows gives it,
// as scripts/windows-locale-code-pages read them from Windows (Wine), and the other forms that
// locale variables and browsers give names.
TEST(SystemCodePage, EveryLocaleGetsTheCodePageWindowsGivesIt) {
    int rows = 0;
    for (const char* file : {"/locale-code-pages.tsv", "/locale-name-forms.tsv"}) {
        std::ifstream data(HEXCONV_TEST_DATA + std::string(file));
        for (std::string line; std::getline(data, line);) {
            std::istringstream row(line);
            std::string locale;
            std::string skipped; // Windows' locale, its answer
            unsigned codePage = 0;
            if (!line.starts_with('#') && std::getline(row, locale, '\t') &&
                std::getline(row, skipped, '\t') && std::getline(row, skipped, '\t') >> codePage) {
                EXPECT_EQ(SystemCodePage::forLocale(locale).number(), codePage) << locale;
                ++rows;
            }
        }
    }
    EXPECT_GT(rows, 1400);
}

TEST(SystemCodePage, WindowsUsesItsAnsiCodePageThenTheUsersLocales) {
    EXPECT_EQ(SystemCodePage::forWindows(1253, 1251).number(), 1253u);
    EXPECT_EQ(SystemCodePage::forWindows(65001, 1251).number(), 1251u);
    EXPECT_EQ(SystemCodePage::forWindows(65001, 0).number(), 1252u);
    EXPECT_EQ(SystemCodePage::forWindows(932, 0).number(), 932u);
}

} // namespace
