// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The languages the program ships, each with words of its own that a reference outside the
// program's catalogue gives: the usual "Copy" of that language's desktops, and the "Undo" of Qt's
// own catalogue (qtbase), as the fields' context menu shows it.
struct Language {
    const char* code;
    const char* copy;
    const char* qtUndo;
};

inline const std::vector<Language>& shippedLanguages() {
    static const std::vector<Language> languages = {
        {"de", "Kopieren",
         "&R\xc3\xbc"
         "ckg\xc3\xa4ngig"},
        {"es", "Copiar", "&Deshacer"},
        {"fr", "Copier", "&Annuler"},
    };
    return languages;
}
