// SPDX-License-Identifier: MIT
#include "CodePage.h"
#include "Failure.h"

#include "TestNames.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

using hexconv::CodePage;
using hexconv::NotInCodePage;
using hexconv::OutOfRange;

namespace {

// The system's own converter for code page 1252 is the reference: glibc's iconv, or Windows'
// MultiByteToWideChar. Where it assigns no character, this code page keeps the C1 control of the
// same number, so that every byte round-trips.
std::optional<char32_t> systemCp1252(unsigned char byte) {
#ifdef _WIN32
    wchar_t wide = 0;
    const char narrow = static_cast<char>(byte);
    if (MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &narrow, 1, &wide, 1) != 1) {
        return std::nullopt;
    }
    return char32_t{wide};
#else
    static const iconv_t converter = iconv_open("UTF-32LE", "CP1252");
    char in = static_cast<char>(byte);
    char out[4] = {};
    char* inPtr = &in;
    char* outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    if (converter == reinterpret_cast<iconv_t>(-1) ||
        iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    const auto u = [&out](int i) {
        return static_cast<char32_t>(static_cast<unsigned char>(out[i]));
    };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
#endif
}

TEST(CodePage, EveryByteIsTheSystemsCp1252Character) {
    int unassigned = 0;
    for (int code = 0; code <= 255; ++code) {
        const char32_t c = CodePage::characterFor(code);
        const std::optional<char32_t> reference = systemCp1252(static_cast<unsigned char>(code));
        if (reference) {
            EXPECT_EQ(static_cast<unsigned>(c), static_cast<unsigned>(*reference)) << code;
        } else {
            ++unassigned;
            EXPECT_EQ(static_cast<unsigned>(c), static_cast<unsigned>(code)) << code;
        }
        EXPECT_EQ(CodePage::codeOf(c), code) << code;
    }
#ifndef _WIN32
    EXPECT_EQ(unassigned, 5); // 0x81, 0x8D, 0x8F, 0x90 and 0x9D
#endif
}

// The whole message, for characters of two, three and four UTF-8 bytes, one that does not print,
// and clusters that stay several code points.
TEST(CodePage, CharactersOutsideFailAndSayWhichAndWhatIsAccepted) {
    const std::string accepted = " Type a character of that code page: ASCII or a Western European "
                                 "letter or sign such as \"é\" or \"€\".";
    const struct {
        std::u32string character;
        std::string message;
    } cases[] = {
        {U"\u0100", "The character \"Ā\" (U+0100) is not in the Windows-1252 code page."},
        {U"\u4e2d", "The character \"中\" (U+4E2D) is not in the Windows-1252 code page."},
        {U"\U0001F600", "The character \"😀\" (U+1F600) is not in the Windows-1252 code page."},
        {U"\u0080", "The character U+0080 is not in the Windows-1252 code page."},
        {std::u32string(1, char32_t{0xD800}),
         "The character U+D800 is not in the Windows-1252 code page."},
        {U"e\u0304", "The character \"e\u0304\" (U+0065 U+0304) is not a single character of the "
                     "Windows-1252 code page."},
        {U"\U0001F468\u200D\U0001F469",
         "The character \"\U0001F468\u200D\U0001F469\" (U+1F468 U+200D U+1F469) is not a single "
         "character of the Windows-1252 code page."},
        {U"", "There is no character to convert."},
    };
    for (const auto& c : cases) {
        try {
            CodePage::codeOfCharacter(c.character);
            ADD_FAILURE() << "no failure for " << hexconv::nameOf(c.character);
        } catch (const NotInCodePage& failure) {
            EXPECT_EQ(failure.what(), c.message + accepted);
        }
    }
}

TEST(CodePage, OneCharacterMustBeOneCodePoint) {
    EXPECT_EQ(CodePage::codeOfCharacter(U"\u20ac"), 0x80);
    EXPECT_THROW(CodePage::codeOfCharacter(U"AB"), NotInCodePage);
}

TEST(CodePage, CodesAreRoundedThenChecked) {
    EXPECT_EQ(CodePage::characterFor(65.4), U'A');
    EXPECT_EQ(CodePage::characterFor(254.5), U'\u00fe'); // halves go to even
    EXPECT_EQ(CodePage::characterFor(-0.4), U'\0');
    for (double code : {256.0, -1.0, 255.5, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(CodePage::characterFor(code), OutOfRange) << code;
    }
}

} // namespace
