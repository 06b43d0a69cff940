// SPDX-License-Identifier: MIT
#include "Conversions.h"
#include "CodePage.h"
#include "Failure.h"

#include "CalculateExamples.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

using hexconv::Conversions;
using hexconv::InvalidBitString;
using hexconv::OutOfRange;
using hexconv::TypeMismatch;
using hexconv::Value;

namespace {

// Counts the yields a routine performs and lets a test stop a runaway loop.
struct YieldCounter {
    int count = 0;
    Conversions::Yield yield() {
        return [this] {
            if (++count > 1000) {
                throw std::runtime_error("runaway loop");
            }
        };
    }
};

std::u32string hexPair(int v) {
    static constexpr char32_t digits[] = U"0123456789abcdef";
    return {digits[v >> 4], digits[v & 15]};
}

std::u32string bitString(int v) {
    std::u32string bits;
    for (int weight = 128; weight >= 1; weight /= 2) {
        bits += (v & weight) ? U'1' : U'0';
    }
    return bits;
}

struct ByteCase {
    Value dec;
    std::u32string bits;
};

class DecToBinExample : public testing::TestWithParam<ByteCase> {};

TEST_P(DecToBinExample, GivesEightBitsInEightYields) {
    YieldCounter counter;
    const Value argument = GetParam().dec;
    EXPECT_EQ(Conversions::DecToBin(argument, counter.yield()), Value(GetParam().bits));
    EXPECT_EQ(counter.count, 8);
    EXPECT_EQ(argument, GetParam().dec);
}

// Numbers: every byte, below; texts read as numbers.
INSTANTIATE_TEST_SUITE_P(WorkedExamples, DecToBinExample,
                         testing::Values(ByteCase{Value(U"007"), U"00000111"},
                                         ByteCase{Value(U"255.0"), U"11111111"}),
                         NAMED_BY(.dec));

class DecToBinOutOfDomain : public testing::TestWithParam<Value> {};

// Each of these would loop forever if the routine only halved and padded.
TEST_P(DecToBinOutOfDomain, FailsAfterOneYield) {
    YieldCounter counter;
    EXPECT_THROW(Conversions::DecToBin(GetParam(), counter.yield()), OutOfRange);
    EXPECT_EQ(counter.count, 1);
}

INSTANTIATE_TEST_SUITE_P(NotAByte, DecToBinOutOfDomain,
                         testing::Values(Value(256.0), Value(65536.0), Value(-1.0), Value(-0.5),
                                         Value(1.5), Value(254.999), Value(U"300"), Value(U"-7"),
                                         Value(U"2.5"),
                                         Value(std::numeric_limits<double>::quiet_NaN()),
                                         Value(std::numeric_limits<double>::infinity()),
                                         Value(-std::numeric_limits<double>::infinity())),
                         NAMED_BY());

TEST(DecToBin, OutOfRangeMessageNamesTheValue) {
    YieldCounter counter;
    try {
        Conversions::DecToBin(Value(256.0), counter.yield());
        FAIL() << "no failure";
    } catch (const OutOfRange& failure) {
        EXPECT_STREQ(failure.what(),
                     "256 is not a byte value: a byte is a whole number from 0 to 255.");
    }
}

TEST(DecToBin, TextThatDoesNotReadFailsAtFirstHalving) {
    for (const char32_t* text : {U"", U"abc", U" ", U"-", U"."}) {
        YieldCounter counter;
        EXPECT_THROW(Conversions::DecToBin(Value(text), counter.yield()), TypeMismatch);
        EXPECT_EQ(counter.count, 1);
    }
}

TEST(DecToBin, EveryByteGivesEightBitsAndReadsBack) {
    for (int v = 0; v <= 255; ++v) {
        YieldCounter counter;
        const Value bits = Conversions::DecToBin(Value(static_cast<double>(v)), counter.yield());
        ASSERT_EQ(bits, Value(bitString(v))) << v;
        EXPECT_EQ(counter.count, 8) << v;
        EXPECT_EQ(Conversions::BinToDec(bits, counter.yield()), Value(static_cast<double>(v)));
        const Value hex = Conversions::BinToHex(bits);
        EXPECT_EQ(hex, Value(hexPair(v))) << v;
        EXPECT_EQ(Conversions::HexToBin(hex, counter.yield()), bits) << v;
        std::u32string upper = hexPair(v);
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char32_t c) { return c >= U'a' ? c - U'a' + U'A' : c; });
        EXPECT_EQ(Conversions::HexToBin(Value(upper), counter.yield()), bits) << v;
        EXPECT_EQ(counter.count, 8 + 16 + 16) << v;
    }
}

