// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace hexconv {

// The single-byte code page that stands for the system's ANSI code page: Windows-1252, with its
// five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) mapped to the C1 controls of the same
// number so that all 256 bytes round-trip. It converts single characters only, never whole texts.
class CodePage {
public:
    // The byte of a character; throws NotInCodePage for a character the code page does not hold.
    static std::uint8_t codeOf(char32_t character);
    // The byte of one character as a user sees it (a grapheme cluster, which the caller finds and
    // normalises): it must be a single code point of the code page. Several code points, such as
    // a letter with a mark that has no precomposed form, or none at all throw NotInCodePage.
    static std::uint8_t codeOfCharacter(std::u32string_view character);
    // The character for a code given as a number, rounded to a whole number first (halves to
    // even); throws OutOfRange unless that whole number is 0 to 255.
    static char32_t characterFor(double code);
};

} // namespace hexconv
