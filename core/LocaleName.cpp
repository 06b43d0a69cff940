// SPDX-License-Identifier: MIT
#include "LocaleName.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <utility>

namespace hexconv {

namespace {

// The scripts that POSIX locales name by a modifier (sr_RS@latin); other modifiers (@euro) do not
// change the script.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> modifierScripts = {{
    {"latin", "Latn"},
    {"cyrillic", "Cyrl"},
    {"devanagari", "Deva"},
}};

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

// "ll_CC.charset@modifier" or "ll-Ssss-CC": a subtag of four letters is a script, any other
// after the language a territory.
LocaleName LocaleName::parse(std::string_view name) {
    LocaleName locale;
    std::string_view modifier;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        modifier = name.substr(at + 1);
        name = name.substr(0, at);
    }
    name = name.substr(0, name.find('.'));
    bool first = true;
    while (!name.empty()) {
        const auto end = name.find_first_of("_-");
        const std::string_view part = name.substr(0, end);
        if (first) {
            locale.language = lower(part);
        } else if (part.size() == 4 && locale.script.empty()) {
            locale.script = lower(part);
            locale.script.front() = static_cast<char>(std::toupper(locale.script.front()));
        } else if (locale.territory.empty()) {
            std::transform(part.begin(), part.end(), std::back_inserter(locale.territory),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        }
        first = false;
        name = end == std::string_view::npos ? std::string_view() : name.substr(end + 1);
    }
    for (const auto& [word, script] : modifierScripts) {
        if (lower(modifier) == word) {
            locale.script = script;
        }
    }
    return locale;
}

} // namespace hexconv
