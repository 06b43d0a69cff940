// SPDX-License-Identifier: MIT
#pragma once

#include "TableFile.h"

#include <array>
#include <string>
#include <vector>

namespace hexconv {

// One of the worked examples of Calculate that every front end's tests play
// (tests/data/calculate-examples.tsv says what each column holds).
struct CalculateExample {
    std::string name;
    unsigned codePage;
    bool hexMode;
    std::u32string input;
    std::array<std::u32string, 4> fields; // Text1, Text2, Text3, Text4 afterwards
    std::u32string report;                // the failure reported, if any
    bool needsUnicodeData;
};

// What follows the quoted text where hex mode refuses a character that is not a hex digit: the
// failure that every front end's tests show.
inline const std::u32string notAHexDigit =
    U" is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).";

inline const std::vector<CalculateExample>& calculateExamples() {
    static const std::vector<CalculateExample> examples = [] {
        std::vector<CalculateExample> read;
        for (std::vector<std::u32string> row : tableRows("calculate-examples.tsv")) {
            row.resize(10);
            read.push_back({asciiOf(row[0]),
                            static_cast<unsigned>(std::stoul(asciiOf(row[1]))),
                            row[2] == U"hex",
                            row[3],
                            {row[4], row[5], row[6], row[7]},
                            row[8],
                            row[9] == U"unicode"});
        }
        return read;
    }();
    return examples;
}

} // namespace hexconv
