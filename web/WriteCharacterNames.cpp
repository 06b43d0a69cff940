// SPDX-License-Identifier: MIT
// Writes the names of every character of every code page the program knows, from Unicode's
// UnicodeData.txt, as CharacterNames encodes them, and reads the file back to check it. Control
// characters are left out: the program names them itself.
// Usage: write_character_names UNICODE_DATA OUTPUT
#include "CharacterNames.h"
#include "CodePageTable.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>

using hexconv::CodePageTable;

namespace {

// Every character that a code page converts: ASCII, the upper half, the pairs and the
// characters that it writes as a letter and combining marks.
std::set<char32_t> codePageCharacters() {
    std::set<char32_t> characters;
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        characters.insert(c);
    }
    const auto add = [&characters](std::u16string_view text) {
        for (const char16_t c : text) {
            if (c != CodePageTable::NoCharacter && (c < 0xD800 || c > 0xDFFF)) {
                characters.insert(c);
            }
        }
    };
    for (const CodePageTable& table : CodePageTable::all()) {
        add(table.upperHalf);
        for (const std::u16string_view row : table.pairs) {
            add(row);
        }
        for (const CodePageTable::Decomposition& decomposition : table.decompositions) {
            add(std::u16string_view(&decomposition.character, 1));
        }
    }
    return characters;
}

// The lines of a text file.
std::vector<std::string> linesOf(const char* path) {
    std::vector<std::string> lines(1);
    if (std::FILE* file = std::fopen(path, "rb")) {
        for (int c = 0; (c = std::fgetc(file)) != EOF;) {
            if (c == '\n') {
                lines.emplace_back();
            } else {
                lines.back() += static_cast<char>(c);
            }
        }
        std::fclose(file);
    }
    return lines;
}

// Unicode's names, and the ranges whose names it forms from their code points: "<CJK Ideograph,
// First>" to its "Last>", and each run of compatibility ideographs named by their code points.
struct UnicodeNames {
    std::map<char32_t, std::string> named;
    std::vector<CharacterNames::Range> ranges;
};

UnicodeNames read(const char* unicodeData) {
    UnicodeNames unicode;
    auto& ranges = unicode.ranges;
    for (const std::string& line : linesOf(unicodeData)) {
        const std::size_t first = line.find(';');
        const std::size_t second = line.find(';', first + 1);
        if (second == std::string::npos) {
            continue;
        }
        const auto codePoint =
            static_cast<char32_t>(std::stoul(line.substr(0, first), nullptr, 16));
        const std::string name = line.substr(first + 1, second - first - 1);
        const bool ideographs = name.starts_with("<CJK Ideograph");
        if (ideographs || name.starts_with("<Hangul Syllable")) {
            if (name.ends_with(", First>")) {
                ranges.push_back({ideographs ? CharacterNames::Formed::UnifiedIdeograph
                                             : CharacterNames::Formed::HangulSyllable,
                                  codePoint, codePoint});
            } else {
                ranges.back().last = codePoint;
            }
        } else if (name == CharacterNames::formedName(
                               CharacterNames::Formed::CompatibilityIdeograph, codePoint)) {
            if (ranges.empty() ||
                ranges.back().formed != CharacterNames::Formed::CompatibilityIdeograph ||
                ranges.back().last + 1 != codePoint) {
                ranges.push_back(
                    {CharacterNames::Formed::CompatibilityIdeograph, codePoint, codePoint});
            }
            ranges.back().last = codePoint;
        } else if (!name.starts_with("<")) {
            unicode.named.emplace(codePoint, name);
        }
    }
    return unicode;
}

} // namespace

int main(int argc, char* argv[]) try {
    if (argc != 3) {
        return 2;
    }
    const UnicodeNames unicode = read(argv[1]);
    const auto& [named, ranges] = unicode;
    std::vector<CharacterNames::Named> names;
    for (const char32_t c : codePageCharacters()) {
        if (const auto found = named.find(c); found != named.end()) {
            names.emplace_back(c, found->second);
        }
    }
    const std::vector<std::uint8_t> file = CharacterNames::encode(ranges, names);
    const CharacterNames read(file);
    for (const auto& [codePoint, name] : names) {
        if (read.nameOf(codePoint) != name) {
            std::fprintf(stderr, "write_character_names: U+%04X read back wrong\n",
                         static_cast<unsigned>(codePoint));
            return 1;
        }
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size()) {
        return 1;
    }
    std::printf("write_character_names: %zu names, %zu ranges, %zu bytes\n", names.size(),
                ranges.size(), file.size());
    return std::fclose(out) == 0 ? 0 : 1;
} catch (const std::exception& failure) {
    std::fprintf(stderr, "write_character_names: %s\n", failure.what());
    return 1;
}
