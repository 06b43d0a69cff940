#include "CodePage.h"
#include "Failure.h"

#include "TestNames.h"

#include <gtest/gtest.h>

#include <limits>

using hexconv::CodePage;
using hexconv::NotInCodePage;
using hexconv::OutOfRange;

namespace {

TEST(CodePage, AllBytesRoundTrip) {
    for (int code = 0; code <= 255; ++code) {
        const char32_t c = CodePage::characterFor(code);
        EXPECT_EQ(CodePage::codeOf(c), code) << code;
    }
}

struct Mapping {
    char32_t character;
    int code;
};

class Windows1252 : public testing::TestWithParam<Mapping> {};

TEST_P(Windows1252, MapsBothWays) {
    EXPECT_EQ(CodePage::codeOf(GetParam().character), GetParam().code);
    EXPECT_EQ(CodePage::characterFor(GetParam().code), GetParam().character);
}

INSTANTIATE_TEST_SUITE_P(Characters, Windows1252,
                         testing::Values(Mapping{U'\0', 0}, Mapping{U'A', 65}, Mapping{U' ', 32},
                                         Mapping{U'\x7f', 127}, Mapping{U'\u20ac', 0x80},
                                         Mapping{U'\u0081', 0x81}, Mapping{U'\u008d', 0x8d},
                                         Mapping{U'\u008f', 0x8f}, Mapping{U'\u0090', 0x90},
                                         Mapping{U'\u009d', 0x9d}, Mapping{U'\u2122', 0x99},
                                         Mapping{U'\u0178', 0x9f}, Mapping{U'\u00a0', 0xa0},
                                         Mapping{U'\u00e9', 0xe9}, Mapping{U'\u00ff', 0xff}),
                         NAMED_BY(.code));

TEST(CodePage, CharactersOutsideFailAndSaySo) {
    for (char32_t c :
         {U'\u4e2d', U'\u0080', U'\u0100', U'\U0001F600', char32_t{0xD800}, char32_t{0x110000}}) {
        try {
            CodePage::codeOf(c);
            ADD_FAILURE() << "no failure for " << static_cast<unsigned>(c);
        } catch (const NotInCodePage& failure) {
            EXPECT_NE(std::string(failure.what()).find("not in the Windows-1252 code page"),
                      std::string::npos)
                << failure.what();
        }
    }
}

TEST(CodePage, FailureQuotesAPrintableCharacter) {
    try {
        CodePage::codeOf(U'\u4e2d');
        FAIL() << "no failure";
    } catch (const NotInCodePage& failure) {
        EXPECT_STREQ(
            failure.what(),
            "The character \"\xe4\xb8\xad\" (U+4E2D) is not in the Windows-1252 code page");
    }
}

TEST(CodePage, FirstCharacterOfATextOnly) {
    EXPECT_EQ(CodePage::codeOfFirst(U"Hello"), 72);
    EXPECT_EQ(CodePage::codeOfFirst(U"\u20ac\u4e2d"), 0x80);
    EXPECT_THROW(CodePage::codeOfFirst(U"\u4e2dA"), NotInCodePage);
    EXPECT_THROW(CodePage::codeOfFirst(U""), NotInCodePage);
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
