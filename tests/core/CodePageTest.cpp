// SPDX-License-Identifier: MIT
#include "CodePage.h"
#include "Failure.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

using hexconv::CodePage;
using Bytes = CodePage::Bytes;

namespace {

// The system's own converter is the reference: Windows' MultiByteToWideChar and
// WideCharToMultiByte without best fit, or on Linux glibc's iconv.
#ifdef _WIN32
std::optional<char32_t> systemCharacter(unsigned codePage, const Bytes& bytes) {
    std::wstring wide(4, L'\0');
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS,
                                           reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<int>(bytes.size()), wide.data(), 4);
    return length == 1 ? std::optional<char32_t>(wide[0]) : std::nullopt;
}

std::optional<Bytes> systemBytes(unsigned codePage, char32_t codePoint) {
    const auto wide = static_cast<wchar_t>(codePoint);
    std::string narrow(4, '\0');
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &wide, 1, narrow.data(),
                                           4, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    return Bytes(narrow.begin(), narrow.begin() + length);
}
#else
// glibc's iconv between the code page and UCS-4 in the machine's order (WCHAR_T), either way.
std::optional<std::string> glibc(unsigned codePage, bool toCodePage, std::string in) {
    // Opened once per code page and direction, closed at exit.
    static struct Converters {
        std::map<std::pair<unsigned, bool>, iconv_t> open;
        ~Converters() {
            for (const auto& entry : open) {
                iconv_close(entry.second);
            }
        }
    } converters;
    iconv_t& converter = converters.open[{codePage, toCodePage}];
    const std::string name = "CP" + std::to_string(codePage);
    if (converter == nullptr) {
        converter =
            toCodePage ? iconv_open(name.c_str(), "WCHAR_T") : iconv_open("WCHAR_T", name.c_str());
    }
    std::string out(16, '\0');
    char* inAt = in.data();
    char* outAt = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const auto failed = static_cast<std::size_t>(-1);
    if (iconv(converter, nullptr, nullptr, nullptr, nullptr) == failed ||
        iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == failed ||
        iconv(converter, nullptr, nullptr, &outAt, &outLeft) == failed) {
        return std::nullopt;
    }
    return out.substr(0, static_cast<std::size_t>(outAt - out.data()));
}

std::optional<char32_t> glibcCharacter(unsigned codePage, const Bytes& bytes) {
    const auto out = glibc(codePage, false, std::string(bytes.begin(), bytes.end()));
    char32_t c = 0;
    if (!out || out->size() != sizeof c) {
        return std::nullopt;
    }
    std::memcpy(&c, out->data(), sizeof c);
    return c;
}

// Where glibc differs from Windows, which the program follows: glibc leaves unassigned the bytes
// 0x80 to 0x9F of single-byte code pages (and 0x80 of double-byte ones) that Windows maps to the
// C1 control of the same number, and 1255's 0xCA, which Windows maps to U+05BA (a point that
// Unicode added later).
std::optional<char32_t> systemCharacter(unsigned codePage, const Bytes& bytes) {
    const std::optional<char32_t> found = glibcCharacter(codePage, bytes);
    if (found || bytes.size() != 1) {
        return found;
    }
    const bool doubleByte = codePage >= 932 && codePage <= 950;
    if (bytes[0] >= 0x80 && bytes[0] < 0xA0 && (!doubleByte || bytes[0] == 0x80)) {
        return bytes[0];
    }
    return codePage == 1255 && bytes[0] == 0xCA ? std::optional<char32_t>(0x05BA) : std::nullopt;
}