TEST(BinToDec, PadsShortTextsWithOneYieldPerMissingCharacter) {
    const struct {
        std::u32string bits;
        double dec;
    } cases[] = {{U"101", 5}, {U"1", 1}, {U"", 0}, {U"0000001", 1}};
    for (const auto& c : cases) {
        YieldCounter counter;
        const Value argument(c.bits);
        EXPECT_EQ(Conversions::BinToDec(argument, counter.yield()), Value(c.dec));
        EXPECT_EQ(counter.count, 8 - static_cast<int>(c.bits.size()));
        EXPECT_EQ(argument, Value(c.bits));
    }
}

TEST(BinToDec, NumberArgumentIsReadThroughItsTextForm) {
    YieldCounter counter;
    EXPECT_EQ(Conversions::BinToDec(Value(101.0), counter.yield()), Value(5.0));
}

TEST(BinToDec, LongerThanEightFailsWithoutYielding) {
    YieldCounter counter;
    EXPECT_THROW(Conversions::BinToDec(Value(U"000000001"), counter.yield()), InvalidBitString);
    EXPECT_EQ(counter.count, 0);
}

struct BadBits {
    std::u32string text;
    bool typeMismatch; // otherwise InvalidBitString
};

class BadBitString : public testing::TestWithParam<BadBits> {};

TEST_P(BadBitString, BothDecodersRefuse) {
    YieldCounter counter;
    const Value argument(GetParam().text);
    if (GetParam().typeMismatch) {
        EXPECT_THROW(Conversions::BinToDec(argument, counter.yield()), TypeMismatch);
        EXPECT_THROW(Conversions::BinToHex(argument), TypeMismatch);
    } else {
        EXPECT_THROW(Conversions::BinToDec(argument, counter.yield()), InvalidBitString);
        EXPECT_THROW(Conversions::BinToHex(argument), InvalidBitString);
    }
}

INSTANTIATE_TEST_SUITE_P(EightCharacters, BadBitString,
                         testing::Values(BadBits{U"0000000a", true}, BadBits{U"a0000000", true},
                                         BadBits{U"0000 000", true}, BadBits{U"0000.000", true},
                                         BadBits{U"000-0000", true}, BadBits{U"00000009", false},
                                         BadBits{U"20000000", false}, BadBits{U"01010102", false}),
                         NAMED_BY(.text));

TEST(BinToHex, RefusesOtherLengthsInsteadOfOverlapping) {
    for (const char32_t* text : {U"", U"1", U"101", U"0100000", U"010000011"}) {
        EXPECT_THROW(Conversions::BinToHex(Value(text)), InvalidBitString)
            << std::u32string(text).size();
    }
}

struct HexCase {
    std::u32string hex;
    std::u32string bits;
};

class HexToBinExample : public testing::TestWithParam<HexCase> {};

TEST_P(HexToBinExample, GivesTheBitsInSixteenYields) {
    YieldCounter counter;
    EXPECT_EQ(Conversions::HexToBin(Value(GetParam().hex), counter.yield()),
              Value(GetParam().bits));
    EXPECT_EQ(counter.count, 16);
}

