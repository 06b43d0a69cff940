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

void Translations::choose(const std::vector<std::string>& wanted) {
    spoken() = nullptr;
    for (const std::string& name : wanted) {
        // The catalogues are per language, not per territory: "de-DE" and "de_AT.UTF-8" are German.
        const std::string code = LocaleName::parse(name).language;
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

std::string Translations::text(const MessageText& message,
                               const std::vector<MessageArgument>& arguments) {
    return MessageText::compose(message, arguments, &patternOf);
}

} // namespace hexconv
