// SPDX-License-Identifier: MIT
#include "Conversions.h"
#include "CodePage.h"
#include "Failure.h"

#include "CalculateExamples.h"
#include "TableFile.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>

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

// Texts read as numbers; every number that is a byte, below.
TEST(DecToBin, TextsGiveEightBitsInEightYields) {
    for (const auto& [text, bits] :
         {std::pair{U"007", U"00000111"}, std::pair{U"255.0", U"11111111"}}) {
        YieldCounter counter;
        const Value argument(text);
        EXPECT_EQ(Conversions::DecToBin(argument, counter.yield()), Value(bits));
        EXPECT_EQ(counter.count, 8);
        EXPECT_EQ(argument, Value(text));
    }
}

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

// Mixed case, one digit, more than two; every byte in either case, above.
TEST(HexToBin, GivesTheBitsInSixteenYields) {
    const std::pair<std::u32string, std::u32string> cases[] = {{U"Ab", U"10101011"},
                                                               {U"aB", U"10101011"},
                                                               {U"a", U"10101010"},
                                                               {U"abc", U"10101100"},
                                                               {U"0123", U"00000011"}};
    for (const auto& [hex, bits] : cases) {
        YieldCounter counter;
        EXPECT_EQ(Conversions::HexToBin(Value(hex), counter.yield()), Value(bits));
        EXPECT_EQ(counter.count, 16) << hexconv::nameOf(hex);
    }
}

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

// Every failure as its reader reads it, from each place that raises one, as the table lists them.
TEST(Failures, EachNamesItselfAndSaysInFullWhatWasWrong) {
    const std::map<std::string, std::function<void(unsigned, const std::u32string&)>> asked = {
        {"read", [](unsigned, const std::u32string& text) { Value::readNumber(text); }},
        {"hex",
         [](unsigned, const std::u32string& text) {
             Conversions::HexToBin(Value(text), YieldCounter().yield());
         }},
        {"bits-to-dec",
         [](unsigned, const std::u32string& text) {
             Conversions::BinToDec(Value(text), YieldCounter().yield());
         }},
        {"bits-to-hex",
         [](unsigned, const std::u32string& text) { Conversions::BinToHex(Value(text)); }},
        {"dec-to-bin",
         [](unsigned, const std::u32string& text) {
             Conversions::DecToBin(Value::readNumber(text), YieldCounter().yield());
         }},
        {"character-for",
         [](unsigned page, const std::u32string& text) {
             hexconv::CodePage::withNumber(page)->characterFor(Value::readNumber(text));
         }},
        {"code-of",
         [](unsigned page, const std::u32string& text) {
             hexconv::CodePage::withNumber(page)->codeOfCharacter(text);
         }},
    };
    for (const auto& row : hexconv::tableRows("failures.tsv")) {
        const std::string label = hexconv::asciiOf(row.at(0)) + " " + hexconv::nameOf(row.at(2));
        try {
            asked.at(hexconv::asciiOf(row.at(0)))(
                row.at(1).empty() ? 0 : std::stoul(hexconv::asciiOf(row.at(1))), row.at(2));
            ADD_FAILURE() << label << ": no failure";
        } catch (const hexconv::Failure& failure) {
            EXPECT_EQ(failure.name(), hexconv::utf8Of(row.at(3))) << label;
            EXPECT_EQ(failure.what(), hexconv::utf8Of(row.at(4))) << label;
        }
    }
}

} // namespace
