// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The languages the program ships, each with words of its own that a reference outside the
// program's catalogue gives: the usual "Copy" of that language's desktops, the "Undo" of Qt's
// own catalogue (qtbase), as the fields' context menu shows it, "g" in the language's
// quotation marks (French with no-break spaces inside), the usual word for "Character", and the
// name Windows' own Basic gives the type-mismatch failure in that language. One table for every
// front end.
struct Language {
    const char* code;
    const char* copy;
    const char* qtUndo;
    const char* quotedG;
    const char* character;
    const char* typeMismatch;
};

inline const std::vector<Language>& shippedLanguages() {
    static const std::vector<Language> languages = {
        {"de", "Kopieren",
         "&R\xc3\xbc"
         "ckg\xc3\xa4ngig",
         "\xe2\x80\x9eg\xe2\x80\x9c", "Zeichen", "Typen unvertr\xc3\xa4glich"},
        {"es", "Copiar", "&Deshacer", "\xc2\xabg\xc2\xbb",
         "Car\xc3\xa1"
         "cter",
         "No coinciden los tipos"},
        {"fr", "Copier", "&Annuler", "\xc2\xab\xc2\xa0g\xc2\xa0\xc2\xbb", "Caract\xc3\xa8re",
         "Incompatibilit\xc3\xa9 de type"},
        {"it", "Copia", "Ann&ulla", "\xc2\xabg\xc2\xbb", "Carattere", "Tipo non corrispondente"},
        {"pl", "Kopiuj", "&Cofnij", "\xe2\x80\x9eg\xe2\x80\x9d", "Znak",
         "Niezgodno\xc5\x9b\xc4\x87 typ\xc3\xb3w"},
        {"pt_BR", "Copiar", "&Desfazer", "\xe2\x80\x9cg\xe2\x80\x9d", "Caractere",
         "Tipos incompat\xc3\xadveis"},
        // Russian desktops' "Копировать" is wider than the button: "В буфер", to the clipboard.
        {"ru", "\xd0\x92 \xd0\xb1\xd1\x83\xd1\x84\xd0\xb5\xd1\x80",
         "&\xd0\x9e\xd1\x82\xd0\xbc\xd0\xb5\xd0\xbd\xd0\xb8\xd1\x82\xd1\x8c "
         "\xd0\xb4\xd0\xb5\xd0\xb9\xd1\x81\xd1\x82\xd0\xb2\xd0\xb8\xd0\xb5",
         "\xc2\xabg\xc2\xbb", "\xd0\xa1\xd0\xb8\xd0\xbc\xd0\xb2\xd0\xbe\xd0\xbb",
         "\xd0\x9d\xd0\xb5\xd1\x81\xd0\xbe\xd0\xbe\xd1\x82\xd0\xb2\xd0\xb5\xd1\x82\xd1\x81\xd1\x82"
         "\xd0\xb2\xd0\xb8\xd0\xb5 "
         "\xd1\x82\xd0\xb8\xd0\xbf\xd0\xb0"},
    };
    return languages;
}
