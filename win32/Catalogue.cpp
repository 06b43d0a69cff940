// SPDX-License-Identifier: MIT
#include "Catalogue.h"

#include "Utf16.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace {

// The language loaded; none for English.
const Catalogue::Language*& loaded() {
    static const Catalogue::Language* current = nullptr;
    return current;
}

// "de-DE" and "de" both name German; the program's catalogues are per language, not per region.
std::string languageCode(const std::wstring& name) {
    std::string code;
    for (const wchar_t unit : name) {
        if (unit == L'-' || unit == L'_') {
            break;
        }
        code += static_cast<char>(unit >= L'A' && unit <= L'Z' ? unit - L'A' + L'a' : unit);
    }
    return code;
}

// The pattern in the loaded language, UTF-8; English where there is none.
std::string patternOf(const hexconv::MessageText& message) {
    if (const Catalogue::Language* language = loaded()) {
        for (const Catalogue::Entry& entry : language->entries) {
            if (std::string_view(entry.context) == message.context &&
                std::string_view(entry.source) == message.english) {
                return entry.translation;
            }
        }
    }
    return message.english;
}

} // namespace

std::vector<std::wstring> Catalogue::userLanguages() {
    ULONG count = 0;
    ULONG length = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) == 0) {
        return {};
    }
    std::wstring names(length, L'\0');
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &length) == 0) {
        return {};
    }
    // A list of names, each ended by a NUL, and the list by another.
    std::vector<std::wstring> languages;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        languages.push_back(names.substr(at, end - at));
        at = end + 1;
    }
    return languages;
}

void Catalogue::load(const std::vector<std::wstring>& uiLanguages) {
    loaded() = nullptr;
    for (const std::wstring& wanted : uiLanguages) {
        const std::string code = languageCode(wanted);
        if (code == "en") {
            return;
        }
        const auto languages = shipped();
        const auto found =
            std::find_if(languages.begin(), languages.end(),
                         [&code](const Language& language) { return code == language.code; });
        if (found != languages.end()) {
            loaded() = &*found;
            return;
        }
    }
}

std::string Catalogue::language() {
    return loaded() != nullptr ? loaded()->code : "";
}

std::wstring Catalogue::text(const hexconv::MessageText& message,
                             const std::vector<hexconv::MessageArgument>& arguments) {
    return Utf16::fromUtf8(hexconv::MessageText::compose(message, arguments, &patternOf));
}
