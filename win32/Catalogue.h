// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <span>
#include <string>
#include <vector>

// The program's words in the user's language on Windows: the catalogues of translations/*.ts,
// which the build writes into the program as a table, for the first of the user's preferred UI
// languages that the program ships; English, the language it is written in, otherwise.
class Catalogue {
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
    // The user's preferred UI languages, most wanted first ("de-DE"), as Windows gives them.
    static std::vector<std::wstring> userLanguages();
    // The first of these languages that the program ships; English where English comes first
    // or none is shipped.
    static void load(const std::vector<std::wstring>& uiLanguages);
    // The language loaded ("de"), or empty for English.
    static std::string language();

    static std::wstring text(const hexconv::MessageText& message,
                             const std::vector<hexconv::MessageArgument>& arguments = {});
};
