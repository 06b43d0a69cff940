// SPDX-License-Identifier: MIT
#include "SystemCodePage.h"

#include "Failure.h"
#include "LocaleName.h"

#include <algorithm>
#include <array>
#include <string>

namespace hexconv {

namespace {

// Windows' default ANSI code page of a locale where it is not Windows-1252; 0 where Windows gives
// the locale none. The first row that matches wins; an empty script or territory matches any. A
// POSIX locale names no script where its language is written in one script only, so the
// territory stands for it: glibc writes sr_RS in Cyrillic and pa_PK in Arabic.
struct Rule {
    std::string_view language;
    std::string_view script;
    std::string_view territory;
    unsigned codePage;
};

constexpr std::array rules = {
    Rule{"ar", "", "", 1256},     Rule{"az", "Cyrl", "", 1251}, Rule{"az", "Arab", "", 0},
    Rule{"az", "", "IR", 0},      Rule{"az", "", "", 1254},     Rule{"ba", "", "", 1251},
    Rule{"be", "Latn", "", 0},    Rule{"be", "", "", 1251},     Rule{"bg", "", "", 1251},
    Rule{"bs", "Cyrl", "", 1251}, Rule{"bs", "", "", 1250},     Rule{"ckb", "", "", 1256},
    Rule{"cs", "", "", 1250},     Rule{"el", "", "", 1253},     Rule{"et", "", "", 1257},
    Rule{"fa", "", "", 1256},     Rule{"he", "", "", 1255},     Rule{"hr", "", "", 1250},
    Rule{"hu", "", "", 1250},     Rule{"ja", "", "", 932},      Rule{"ko", "", "KP", 0},
    Rule{"ko", "", "", 949},      Rule{"ku", "Latn", "", 0},    Rule{"ku", "", "TR", 0},
    Rule{"ku", "", "IR", 0},      Rule{"ku", "", "", 1256},     Rule{"ky", "", "", 1251},
    Rule{"lt", "", "", 1257},     Rule{"lv", "", "", 1257},     Rule{"mk", "", "", 1251},
    Rule{"mn", "Mong", "", 0},    Rule{"mn", "", "", 1251},     Rule{"pa", "Arab", "", 1256},
    Rule{"pa", "", "PK", 1256},   Rule{"pl", "", "", 1250},     Rule{"prs", "", "", 1256},
    Rule{"ro", "", "", 1250},     Rule{"ru", "", "", 1251},     Rule{"sah", "", "", 1251},
    Rule{"sd", "Deva", "", 0},    Rule{"sd", "", "", 1256},     Rule{"sk", "", "", 1250},
    Rule{"sl", "", "", 1250},     Rule{"sq", "", "", 1250},     Rule{"sr", "Latn", "", 1250},
    Rule{"sr", "Cyrl", "", 1251}, Rule{"sr", "", "RS", 1251},   Rule{"sr", "", "", 1250},
    Rule{"tg", "", "", 1251},     Rule{"th", "", "", 874},      Rule{"tk", "", "", 1250},
    Rule{"tr", "", "", 1254},     Rule{"tt", "", "", 1251},     Rule{"ug", "", "", 1256},
    Rule{"uk", "", "", 1251},     Rule{"ur", "", "", 1256},     Rule{"uz", "Cyrl", "", 1251},
    Rule{"uz", "Arab", "", 0},    Rule{"uz", "", "AF", 0},      Rule{"uz", "", "", 1254},
    Rule{"vi", "", "", 1258},     Rule{"zh", "Hant", "", 950},  Rule{"zh", "Hans", "", 936},
    Rule{"zh", "", "TW", 950},    Rule{"zh", "", "HK", 950},    Rule{"zh", "", "MO", 950},
    Rule{"zh", "", "", 936},
};

} // namespace

CodePage SystemCodePage::forWindows(unsigned ansiCodePage, unsigned userLocaleCodePage) {
    for (const unsigned number : {ansiCodePage, userLocaleCodePage}) {
        if (const std::optional<CodePage> page = CodePage::withNumber(number)) {
            return *page;
        }
    }
    return CodePage::windows1252();
}

CodePage SystemCodePage::forLocale(std::string_view locale) {
    const LocaleName named = LocaleName::parse(locale);
    const auto* const rule = std::find_if(rules.begin(), rules.end(), [&named](const Rule& r) {
        return r.language == named.language && (r.script.empty() || r.script == named.script) &&
               (r.territory.empty() || r.territory == named.territory);
    });
    const unsigned number = rule != rules.end() ? rule->codePage : 0;
    return CodePage::withNumber(number).value_or(CodePage::windows1252());
}

CodePage SystemCodePage::forLocaleVariables(const char* lcAll, const char* lcCtype,
                                            const char* lang) {
    for (const char* value : {lcAll, lcCtype, lang}) {
        if (value != nullptr && *value != '\0') {
            return forLocale(value);
        }
    }
    return CodePage::windows1252();
}

CodePage SystemCodePage::named(std::string_view number) {
    const bool digits =
        !number.empty() && number.size() <= 5 &&
        std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits) {
        if (const std::optional<CodePage> page =
                CodePage::withNumber(static_cast<unsigned>(std::stoul(std::string(number))))) {
            return *page;
        }
    }
    std::string choices;
    for (const unsigned choice : CodePage::numbers()) {
        choices += (choices.empty() ? "" : ", ") + std::to_string(choice);
    }
    throw UnknownCodePage(
        HEXCONV_TRANSLATABLE("Failure", "There is no code page \"%1\": choose one of %2."),
        {std::string(number), choices});
}

} // namespace hexconv
