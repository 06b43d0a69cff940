// SPDX-License-Identifier: MIT
#include "Value.h"
#include "Failure.h"

#include "TestNames.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

using hexconv::TypeMismatch;
using hexconv::Value;

namespace {

struct Numeral {
    std::u32string text;
    double number;
};

class ReadsAsNumber : public testing::TestWithParam<Numeral> {};

TEST_P(ReadsAsNumber, GivesItsValue) {
    EXPECT_EQ(Value::readNumber(GetParam().text), GetParam().number);
    EXPECT_EQ(Value(GetParam().text).toNumber(), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(PlainNumerals, ReadsAsNumber,
                         testing::Values(Numeral{U"0", 0}, Numeral{U"9", 9}, Numeral{U"007", 7},
                                         Numeral{U"10", 10}, Numeral{U"-1", -1}, Numeral{U"+3", 3},
                                         Numeral{U"2.5", 2.5}, Numeral{U".5", 0.5},
                                         Numeral{U"5.", 5}, Numeral{U"-0.25", -0.25},
                                         Numeral{U"255", 255}),
                         NAMED_BY(.text));

class DoesNotRead : public testing::TestWithParam<std::u32string> {};

TEST_P(DoesNotRead, RaisesTypeMismatch) {
    EXPECT_THROW(Value::readNumber(GetParam()), TypeMismatch);
    EXPECT_THROW(Value(GetParam()).toNumber(), TypeMismatch);
}

INSTANTIATE_TEST_SUITE_P(NonNumerals, DoesNotRead,
                         testing::Values(U"", U"a", U" ", U"/", U":", U" 1", U"1 ", U"-", U"+",
                                         U".", U"-.", U"1.2.3", U"1e5", U"0x10", U"inf", U"nan",
                                         U"1,5", U"--1", U"\u0663" /* Arabic-Indic three */,
                                         U"\uFF11" /* fullwidth one */, std::u32string(U"1\0", 2)),
                         NAMED_BY());

TEST(ReadNumber, HugeNumeralReadsAsInfinityAndTinyAsZero) {
    const std::u32string huge = U"1" + std::u32string(400, U'0');
    EXPECT_EQ(Value::readNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Value::readNumber(U"-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Value::readNumber(U"0." + std::u32string(400, U'0') + U"1"), 0.0);
}

struct Written {
    double number;
    std::u32string text;
};

class TextForm : public testing::TestWithParam<Written> {};

TEST_P(TextForm, UsesPointAndOnlyNeededDigits) {
    EXPECT_EQ(Value::textForm(GetParam().number), GetParam().text);
    EXPECT_EQ(Value(GetParam().number).toText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextForm,
    testing::Values(Written{32, U"32"}, Written{32.5, U"32.5"}, Written{0, U"0"},
                    Written{-1, U"-1"}, Written{0.1, U"0.1"}, Written{255, U"255"},
                    Written{1e21, U"1000000000000000000000"},
                    Written{std::numeric_limits<double>::quiet_NaN(), U"NaN"},
                    Written{std::numeric_limits<double>::infinity(), U"Infinity"},
                    Written{-std::numeric_limits<double>::infinity(), U"-Infinity"}),
    NAMED_BY(.number));

TEST(TextForm, HasPointExactlyWhenTheWrittenFormHasOne) {
    std::vector<double> numbers = {0.5,
                                   -0.5,
                                   1e-300,
                                   5e-324,
                                   1e300,
                                   4503599627370495.5,
                                   std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity()};
    for (int halves = -600; halves <= 600; ++halves) {
        numbers.push_back(halves / 2.0);
        numbers.push_back(halves / 3.0);
    }
    for (double n : numbers) {
        EXPECT_EQ(Value::textFormHasPoint(n),
                  Value::asciiTextForm(n).find('.') != std::string::npos)
            << Value::asciiTextForm(n);
    }
}

TEST(TextForm, NegativeZeroIsPlainZero) {
    EXPECT_EQ(Value::textForm(-0.0), U"0");
}

TEST(TextForm, RoundTripsThroughReading) {
    for (double n : {0.1, 1.0 / 3, 123456.789, -2.5e-7, 5e-324, 1.7976931348623157e308}) {
        EXPECT_EQ(Value::readNumber(Value::textForm(n)), n) << Value::asciiTextForm(n);
    }
}

// A locale whose decimal separator is "," must change neither direction. On Linux the test
// build compiles one into COMMA_LOCALE_DIR, where glibc finds it through LOCPATH; Windows has
// German among its own.
TEST(TextForm, IgnoresACommaLocale) {
#ifdef _WIN32
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
#elif defined(__EMSCRIPTEN__)
    GTEST_SKIP() << "Emscripten's C library has no locale with another decimal separator";
#else
    ASSERT_EQ(setenv("LOCPATH", COMMA_LOCALE_DIR, 1), 0);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << COMMA_LOCALE_DIR;
#endif
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    const std::u32string written = Value::textForm(32.5);
    const double read = Value::readNumber(U"2.5");
    const bool commaRefused = [] {
        try {
            Value::readNumber(U"2,5");
            return false;
        } catch (const TypeMismatch&) {
            return true;
        }
    }();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(written, U"32.5");
    EXPECT_EQ(read, 2.5);
    EXPECT_TRUE(commaRefused);
}

TEST(ValueKinds, TextAndNumberStayDistinct) {
    EXPECT_TRUE(Value(U"65").isText());
    EXPECT_TRUE(Value(65.0).isNumber());
    EXPECT_NE(Value(U"65"), Value(65.0));
    EXPECT_EQ(Value(U"65").toNumber(), Value(65.0).toNumber());
}

} // namespace
