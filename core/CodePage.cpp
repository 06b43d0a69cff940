// SPDX-License-Identifier: MIT
#include "CodePage.h"

#include "Failure.h"
#include "Value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace hexconv {

namespace {

// Bytes 0x80 to 0x9F; every other byte stands for the code point of the same number.
constexpr std::array<char32_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character quoted and followed by its code points, or its code points alone where it would
// print as nothing.
MessageArgument describe(std::u32string_view character) {
    MessageArgument quoted = Failure::quote(character);
    if (!quoted.pattern) {
        return quoted;
    }
    return {HEXCONV_TRANSLATABLE("Failure", "\"%1\" (%2)"),
            {quoted.parts.front(), Failure::codePoints(character)}};
}

} // namespace

std::uint8_t CodePage::codeOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<std::uint8_t>(character);
    }
    const auto* const found = std::find(upperControls.begin(), upperControls.end(), character);
    if (found == upperControls.end()) {
        throw NotInCodePage(
            HEXCONV_TRANSLATABLE("Failure",
                                 "The character %1 is not in the Windows-1252 code page. Type a "
                                 "character of that code page: ASCII or a Western European "
                                 "letter or sign such as \"\xc3\xa9\" or \"\xe2\x82\xac\"."),
            {describe(std::u32string_view(&character, 1))});
    }
    return static_cast<std::uint8_t>(0x80 + (found - upperControls.begin()));
}

std::uint8_t CodePage::codeOfCharacter(std::u32string_view character) {
    if (character.empty()) {
        throw NotInCodePage(
            HEXCONV_TRANSLATABLE("Failure",
                                 "There is no character to convert. Type a character of that "
                                 "code page: ASCII or a Western European letter or sign such as "
                                 "\"\xc3\xa9\" or \"\xe2\x82\xac\"."),
            {});
    }
    if (character.size() > 1) {
        throw NotInCodePage(
            HEXCONV_TRANSLATABLE("Failure",
                                 "The character %1 is not a single character of the Windows-1252 "
                                 "code page. Type a character of that code page: ASCII or a "
                                 "Western European letter or sign such as \"\xc3\xa9\" or "
                                 "\"\xe2\x82\xac\"."),
            {describe(character)});
    }
    return codeOf(character.front());
}

char32_t CodePage::characterFor(double code) {
    const double whole = std::nearbyint(code);
    if (!(whole >= 0 && whole <= 255)) {
        throw OutOfRange(
            HEXCONV_TRANSLATABLE("Failure",
                                 "There is no character with code %1: codes run from 0 to 255."),
            {Value::asciiTextForm(code)});
    }
    const auto byte = static_cast<std::uint8_t>(whole);
    return byte >= 0x80 && byte < 0xA0 ? upperControls[byte - 0x80] : char32_t{byte};
}

} // namespace hexconv
