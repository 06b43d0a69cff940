// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hexconv {

// The program's words in every language it ships besides English (translations/*.ts, which the
// build writes into the program as a table), and the one language it speaks: the first of the
// user's languages that it ships, English where English comes first or none is shipped. Every
// front end chooses the language and looks up its words here.
class Translations {
public:
    struct Entry {
        const char* context;
        const char* source;
        const char* translation;
    };
    struct Language {
        const char* code; // "de"
        std::span<const Entry> entries;
    };

    // Every language but English, from the generated table.
    static std::span<const Language> shipped();
    // The user's UI languages, most wanted first, as a platform names them ("de-DE", "pt_BR.UTF-8",
    // "C"): from now on the program speaks the first it ships, or English where English, C or
    // POSIX comes before any such.
    static void choose(const std::vector<std::string>& wanted);
    // The code of the catalogue that a UI language asks for: "de" for "de_AT.UTF-8", "zh_TW" for
    // "zh-Hant", "pt_BR" for "pt-BR" but "pt" (none) for "pt_PT", "he" for "iw".
    static std::string catalogueFor(std::string_view name);
    // The language spoken ("de"), or empty for English.
    static std::string_view language();
    // The language spoken as a language tag names it: "pt-BR" for the catalogue pt_BR, "en".
    static std::string languageTag();
    // Whether the language spoken is written from right to left (Arabic, Hebrew): every front
    // end then mirrors the window, as its platform mirrors its own windows.
    static bool rightToLeft();
    // A text in the language spoken, UTF-8.
    static std::string text(const MessageText& message,
                            const std::vector<MessageArgument>& arguments = {});
};

} // namespace hexconv
