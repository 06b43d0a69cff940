// SPDX-License-Identifier: MIT
#include "CodePage.h"
#include "Failure.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

using hexconv::CodePage;
using Bytes = CodePage::Bytes;

namespace {

// Answers as text: a code point "U+0041", bytes "82 a0", or "-" for none.
std::string answer(const std::optional<char32_t>& character) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "U+%04X", character ? unsigned(*character) : 0U);
    return character ? text.data() : "-";
}

std::string answer(const std::optional<Bytes>& bytes) {
    return bytes ? CodePage::hexBytes(*bytes) : "-";
}

// The system's own converter: Windows' MultiByteToWideChar and WideCharToMultiByte without best
// fit, or on Linux glibc's iconv.
#ifdef _WIN32
std::string systemAnswer(unsigned codePage, const Bytes& bytes) {
    std::wstring wide(4, L'\0');
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS,
                                           reinterpret_cast<const char*>(bytes.data()),
                                           static_cast<int>(bytes.size()), wide.data(), 4);
    return answer(length == 1 ? std::optional<char32_t>(wide[0]) : std::nullopt);
}

std::string systemAnswer(unsigned codePage, char32_t codePoint) {
    const auto wide = static_cast<wchar_t>(codePoint);
    std::string narrow(4, '\0');
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &wide, 1, narrow.data(),
                                           4, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return "-";
    }
    return answer(Bytes(narrow.begin(), narrow.begin() + length));
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

std::string systemAnswer(unsigned codePage, const Bytes& bytes) {
    const auto out = glibc(codePage, false, std::string(bytes.begin(), bytes.end()));
    char32_t c = 0;
    if (!out || out->size() != sizeof c) {
        return "-";
    }
    std::memcpy(&c, out->data(), sizeof c);
    return answer(c);
}

std::string systemAnswer(unsigned codePage, char32_t codePoint) {
    const auto out = glibc(
        codePage, true, std::string(reinterpret_cast<const char*>(&codePoint), sizeof codePoint));
    return out ? answer(Bytes(out->begin(), out->end())) : "-";
}
#endif

// Windows' answer: the system's, or where glibc is known to differ, the test data's, by code page
// and what was asked; there the system must give the answer that the data says it gives.
struct WindowsAnswers {
    std::map<std::pair<unsigned long, std::string>, std::pair<std::string, std::string>> rows;
    std::size_t met = 0;

    WindowsAnswers() {
        std::ifstream data(HEXCONV_TEST_DATA "/glibc-differences.tsv");
        for (std::string line; std::getline(data, line);) {
            std::istringstream row(line);
            std::array<std::string, 4> fields;
            for (std::string& field : fields) {
                std::getline(row, field, '\t');
            }
            if (!line.starts_with('#')) {
                rows[{std::stoul(fields[0]), fields[1]}] = {fields[2], fields[3]};
            }
        }
    }

    template <typename Asked> std::string of(unsigned codePage, const Asked& asked) {
        const std::string system = systemAnswer(codePage, asked);
        const auto row = rows.find({codePage, answer(asked)});
        if (row == rows.end()) {
            return system;
        }
        ++met;
#ifdef _WIN32
        // A letter that Windows writes only as marks, it refuses whole.
        EXPECT_TRUE(system == row->second.first || (system == "-" && codePage == 1258))
#else
        EXPECT_EQ(system, row->second.second)
#endif
            << codePage << " " << answer(asked) << ": " << system;
        return row->second.first;
    }
};

std::optional<char32_t> characterOf(const CodePage& page, int code) {
    try {
        return page.characterFor(code);
    } catch (const hexconv::NoCharacter&) {
        return std::nullopt;
    }
}

// Whether the failure for a byte that stands for no character says that it only begins one.
bool saysItOnlyBegins(const CodePage& page, int code) {
    try {
        page.characterFor(code);
    } catch (const hexconv::NoCharacter& failure) {
        return std::string_view(failure.text()->english).starts_with("The byte %1 only begins");
    }
    return false;
}

// Whether the system converts a pair that a byte begins to a character that is not private use.
bool beginsACharacter(unsigned codePage, std::uint8_t byte) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        const std::string pair = systemAnswer(codePage, Bytes{byte, std::uint8_t(trail)});
        if (pair != "-" && (pair < "U+E000" || pair >= "U+F900")) {
            return true;
        }
    }
    return false;
}

// Windows' ANSI code pages: the program offers each and no other.
const std::vector<unsigned> windowsAnsiCodePages = {874,  932,  936,  949,  950,  1250, 1251,
                                                    1252, 1253, 1254, 1255, 1256, 1257, 1258};

// Every byte, and every code point of the Basic Multilingual Plane (the only one Windows' code
// pages reach): one byte, two bytes, or none, as Windows converts it. Windows writes no
// character as a letter and its marks, and maps private-use code points in its code pages'
// user-defined areas; the program names those bytes and takes private use for no character.
TEST(CodePage, EveryByteAndCodePointConvertsAsWindowsConvertsIt) {
    ASSERT_EQ(CodePage::numbers(), windowsAnsiCodePages);
    WindowsAnswers windows;
    for (const unsigned number : windowsAnsiCodePages) {
        const CodePage page = *CodePage::withNumber(number);
        for (int code = 0; code <= 255; ++code) {
            const Bytes byte{static_cast<std::uint8_t>(code)};
            const std::optional<char32_t> ours = characterOf(page, code);
            EXPECT_EQ(answer(ours), windows.of(number, byte)) << number << " byte " << code;
            if (ours) {
                EXPECT_EQ(page.bytesOf(*ours), byte) << number << " byte " << code;
            } else if (number < 1000) {
                EXPECT_EQ(saysItOnlyBegins(page, code), beginsACharacter(number, byte[0]))
                    << number << " byte " << code;
            }
        }
        int several = 0;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            if (c >= 0xD800 && c < 0xF900) {
                continue;
            }
            const std::optional<Bytes> ours = page.bytesOf(c);
            const std::string reference = windows.of(number, c);
#ifdef _WIN32
            if (reference == "-" && ours && ours->size() > 1 &&
                (number == 1255 || number == 1258)) {
                ++several;
                continue;
            }
#endif
            EXPECT_EQ(answer(ours), reference) << number << " " << answer(c);
            several += ours && ours->size() > 1 && number > 1000;
        }
        // Only Hebrew and Vietnamese write letters with marks they have no byte for.
        EXPECT_EQ(several, number == 1255 ? 34 : number == 1258 ? 179 : 0) << number;
    }
    EXPECT_EQ(windows.met, windows.rows.size()) << "rows of the data that were never asked";
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
