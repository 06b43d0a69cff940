// SPDX-License-Identifier: MIT
#include "Translations.h"

#include "LocaleName.h"

#include <algorithm>

namespace hexconv {

namespace {

const Translations::Language*& spoken() {
    static const Translations::Language* current = nullptr;
    return current;
}

std::string patternOf(const MessageText& message) {
    if (const Translations::Language* language = spoken()) {
        for (const Translations::Entry& entry : language->entries) {
            if (std::string_view(entry.context) == message.context &&
                std::string_view(entry.source) == message.english) {
                return entry.translation;
            }
        }
    }
    return message.english;
}

} // namespace

// The catalogues are per language, not per territory: "de-DE" and "de_AT.UTF-8" are German. But
// Chinese is written in two scripts, Traditional where a name says so or names Taiwan, Hong Kong
// or Macao, Simplified otherwise; Portuguese has a catalogue for Brazil's alone, so that a user in
// Portugal gets the next language they list; and Hebrew keeps its old code "iw" too.
std::string Translations::catalogueFor(std::string_view name) {
    const LocaleName locale = LocaleName::parse(name);
    if (locale.language == "zh") {
        const bool traditional =
            locale.script == "Hant" ||
            (locale.script.empty() &&
             (locale.territory == "TW" || locale.territory == "HK" || locale.territory == "MO"));
        return traditional ? "zh_TW" : "zh_CN";
    }
    if (locale.language == "pt" && locale.territory == "BR") {
        return "pt_BR";
    }
    return locale.language == "iw" ? "he" : locale.language;
}

void Translations::choose(const std::vector<std::string>& wanted) {
    spoken() = nullptr;
    for (const std::string& name : wanted) {
        const std::string code = catalogueFor(name);
        // English is the program's own language: a user who prefers it gets it, whatever else
        // the list goes on to name. C and POSIX are the system's English.
        if (code == "en" || code == "c" || code == "posix") {
            return;
        }
        const auto languages = shipped();
        const auto found =
            std::find_if(languages.begin(), languages.end(),
                         [&code](const Language& language) { return code == language.code; });
        if (found != languages.end()) {
            spoken() = &*found;
            return;
        }
    }
}

std::string_view Translations::language() {
    return spoken() != nullptr ? spoken()->code : "";
}

std::string Translations::languageTag() {
    std::string tag(language().empty() ? "en" : language());
    std::replace(tag.begin(), tag.end(), '_', '-');
    return tag;
}

bool Translations::rightToLeft() {
    const std::string_view code = language();
    return code == "ar" || code == "he";
}

std::string Translations::text(const MessageText& message,
                               const std::vector<MessageArgument>& arguments) {
    return MessageText::compose(message, arguments, &patternOf);
}

} // namespace hexconv
