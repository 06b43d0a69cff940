// SPDX-License-Identifier: MIT
#include "Catalogue.h"

#include "Translations.h"
#include "Utf16.h"

#include <windows.h>

std::vector<std::string> Catalogue::userLanguages() {
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
    std::vector<std::string> languages;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        languages.push_back(Utf16::toUtf8(names.substr(at, end - at)));
        at = end + 1;
    }
    return languages;
}

std::wstring Catalogue::text(const hexconv::MessageText& message,
                             const std::vector<hexconv::MessageArgument>& arguments) {
    return Utf16::fromUtf8(hexconv::Translations::text(message, arguments));
}
