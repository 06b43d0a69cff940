// SPDX-License-Identifier: MIT
// Writes each shipped language's catalogue from the program's own table into FOLDER as
// catalogue-CODE.bin, for the page to fetch the one its user speaks (FetchedCatalogues).
// Usage: write_catalogues FOLDER
#include "Translations.h"

#include <cstdio>
#include <string>

using hexconv::Translations;

int main(int argc, char* argv[]) {
    if (argc != 2) {
        return 2;
    }
    for (const Translations::Language& language : Translations::shipped()) {
        const std::string path = std::string(argv[1]) + "/catalogue-" + language.code + ".bin";
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return 1;
        }
        for (const Translations::Entry& entry : language.entries) {
            for (const char* text : {entry.context, entry.source, entry.translation}) {
                std::fputs(text, file);
                std::fputc('\0', file);
            }
        }
        if (std::fclose(file) != 0) {
            return 1;
        }
    }
    return 0;
}
