// SPDX-License-Identifier: MIT
#include "UnicodeData.h"
#include "TestNames.h"
#include "Utf16.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

// Debian's unicode-data, where Wine shows the root folder.
std::ifstream unicodeFile(const std::string& path) {
    return std::ifstream("Z:\\usr\\share\\unicode\\" + path);
}

std::u32string fromHex(const std::string& field) {
    std::istringstream words(field);
    std::u32string text;
    std::string word;
    while (words >> word) {
        if (word != "\xc3\xb7" && word != "\xc3\x97") { // the break marks ÷ and ×
            text += static_cast<char32_t>(std::stoul(word, nullptr, 16));
        }
    }
    return text;
}

} // namespace

// Every code point there is, and UTF-16 that is not well formed, against Windows' own UTF-8
// conversions.
TEST(Win32Utf16, AgreesWithWindowsOwnConversionsOverEveryCodePoint) {
    std::u32string all;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c < 0xD800 || c > 0xDFFF) {
            all += c;
        }
    }
    const std::string bytes = hexconv::utf8Of(all);
    const int size = static_cast<int>(bytes.size());
    std::wstring windows(static_cast<std::size_t>(size), L'\0');
    windows.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, windows.data(), size)));
    EXPECT_TRUE(Utf16::fromUtf32(all) == windows);
    EXPECT_TRUE(Utf16::toUtf32(windows) == all);
    for (const std::wstring broken :
         {L"\xD800", L"a\xDC00z", L"\xDBFF\xDBFF\xDFFF", L"\xDFFF\xD800"}) {
        std::string back(16, '\0');
        back.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_UTF8, 0, broken.data(), static_cast<int>(broken.size()),
                                back.data(), static_cast<int>(back.size()), nullptr, nullptr)));
        EXPECT_EQ(hexconv::utf8Of(Utf16::toUtf32(broken)), back);
    }
}

// Every emoji that Unicode lists, keycaps, flags, tags, skin tones and joined sequences, is one
// character, whatever follows it.
TEST(Win32FirstCharacter, EveryEmojiSequenceIsOneCharacter) {
    const UnicodeData unicode;
    std::ifstream file = unicodeFile("emoji\\emoji-test.txt");
    ASSERT_TRUE(file.is_open());
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#' || line.find(';') == std::string::npos) {
            continue;
        }
        const std::u32string sequence = fromHex(line.substr(0, line.find(';')));
        // Every sequence is in normal form C already.
        EXPECT_EQ(unicode.firstCharacter(sequence + U"x"), sequence) << line;
        ++checked;
    }
    EXPECT_GT(checked, 4000);
}

// Unicode's own test of grapheme clusters, on every line whose first cluster the program's rule
// claims to find as Unicode does: CR LF, controls, marks and other extenders, joined pictographs,
// flag pairs. (Hangul syllables, prepended and spacing marks are left to ICU.)
TEST(Win32FirstCharacter, FollowsUnicodesGraphemeBreakTestWhereItsRuleApplies) {
    const UnicodeData unicode;
    std::ifstream file = unicodeFile("auxiliary\\GraphemeBreakTest.txt");
    ASSERT_TRUE(file.is_open());
    const std::regex rule(R"(\[([0-9.]+)\])");
    const std::string claimed = " 3.0 4.0 5.0 9.0 11.0 12.0 13.0 999.0 ";
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string data = line.substr(0, line.find('#'));
        std::vector<std::string> rules;
        const std::string comment = line.substr(line.find('#'));
        for (auto at = std::sregex_iterator(comment.begin(), comment.end(), rule);
             at != std::sregex_iterator(); ++at) {
            rules.push_back((*at)[1]);
        }
        const std::u32string text = fromHex(data);
        // The first cluster ends at the first break after the first code point.
        const std::size_t firstBreak = data.find("\xc3\xb7", 2);
        const std::u32string cluster = fromHex(data.substr(0, firstBreak));
        bool applies = true;
        for (std::size_t boundary = 1; boundary <= cluster.size(); ++boundary) {
            applies = applies && claimed.find(" " + rules.at(boundary) + " ") != std::string::npos;
        }
        if (!applies) {
            continue;
        }
        // Of these clusters normal form C composes one alone: a and U+0308 make ä.
        EXPECT_EQ(unicode.firstCharacter(text), cluster == U"a\u0308" ? U"\u00e4" : cluster)
            << line;
        ++checked;
    }
    EXPECT_GT(checked, 400);
}

// Every code point of the Basic Multilingual Plane: one that Unicode's grapheme break property
// makes a control (CR and LF too) stands alone before a mark, and every other takes the mark;
// every nonspacing or enclosing mark and joiner among its extenders, and every vowel sign among
// its spacing marks, stays with the letter before it, and a control does not.
TEST(Win32FirstCharacter, ControlsStandAloneAndMarksStayWithTheirLetter) {
    const UnicodeData unicode;
    std::ifstream file = unicodeFile("auxiliary\\GraphemeBreakProperty.txt");
    ASSERT_TRUE(file.is_open());
    const std::regex entry(
        R"(^([0-9A-F]+)(?:\.\.([0-9A-F]+))? *; (Control|CR|LF|Extend # M[ne]|Extend # Cf|SpacingMark # Mc +(?:\[\d+\] )?\w+ VOWEL SIGN [^.]*(?:$|\.\.\w+ VOWEL SIGN)))");
    std::vector<bool> control(0x10000);
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        std::smatch found;
        if (!std::regex_search(line, found, entry)) {
            continue;
        }
        const auto first = static_cast<char32_t>(std::stoul(found[1], nullptr, 16));
        const auto last =
            found[2].matched ? static_cast<char32_t>(std::stoul(found[2], nullptr, 16)) : first;
        for (char32_t c = first; c <= last && c <= 0xFFFF; ++c) {
            const std::u32string after = unicode.firstCharacter(std::u32string(U"x") + c + U"y");
            if (found[3].str().starts_with("Extend") || found[3].str().starts_with("Spacing")) {
                EXPECT_TRUE(after != U"x" && after.find(U'y') == std::u32string::npos) << line;
            } else {
                control.at(c) = true;
                EXPECT_EQ(after, U"x") << line;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c < 0xD800 || c > 0xDFFF) {
            const std::u32string first = unicode.firstCharacter(std::u32string(1, c) + U"\u0308");
            EXPECT_EQ(first == std::u32string(1, c), control.at(c))
                << hexconv::nameOf(std::u32string(1, c));
        }
    }
}
