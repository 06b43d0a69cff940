// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Unicode's names of characters, as the page fetches them (character-names.bin, written by the
// build from Unicode's own data): the ideographs and Hangul syllables, whose names Unicode forms
// from their code points, by ranges; every other name as a list of words, each word once in the
// file. The build writes the file with encode, and the page reads it back.
class CharacterNames {
public:
    // A range of code points whose names Unicode forms from them.
    enum class Formed : std::uint8_t {
        UnifiedIdeograph,       // "CJK UNIFIED IDEOGRAPH-4E00"
        CompatibilityIdeograph, // "CJK COMPATIBILITY IDEOGRAPH-F900"
        HangulSyllable,         // "HANGUL SYLLABLE GA"
    };
    struct Range {
        Formed formed;
        char32_t first;
        char32_t last;
    };
    using Named = std::pair<char32_t, std::string>;

    // No names.
    CharacterNames() = default;
    // The names that a file holds; none where the file is not one that encode wrote.
    explicit CharacterNames(std::span<const std::uint8_t> file);

    // The file: the ranges, then the names given, in order of their code points.
    static std::vector<std::uint8_t> encode(const std::vector<Range>& ranges,
                                            const std::vector<Named>& names);

    // The character's name in capitals ("NO-BREAK SPACE"), or empty where the file has none.
    std::string nameOf(char32_t codePoint) const;

    // The name that a range's code point is given.
    static std::string formedName(Formed formed, char32_t codePoint);

private:
    std::vector<Range> ranges_;
    std::vector<Named> names_;
};
