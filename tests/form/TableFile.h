// SPDX-License-Identifier: MIT
#pragma once

#include "TestNames.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace hexconv {

// The rows of one of the tests' tab-separated tables (tests/data/NAME), comment lines (#) and
// blank lines left out, each cell decoded from UTF-8 and its escapes: \n, \t, \0, \\, \uXXXX and
// \UXXXXXXXX. A missing table stops the test program at once, saying which.
inline std::vector<std::vector<std::u32string>> tableRows(const std::string& name) {
    std::ifstream file(HEXCONV_TEST_DATA "/" + name);
    if (!file) {
        throw std::runtime_error("cannot read the table " + name);
    }
    std::vector<std::vector<std::u32string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::vector<std::u32string> row(1);
        const std::u32string text = fromUtf8(line);
        for (std::size_t at = 0; at < text.size(); ++at) {
            const char32_t c = text[at];
            if (c == U'\t') {
                row.emplace_back();
            } else if (c != U'\\' || at + 1 == text.size()) {
                row.back() += c;
            } else if (const char32_t kind = text[++at]; kind == U'u' || kind == U'U') {
                const std::size_t digits = kind == U'u' ? 4 : 8;
                row.back() += static_cast<char32_t>(
                    std::stoul(std::string(text.begin() + at + 1, text.begin() + at + 1 + digits),
                               nullptr, 16));
                at += digits;
            } else {
                row.back() += kind == U'n'   ? U'\n'
                              : kind == U't' ? U'\t'
                              : kind == U'0' ? U'\0'
                                             : kind;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

// A cell of ASCII, as names and keywords are.
inline std::string asciiOf(const std::u32string& cell) {
    return {cell.begin(), cell.end()};
}

} // namespace hexconv