// The same bytes written the other way, and where glibc writes characters otherwise: in 932 it
// writes nine (¢ £ ¥ ¬ — ‖ ‾ − 〜) as look-alikes, which Windows does only with best fit; in 950 it
// writes four box-drawing characters at the older of their two pairs; in 1258 it writes the two
// deprecated tone marks as the marks they stand for, and six letters as a letter and marks not
// canonically equivalent to them (the marks in the wrong order, or a diaeresis too many), where
// Unicode's decompositions give these bytes.
std::optional<Bytes> systemBytes(unsigned codePage, char32_t codePoint) {
    const std::map<std::pair<unsigned, char32_t>, Bytes> otherwise = {
        {{932, 0x00A2}, {}},
        {{932, 0x00A3}, {}},
        {{932, 0x00A5}, {}},
        {{932, 0x00AC}, {}},
        {{932, 0x2014}, {}},
        {{932, 0x2016}, {}},
        {{932, 0x203E}, {}},
        {{932, 0x2212}, {}},
        {{932, 0x301C}, {}},
        {{950, 0x2550}, {0xF9, 0xF9}},
        {{950, 0x255E}, {0xF9, 0xE9}},
        {{950, 0x2561}, {0xF9, 0xEB}},
        {{950, 0x256A}, {0xF9, 0xEA}},
        {{1258, 0x0340}, {}},
        {{1258, 0x0341}, {}},
        {{1258, 0x1E4C}, {0x4F, 0xDE, 0xEC}},
        {{1258, 0x1E4D}, {0x6F, 0xDE, 0xEC}},
        {{1258, 0x1E4E}, {}},
        {{1258, 0x1E4F}, {}},
        {{1258, 0x1E78}, {0x55, 0xDE, 0xEC}},
        {{1258, 0x1E79}, {0x75, 0xDE, 0xEC}}};
    if (const auto at = otherwise.find({codePage, codePoint}); at != otherwise.end()) {
        return at->second.empty() ? std::nullopt : std::optional<Bytes>(at->second);
    }
    if (const auto out =
            glibc(codePage, true,
                  std::string(reinterpret_cast<const char*>(&codePoint), sizeof codePoint))) {
        return Bytes(out->begin(), out->end());
    }
    if (codePoint == 0x05BA && codePage == 1255) {
        return Bytes{0xCA};
    }
    const Bytes same{static_cast<std::uint8_t>(codePoint)};
    if (codePoint >= 0x80 && codePoint < 0xA0 && systemCharacter(codePage, same) == codePoint) {
        return same;
    }
    return std::nullopt;
}
#endif

std::optional<char32_t> characterOf(const CodePage& page, int code) {
    try {
        return page.characterFor(code);
    } catch (const hexconv::NoCharacter&) {
        return std::nullopt;
    }
}

// Windows' ANSI code pages: the program offers each and no other.
const std::vector<unsigned> windowsAnsiCodePages = {874,  932,  936,  949,  950,  1250, 1251,
                                                    1252, 1253, 1254, 1255, 1256, 1257, 1258};

TEST(CodePage, EveryByteIsTheSystemsCharacterAndComesBack) {
    ASSERT_EQ(CodePage::numbers(), windowsAnsiCodePages);
    for (const unsigned number : windowsAnsiCodePages) {
        const CodePage page = *CodePage::withNumber(number);
        for (int code = 0; code <= 255; ++code) {
            const Bytes byte{static_cast<std::uint8_t>(code)};
            const std::optional<char32_t> ours = characterOf(page, code);
            EXPECT_EQ(ours, systemCharacter(number, byte)) << number << " byte " << code;
            if (ours) {
                EXPECT_EQ(page.bytesOf(*ours), byte) << number << " byte " << code;
            }
        }
    }
}

// Every code point of the Basic Multilingual Plane, the only one Windows' code pages reach: one
// byte, two bytes, or none, as the system writes it. Windows writes no character as a letter and
// its marks, and maps private-use code points in its code pages' user-defined areas; the
// program names those bytes and takes private use for no character.
TEST(CodePage, EveryCodePointIsWrittenAsTheSystemWritesIt) {
    for (const unsigned number : windowsAnsiCodePages) {
        ASSERT_TRUE(CodePage::withNumber(number)) << number;
        const CodePage page = *CodePage::withNumber(number);
        int several = 0;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            if ((c >= 0xD800 && c < 0xE000) || (c >= 0xE000 && c < 0xF900)) {
                continue;
            }
            const std::optional<Bytes> ours = page.bytesOf(c);
            const std::optional<Bytes> reference = systemBytes(number, c);
#ifdef _WIN32
            if (!reference && ours && ours->size() > 1 && (number == 1255 || number == 1258)) {
                ++several;
                continue;
            }
#endif
            EXPECT_EQ(ours, reference) << number << " U+" << std::hex << static_cast<unsigned>(c);
            several += ours && ours->size() > 1 && number > 1000;
        }
        // Only Hebrew and Vietnamese write letters with marks they have no byte for.
        EXPECT_EQ(several, number == 1255 ? 34 : number == 1258 ? 179 : 0) << number;
    }
}

TEST(CodePage, CodesAreRoundedThenChecked) {
    const CodePage page = CodePage::windows1252();
    EXPECT_EQ(page.characterFor(65.4), U'A');
    EXPECT_EQ(page.characterFor(254.5), U'\u00fe'); // halves go to even
    EXPECT_EQ(page.characterFor(-0.4), U'\0');
    for (double code : {256.0, -1.0, 255.5, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(page.characterFor(code), hexconv::OutOfRange) << code;
    }
}

} // namespace
