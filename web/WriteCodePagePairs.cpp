// SPDX-License-Identifier: MIT
// Writes the pairs of each double-byte code page from the program's own tables into FOLDER as
// code-page-N.bin, for the page to fetch the one its user needs (FetchedCodePagePairs).
// Usage: write_code_page_pairs FOLDER
#include "CodePageTable.h"

#include <cstdio>
#include <string>

using hexconv::CodePageTable;

int main(int argc, char* argv[]) try {
    if (argc != 2) {
        return 2;
    }
    for (const CodePageTable& table : CodePageTable::all()) {
        if (!table.doubleByte) {
            continue;
        }
        const std::string path =
            std::string(argv[1]) + "/code-page-" + std::to_string(table.number) + ".bin";
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return 1;
        }
        for (const std::u16string_view row : table.pairs) {
            for (std::size_t trail = 0; trail < CodePageTable::TrailBytes; ++trail) {
                const char16_t c = row.empty() ? u'\0' : row[trail];
                std::fputc(static_cast<int>(c & 0xFFU), file);
                std::fputc(static_cast<int>(c >> 8U), file);
            }
        }
        if (std::fclose(file) != 0) {
            return 1;
        }
    }
    return 0;
} catch (...) {
    return 1;
}
