// SPDX-License-Identifier: MIT
#include "SystemCodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

using hexconv::SystemCodePage;

namespace {

// What Windows gives the same locales; where Wine cannot say, because a POSIX name leaves the
// script to the territory (sr_RS is Cyrillic, sr_ME Latin) or names it by a modifier.
TEST(SystemCodePage, LocaleByLanguageScriptAndTerritory) {
    const struct {
        const char* locale;
        unsigned codePage;
    } cases[] = {
        {"ru_RU.UTF-8", 1251},
        {"sr_RS.UTF-8", 1251},
        {"sr_RS.UTF-8@latin", 1250},
        {"sr_ME.UTF-8", 1250},
        {"sr-Cyrl-ME", 1251},
        {"uz_UZ.UTF-8@cyrillic", 1251},
        {"uz_UZ", 1254},
        {"pa_PK", 1256},
        {"pa_IN", 1252},
        {"sd_IN@devanagari", 1252},
        {"az_IR", 1252},
        {"ko_KP", 1252},
        {"be_BY@latin", 1252},
        {"ZH-hant", 950},
        {"zh_HK.Big5-HKSCS", 950},
        {"zh_SG.GB2312", 936},
        {"fr_FR@euro", 1252},
        {"hi_IN", 1252},
        {"C.UTF-8", 1252},
        {"POSIX", 1252},
        {"", 1252},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemCodePage::forLocale(c.locale).number(), c.codePage) << c.locale;
    }
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

#ifdef _WIN32
// Run under Wine with LANG set: Wine takes the ANSI code page from the locale as Windows gives
// it, an independent answer for the rule of a system without one. Wine answers UTF-8 where
// Windows gives the locale no ANSI code page.
TEST(SystemCodePage, LocaleRuleAgreesWithWindowsForLang) {
    const char* lang = std::getenv("LANG");
    const unsigned windows = GetACP() == CP_UTF8 ? 1252 : GetACP();
    EXPECT_EQ(
        SystemCodePage::forLocaleVariables(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), lang)
            .number(),
        windows)
        << (lang != nullptr ? lang : "no LANG");
}
#endif

} // namespace
