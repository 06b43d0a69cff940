// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

namespace hexconv {

// The worked examples of Calculate, one table for every front end: the user selects the mode,
// types the input into its field and clicks Calculate. In hex mode the character field starts
// empty, which must not stop the chain.
struct CalculateExample {
    const char* name;
    bool hexMode;
    std::u32string input;
    // Text1 (character), Text2 (decimal), Text3 (hex), Text4 (binary) afterwards.
    std::array<std::u32string, 4> fields;
    std::u32string report = {}; // the failure reported, if any
    // The input's first character is found by the platform's Unicode segmentation and
    // normalisation, which only a real front end has.
    bool needsUnicodeData = false;
    unsigned codePage = 1252;
};

// What follows the quoted text where hex mode refuses a character that is not a hex digit: the
// failure that every front end's tests show.
inline const std::u32string notAHexDigit =
    U" is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).";

inline const std::vector<CalculateExample>& calculateExamples() {
    static const std::u32string notInCodePage =
        U" Type a character of that code page: ASCII or a letter or sign such as \"\u00e9\" or "
        U"\"\u20ac\".";
    static const std::vector<CalculateExample> examples = {
        {"CharacterA", false, U"A", {U"A", U"65", U"41", U"01000001"}},
        {"CharacterFirstOfHello", false, U"Hello", {U"Hello", U"72", U"48", U"01001000"}},
        {"CharacterBlank", false, U" ", {U" ", U"32", U"20", U"00100000"}},
        {"CharacterEuroSign", false, U"\u20ac", {U"\u20ac", U"128", U"80", U"10000000"}},
        {"CharacterYDiaeresis", false, U"\u00ff", {U"\u00ff", U"255", U"ff", U"11111111"}},
        {"Hex41", true, U"41", {U"A", U"65", U"41", U"01000001"}},
        {"HexSingleLowercase", true, U"a", {U"\n", U"10", U"0a", U"00001010"}},
        {"HexSingleUppercaseKeepsCase", true, U"A", {U"\n", U"10", U"0A", U"00001010"}},
        {"Hexff", true, U"ff", {U"\u00ff", U"255", U"ff", U"11111111"}},
        {"HexFFKeepsCase", true, U"FF", {U"\u00ff", U"255", U"FF", U"11111111"}},
        {"Hex00", true, U"00", {std::u32string(1, U'\0'), U"0", U"00", U"00000000"}},
        {"Hex80IsTheEuroSign", true, U"80", {U"\u20ac", U"128", U"80", U"10000000"}},
        {"HexThreeDigitsGetOneLeadingZero", true, U"123", {U"\u0003", U"3", U"0123", U"00000011"}},
        // What the user sees as one character counts, composed: "e" with a combining acute is "é".
        {"CharacterDecomposedEAcute",
         false,
         U"e\u0301x",
         {U"e\u0301x", U"233", U"e9", U"11101001"},
         {},
         true},
        {"CharacterWithAMarkThatHasNoComposedForm",
         false,
         U"q\u0301",
         {U"q\u0301", U"", U"", U""},
         U"The character \"q\u0301\" (U+0071 U+0301) is not a single character of the code page "
         U"Windows-1252 (Western European)." +
             notInCodePage,
         true},
        {"HexDigitOutsideTheRange", true, U"0g", {U"", U"", U"0g", U""}, U"\"g\"" + notAHexDigit},
        {"HexFirstDigitOutsideTheRange",
         true,
         U"g1",
         {U"", U"", U"g1", U""},
         U"\"g\"" + notAHexDigit},
        {"CharacterOutsideTheCodePage",
         false,
         U"\u4e2d",
         {U"\u4e2d", U"", U"", U""},
         U"The character \"\u4e2d\" (U+4E2D) is not in the code page Windows-1252 (Western "
         U"European)." +
             notInCodePage},
        // The system's own code page: Cyrillic, and a double-byte one.
        {"CyrillicCharacter",
         false,
         U"\u0416",
         {U"\u0416", U"198", U"c6", U"11000110"},
         {},
         false,
         1251},
        {"CyrillicHex", true, U"c6", {U"\u0416", U"198", U"c6", U"11000110"}, {}, false, 1251},
        {"HalfWidthKatakana", true, U"b1", {U"\uff71", U"177", U"b1", U"10110001"}, {}, false, 932},
        {"CharacterOfTwoBytes",
         false,
         U"\u3042",
         {U"\u3042", U"", U"", U""},
         U"The character \"\u3042\" (U+3042) takes more than one byte in the code page "
         U"Windows-932 (Japanese): 82 a0. Type a character of one byte: ASCII or a letter or sign "
         U"such as \"\uff71\" or \"\uff76\".",
         false,
         932},
        {"HexThatOnlyBeginsACharacter",
         true,
         U"82",
         {U"", U"130", U"82", U"10000010"},
         U"The byte 82 only begins a character of two bytes in the code page Windows-932 "
         U"(Japanese): alone it stands for no character.",
         false,
         932},
    };
    return examples;
}

} // namespace hexconv
