#include "CodePage.h"

#include "Failure.h"
#include "Value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace hexconv {

namespace {

// Bytes 0x80 to 0x9F; every other byte stands for the code point of the same number.
constexpr std::array<char32_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string describe(char32_t c) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(c));
    // Controls, surrogates and values past Unicode would print as garbage: name them by number.
    const bool printable = c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) &&
                           !(c >= 0xD800 && c < 0xE000) && c <= 0x10FFFF;
    return printable ? "\"" + utf8(c) + "\" (" + codePoint + ")" : std::string(codePoint);
}

} // namespace

std::uint8_t CodePage::codeOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<std::uint8_t>(character);
    }
    const auto found = std::find(upperControls.begin(), upperControls.end(), character);
    if (found == upperControls.end()) {
        throw NotInCodePage("The character " + describe(character) +
                            " is not in the Windows-1252 code page");
    }
    return static_cast<std::uint8_t>(0x80 + (found - upperControls.begin()));
}

std::uint8_t CodePage::codeOfFirst(std::u32string_view text) {
    if (text.empty()) {
        throw NotInCodePage("There is no character to convert");
    }
    return codeOf(text.front());
}

char32_t CodePage::characterFor(double code) {
    const double whole = std::nearbyint(code);
    if (!(whole >= 0 && whole <= 255)) {
        throw OutOfRange("There is no character with code " + Value::asciiTextForm(code) +
                         "; codes run from 0 to 255");
    }
    const auto byte = static_cast<std::uint8_t>(whole);
    return byte >= 0x80 && byte < 0xA0 ? upperControls[byte - 0x80] : char32_t{byte};
}

} // namespace hexconv