// Every byte in lower case and in upper case, below; mixed case, one digit, more than two.
INSTANTIATE_TEST_SUITE_P(WorkedExamples, HexToBinExample,
                         testing::Values(HexCase{U"Ab", U"10101011"}, HexCase{U"aB", U"10101011"},
                                         HexCase{U"a", U"10101010"}, HexCase{U"abc", U"10101100"},
                                         HexCase{U"0123", U"00000011"}),
                         NAMED_BY(.hex));

// The characters just outside each accepted range ("/" ":" "@" "G" "`" "g" "[") and characters of
// every UTF-8 length; the message quotes the digit that was wrong.
TEST(HexToBin, NonHexDigitFailsSayingWhichAndABadFirstDigitStopsEarly) {
    const struct {
        std::u32string hex;
        int yieldsBeforeFailure;
        std::string quoted;
    } cases[] = {
        {U"g1", 1, "\"g\""},
        {U"1g", 9, "\"g\""},
        {U" 1", 1, "\" \""},
        {U"0g", 9, "\"g\""},
        {U"-1", 1, "\"-\""},
        {U"G", 1, "\"G\""},
        {U"/0", 1, "\"/\""},
        {U"0:", 9, "\":\""},
        {U"@0", 1, "\"@\""},
        {U"`0", 1, "\"`\""},
        {U"0[", 9, "\"[\""},
        {U"\u00e9", 1, "\"é\""},
        {U"\uff21\uff21", 1, "\"Ａ\""},
        {U"0\U0001F600", 9, "\"😀\""},
        {U"\u0002", 1, "U+0002"},
        {U"1\u00a0", 9, "\"\u00a0\""},
    };
    const std::string accepted = hexconv::utf8Of(hexconv::notAHexDigit);
    for (const auto& c : cases) {
        YieldCounter counter;
        try {
            Conversions::HexToBin(Value(c.hex), counter.yield());
            ADD_FAILURE() << "no failure for " << hexconv::nameOf(c.hex);
        } catch (const TypeMismatch& failure) {
            EXPECT_EQ(failure.what(), c.quoted + accepted);
            EXPECT_STREQ(failure.name(), "Type mismatch");
        }
        EXPECT_EQ(counter.count, c.yieldsBeforeFailure) << hexconv::nameOf(c.hex);
    }
    try {
        Conversions::HexToBin(Value(U""), YieldCounter().yield());
        ADD_FAILURE() << "no failure for the empty text";
    } catch (const TypeMismatch& failure) {
        EXPECT_STREQ(failure.what(), "There is no hex digit to convert. Type one or two hex "
                                     "digits: 0-9 and A-F (either case).");
    }
}

TEST(Conversions, YieldThatThrowsStopsTheRoutine) {
    int calls = 0;
    const Conversions::Yield stopAtThird = [&calls] {
        if (++calls == 3) {
            throw std::logic_error("stop");
        }
    };
    EXPECT_THROW(Conversions::DecToBin(Value(65.0), stopAtThird), std::logic_error);
    EXPECT_EQ(calls, 3);
}

