// SPDX-License-Identifier: MIT
#include "FetchedCatalogues.h"

#include "Translations.h"

#include <algorithm>
#include <array>
#include <list>
#include <string>
#include <vector>

using hexconv::Translations;

namespace {

struct Fetched {
    std::string text;
    std::vector<Translations::Entry> entries;
};

// The build names the shipped languages (HEXCONV_WEB_LANGUAGES, their codes in quotes).
constexpr std::array codes = {HEXCONV_WEB_LANGUAGES};

std::array<Translations::Language, codes.size()>& languages() {
    static std::array<Translations::Language, codes.size()> all = [] {
        std::array<Translations::Language, codes.size()> made{};
        std::transform(codes.begin(), codes.end(), made.begin(), [](const char* code) {
            return Translations::Language{code, {}};
        });
        return made;
    }();
    return all;
}

} // namespace

bool FetchedCatalogues::supply(std::string_view code, std::span<const std::uint8_t> file) {
    auto& all = languages();
    auto* const language = std::find_if(all.begin(), all.end(),
                                        [code](const auto& each) { return code == each.code; });
    if (language == all.end() || file.empty() || file.back() != 0) {
        return false;
    }
    // Kept for as long as the page lives: the language's entries point into its text.
    static std::list<Fetched> kept;
    Fetched& fetched = kept.emplace_back();
    fetched.text.assign(file.begin(), file.end());
    std::vector<const char*> texts;
    for (std::size_t at = 0; at < fetched.text.size(); at = fetched.text.find('\0', at) + 1) {
        texts.push_back(fetched.text.c_str() + at);
    }
    if (texts.size() % 3 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < texts.size(); i += 3) {
        fetched.entries.push_back({texts[i], texts[i + 1], texts[i + 2]});
    }
    language->entries = fetched.entries;
    return true;
}

std::span<const Translations::Language> Translations::shipped() {
    return languages();
}