// Every failure as its reader reads it: the type's name and the whole message, from each place
// that raises one, with the numbers the caller passed. The texts sit on both sides of each cut
// (a quote of 12 characters, a list of 6 code points) and of each range that is named by code
// point rather than quoted (C0 controls, DELETE, C1 controls, surrogates, past Unicode).
TEST(Failures, EachNamesItselfAndSaysInFullWhatWasWrong) {
    const std::string number = " does not read as a number: a number is written with the digits "
                               "0-9, an optional sign and an optional point.";
    const std::string hexDigit = hexconv::utf8Of(hexconv::notAHexDigit);
    const std::string westernEuropean = " Type a character of that code page: ASCII or a letter or "
                                        "sign such as \"é\" or \"€\".";
    const auto code = [](unsigned page, double number) {
        return [page, number] { hexconv::CodePage::withNumber(page)->characterFor(number); };
    };
    const auto character = [](unsigned page, std::u32string text) {
        return [page, text] { hexconv::CodePage::withNumber(page)->codeOfCharacter(text); };
    };
    const auto read = [](std::u32string text) { return [text] { Value::readNumber(text); }; };
    const auto hex = [](std::u32string text) {
        return [text] { Conversions::HexToBin(Value(text), YieldCounter().yield()); };
    };
    const struct {
        const char* label;
        std::function<void()> fail;
        const char* name;
        std::string message;
    } cases[] = {
        {"quote of 12", read(U"123456789abc"), "Type mismatch", "\"123456789abc\"" + number},
        {"quote of 13", read(U"123456789abcd"), "Type mismatch", "\"123456789abc...\"" + number},
        {"6 code points", read(U"\u0001bcdef"), "Type mismatch",
         "U+0001 U+0062 U+0063 U+0064 U+0065 U+0066" + number},
        {"7 code points", read(U"\u0001bcdefg"), "Type mismatch",
         "U+0001 U+0062 U+0063 U+0064 U+0065 U+0066 ..." + number},
        {"U+001F", hex(U"\u001f"), "Type mismatch", "U+001F" + hexDigit},
        {"U+0020", hex(U" "), "Type mismatch", "\" \"" + hexDigit},
        {"U+007E", hex(U"~"), "Type mismatch", "\"~\"" + hexDigit},
        {"U+007F", hex(U"\u007f"), "Type mismatch", "U+007F" + hexDigit},
        {"U+0080", hex(U"\u0080"), "Type mismatch", "U+0080" + hexDigit},
        {"U+009F", hex(U"\u009f"), "Type mismatch", "U+009F" + hexDigit},
        {"U+00A0", hex(U"\u00a0"), "Type mismatch", "\"\u00a0\"" + hexDigit},
        {"U+D7FF", hex(U"\ud7ff"), "Type mismatch", "\"\ud7ff\"" + hexDigit},
        {"U+D800", hex(std::u32string(1, char32_t{0xD800})), "Type mismatch", "U+D800" + hexDigit},
        {"U+DFFF", hex(std::u32string(1, char32_t{0xDFFF})), "Type mismatch", "U+DFFF" + hexDigit},
        {"U+E000", hex(U"\ue000"), "Type mismatch", "\"\ue000\"" + hexDigit},
        {"U+10FFFF", hex(U"\U0010ffff"), "Type mismatch", "\"\U0010ffff\"" + hexDigit},
        {"past Unicode", hex(std::u32string(1, char32_t{0x110000})), "Type mismatch",
         "U+110000" + hexDigit},
        {"9 bits to decode",
         [] { Conversions::BinToDec(Value(U"000000001"), YieldCounter().yield()); },
         "Invalid bit string", "A bit string has at most 8 characters, not 9."},
        {"12 bits to decode",
         [] { Conversions::BinToDec(Value(U"101010101010"), YieldCounter().yield()); },
         "Invalid bit string", "A bit string has at most 8 characters, not 12."},
        {"a 2 in the bits", [] { Conversions::BinToDec(Value(U"102"), YieldCounter().yield()); },
         "Invalid bit string", "A bit string holds only the digits 0 and 1, not 2."},
        {"7 bits to hex", [] { Conversions::BinToHex(Value(U"0101010")); }, "Invalid bit string",
         "Two hex digits need a bit string of exactly 8 characters, not 7."},
        {"9 bits to hex", [] { Conversions::BinToHex(Value(U"010101010")); }, "Invalid bit string",
         "Two hex digits need a bit string of exactly 8 characters, not 9."},
        {"byte with a fraction",
         [] { Conversions::DecToBin(Value(254.5), YieldCounter().yield()); }, "Out of range",
         "254.5 is not a byte value: a byte is a whole number from 0 to 255."},
        {"byte below 0", [] { Conversions::DecToBin(Value(-1.0), YieldCounter().yield()); },
         "Out of range", "-1 is not a byte value: a byte is a whole number from 0 to 255."},
        {"code past 255", code(1252, 256), "Out of range",
         "There is no character with code 256: codes run from 0 to 255."},
        {"code rounding past 255", code(1252, 255.5), "Out of range",
         "There is no character with code 255.5: codes run from 0 to 255."},
        {"code rounding below 0", code(1252, -0.75), "Out of range",
         "There is no character with code -0.75: codes run from 0 to 255."},
        {"byte of no character", code(874, 0xDB), "No character",
         "The byte db stands for no character in the code page Windows-874 (Thai)."},
        {"byte that begins a pair", code(932, 0x82), "No character",
         "The byte 82 only begins a character of two bytes in the code page Windows-932 "
         "(Japanese): alone it stands for no character."},
        {"nothing", character(1251, U""), "Not in the code page",
         "There is no character to convert. Type a character of the code page Windows-1251 "
         "(Cyrillic): ASCII or a letter or sign such as \"ж\" or \"Ё\"."},
        {"letter of another script", character(1252, U"\u0416"), "Not in the code page",
         "The character \"Ж\" (U+0416) is not in the code page Windows-1252 (Western European)." +
             westernEuropean},
        {"private use", character(936, U"\ue4c6"), "Not in the code page",
         "The character \"\ue4c6\" (U+E4C6) is not in the code page Windows-936 (Simplified "
         "Chinese). Type a character of that code page: ASCII or a letter or sign such as \"A\" "
         "or \"€\"."},
        {"C1 control outside", character(1251, U"\u0080"), "Not in the code page",
         "The character U+0080 is not in the code page Windows-1251 (Cyrillic). Type a character "
         "of that code page: ASCII or a letter or sign such as \"ж\" or \"Ё\"."},
        {"cluster of 6", character(1252, U"e\u0301\u0302\u0303\u0304\u0305"),
         "Not in the code page",
         "The character \"e\u0301\u0302\u0303\u0304\u0305\" (U+0065 U+0301 U+0302 U+0303 U+0304 "
         "U+0305) is not a single character of the code page Windows-1252 (Western European)." +
             westernEuropean},
        {"cluster of 7", character(1252, U"e\u0301\u0302\u0303\u0304\u0305\u0306"),
         "Not in the code page",
         "The character \"e\u0301\u0302\u0303\u0304\u0305\u0306\" (U+0065 U+0301 U+0302 U+0303 "
         "U+0304 U+0305 ...) is not a single character of the code page Windows-1252 (Western "
         "European)." +
             westernEuropean},
        {"two bytes", character(932, U"\u3042"), "Not a single byte",
         "The character \"あ\" (U+3042) takes more than one byte in the code page Windows-932 "
         "(Japanese): 82 a0. Type a character of one byte: ASCII or a letter or sign such as "
         "\"ｱ\" or \"ｶ\"."},
        {"letter and mark", character(1258, U"\u1ebf"), "Not a single byte",
         "The character \"ế\" (U+1EBF) takes more than one byte in the code page Windows-1258 "
         "(Vietnamese): ea ec. Type a character of one byte: ASCII or a letter or sign such as "
         "\"ơ\" or \"Đ\"."},
        {"letter and two marks", character(1258, U"\u1e4d"), "Not a single byte",
         "The character \"ṍ\" (U+1E4D) takes more than one byte in the code page Windows-1258 "
         "(Vietnamese): 6f de ec. Type a character of one byte: ASCII or a letter or sign such as "
         "\"ơ\" or \"Đ\"."},
        {"cluster of one-byte code points", character(874, U"\u0e01\u0e35"), "Not a single byte",
         "The character \"กี\" (U+0E01 U+0E35) takes more than one byte in the code page "
         "Windows-874 (Thai): a1 d5. Type a character of one byte: ASCII or a letter or sign such "
         "as \"ก\" or \"ฮ\"."},
    };
    for (const auto& c : cases) {
        try {
            c.fail();
            ADD_FAILURE() << c.label << ": no failure";
        } catch (const hexconv::Failure& failure) {
            EXPECT_STREQ(failure.name(), c.name) << c.label;
            EXPECT_EQ(failure.what(), c.message) << c.label;
        }
    }
}

} // namespace
